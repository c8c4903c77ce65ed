// The application object: start-up, the message loop with its idle passes, and the end.
#pragma once

#include "DdeServer.h"
#include "ShellIntegration.h"
#include "Win32Api.h"
#include "Win32ShellServices.h"
#include "WinApp.h"

#include <string>
#include <vector>

class CWin32Platform;

class CQuenlowApp : public CWinApp {
public:
    explicit CQuenlowApp(CWin32Platform& platform);
    ~CQuenlowApp() override;

    BOOL InitInstance(int nCmdShow);
    int Run();
    int ExitInstance();
    // The document's idle step first, then the framework's own idle work.
    BOOL OnIdle(long nCount) override;

    // The shell's side (QuenlowAppShell.cpp): the exit code of a run that ended at start-up,
    // Open (Ctrl+O) and the files dropped on the main window.
    int GetStartExitCode() const { return m_shell.GetExitCode(); }
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnDropFiles(const std::vector<std::string>& files);
    // The system services of the shell; the profile among them.
    IShellServices& GetShellServices() { return m_services; }

private:
    BOOL PreTranslateMessage(MSG& msg);
    // Messages after which the idle passes run again: not a repaint, a system timer or a
    // mouse move that did not move.
    BOOL IsIdleMessage(const MSG& msg);
    std::string LoadString(int nID) const;
    // Start-up steps of the shell, in their order.
    void LoadStdProfileSettings();
    void EnableShellOpen();
    void RegisterShellFileTypes();
    BOOL ProcessShellCommand();
    // The show state a frame made now starts with.
    int FrameShowCommand() const;

    CWin32Platform& m_win32;
    CWin32ShellServices m_services;
    CShellIntegration m_shell;
    CDdeServer m_ddeServer;
    int m_nCmdShow = SW_SHOWNORMAL;
    POINT m_ptLastMouse = {-1, -1};
    UINT m_nLastMouseMsg = 0;
};
