// The main window: menu, accelerators, toolbar, status bar and the view filling the rest.
#pragma once

#include "BaseWindow.h"
#include "ContextHelp.h"
#include "FrameWnd.h"
#include "HelpViewer.h"

#include <shellapi.h>
#include "StatusBar.h"
#include "ToolBar.h"
#include "ViewWnd.h"

class CWin32Platform;

class CMainFrame : public CFrameWnd, public BaseWindow<CMainFrame> {
public:
    CMainFrame(CWinApp& app, CWin32Platform& platform, int nCmdShow);
    ~CMainFrame() override;

    BOOL LoadFrame(int nIDResource, CCreateContext& context) override;
    BOOL ShowFrame() override;
    void HideFrame() override;
    void DestroyFrame() override;
    void OnIdleUpdateCmdUI() override;
    BOOL InModalState() const override { return m_hWnd != nullptr && !IsWindowEnabled(m_hWnd); }

    HACCEL GetAccelerators() const { return m_hAccel; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

    // Help and dropped files (MainFrameHelp.cpp).
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnHelpFinder();
    void OnContextHelp();
    // Opens the viewer at the topic for the help context (the contents when empty); a help
    // file that is missing or unreadable is reported.
    void OpenHelp(const std::string& context);
    bool IsInHelpMode() const { return m_contextHelp.IsActive(); }
    // Escape ends context-help mode, whichever window has the keyboard; otherwise the help
    // viewer takes its own keys.
    BOOL PreTranslateHelp(const MSG& msg);

    static constexpr const char* kClassName = "QuenlowFrame";
    // A read-only query another program may send: the completed idle passes times two, plus
    // one while input, posted messages or a repaint are still waiting.
    static constexpr const char* kIdleQueryName = "Quenlow.IdleQuery";
    static constexpr int kWidth = 602;
    static constexpr int kHeight = 484;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

protected:
    BOOL IsStatusBarVisible() const override { return m_wndStatusBar.IsVisible(); }
    void ShowStatusBar(BOOL bShow) override;
    void SetMessageText(const std::string& text) override;
    std::string LoadString(int nID) const override;

private:
    int OnCreate();
    // The toolbar and the status bar, with the common controls they need.
    BOOL CreateBars();
    void RecalcLayout();
    void OnPaint();
    void OnInitMenuPopup(HMENU hMenu, BOOL bSysMenu);
    void OnMenuSelectMsg(UINT nItemID, UINT nFlags, HMENU hMenu);
    LRESULT OnNotify(NMHDR* pHeader);
    void OnEndSession(BOOL bEnding);
    LRESULT OnIdleQuery();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    BOOL OnHelpModeMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnHelpModeClick(POINT ptScreen);
    void OnHelpModeCommand(int nID);
    void EndHelpMode();
    HelpHit HelpHitAt(POINT ptScreen, int& nID) const;
    void OnDropFiles(HDROP hDrop);

    CWin32Platform& m_platform;
    int m_nCmdShow;
    HACCEL m_hAccel = nullptr;
    int m_nIDResource = 0; // the menu, accelerators, icon and toolbar of the frame
    CViewWnd m_wndView;
    CDocument* m_pCreatingDoc = nullptr; // the document the view joins while the window is made
    std::string m_strTipA;               // the texts tool tips point at until the next request
    std::wstring m_strTipW;
    CContextHelpMode m_contextHelp;
    bool m_bHelpMenu = false; // a menu runs for context help: the capture is given up for it
    CHelpViewer m_wndHelp;
};
