// The game's four dialogs. Only Scores has behaviour of its own (Reset).
#pragma once

#include "Dialog.h"
#include "resource.h"

class CNewGameDlg : public CDialog {
public:
    CNewGameDlg() : CDialog(IDD_NEWGAME) {}
};

class CGameOverDlg : public CDialog {
public:
    CGameOverDlg() : CDialog(IDD_GAMEOVER) {}
};

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};

class CScoresDlg : public CDialog {
public:
    CScoresDlg() : CDialog(IDD_SCORES) {}

    BOOL OnCommand(int nID) override;
    // Both texts become "0" at once; the counters change only if the dialog ends with OK.
    void OnResetScores();

    std::string m_strLosses;
    std::string m_strWins;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
