// The application object: start-up, the message loop with its idle passes, and the end.
#pragma once

#include "Win32Api.h"
#include "WinApp.h"

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

private:
    BOOL PreTranslateMessage(MSG& msg);
    // Messages after which the idle passes run again: not a repaint, a system timer or a
    // mouse move that did not move.
    BOOL IsIdleMessage(const MSG& msg);
    std::string LoadString(int nID) const;

    CWin32Platform& m_win32;
    POINT m_ptLastMouse = {-1, -1};
    UINT m_nLastMouseMsg = 0;
};
