// The application object's Win32 half: start-up with the shell (profile, DDE open, the document
// type's registration, the command line), the message loop with its idle passes, and the end.
// A program derives from it and names its document template.
#pragma once

#include "DdeServer.h"
#include "FrameWnd.h"
#include "ShellIntegration.h"
#include "Win32Api.h"
#include "Win32ShellServices.h"
#include "WinApp.h"

#include <memory>
#include <string>
#include <vector>

class CWin32Platform;

class CWin32App : public CWinApp {
public:
    explicit CWin32App(CWin32Platform& platform);
    ~CWin32App() override;

    BOOL InitInstance(int nCmdShow);
    int Run();
    int ExitInstance();

    // Open (Ctrl+O) is the shell's.
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;

    // The shell's side (Win32AppShell.cpp): the exit code of a run that ended at start-up and
    // the files dropped on the main window.
    int GetStartExitCode() const { return m_shell.GetExitCode(); }
    void OnDropFiles(const std::vector<std::string>& files);
    // The system services of the shell; the profile among them.
    IShellServices& GetShellServices() { return m_services; }

protected:
    // The program's one template; its document string is loaded from the template's resource
    // id, and the documents it makes are to use the document files (GetDocManager).
    virtual std::unique_ptr<CSingleDocTemplate> MakeDocTemplate() = 0;
    CDocManager& GetDocManager() { return m_shell.GetDocManager(); }
    // The main window, with the show state a frame made now starts with.
    std::unique_ptr<CFrameWnd> MakeMainFrame();

    CWin32Platform& m_win32;

private:
    std::string LoadString(int nID) const;
    BOOL PreTranslateMessage(MSG& msg);
    // Messages after which the idle passes run again: not a repaint, a system timer or a
    // mouse move that did not move.
    BOOL IsIdleMessage(const MSG& msg);
    // Start-up steps of the shell, in their order.
    void LoadStdProfileSettings();
    void EnableShellOpen();
    void RegisterShellFileTypes();
    BOOL ProcessShellCommand();
    int FrameShowCommand() const;

    CWin32ShellServices m_services;
    CShellIntegration m_shell;
    CDdeServer m_ddeServer;
    int m_nCmdShow = SW_SHOWNORMAL;
    POINT m_ptLastMouse = {-1, -1};
    UINT m_nLastMouseMsg = 0;
};
