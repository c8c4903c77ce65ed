#include "Win32App.h"

#include "MainFrame.h"
#include "SystemProcs.h"
#include "Win32Platform.h"

namespace {
constexpr UINT kSystemTimerMessage = 0x0118;
} // namespace

CWin32App::CWin32App(CWin32Platform& platform)
    : m_win32(platform), m_services(platform), m_shell(m_services), m_ddeServer(platform, m_shell) {
}

CWin32App::~CWin32App() {
    CloseTemplate();
}

std::string CWin32App::LoadString(int nID) const {
    char buffer[512] = {};
    int nLength = LoadStringA(m_win32.GetInstance(), static_cast<UINT>(nID), buffer,
                              static_cast<int>(sizeof(buffer)));
    return std::string(buffer, static_cast<std::size_t>(nLength > 0 ? nLength : 0));
}

BOOL CWin32App::InitInstance(int nCmdShow) {
    // Dialog controls are drawn in three dimensions by the system itself: nothing turns that
    // look on. The common controls are loaded with the bars, once the window shows.
    m_nCmdShow = nCmdShow;
    AddDocTemplate(MakeDocTemplate());
    CSingleDocTemplate* pTemplate = GetDocTemplate();
    pTemplate->SetDocString(LoadString(pTemplate->GetResourceId()));
    m_shell.GetDocManager().SetTemplate(pTemplate);

    RegisterShellFileTypes();
    // A plain start runs the document's new-document step, which shows the window; the DDE
    // server follows it.
    if (!ProcessShellCommand()) return FALSE;
    if (HWND hMain = m_win32.GetMainWindow()) AcceptDroppedFiles(hMain);
    return TRUE;
}

BOOL CWin32App::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return m_shell.OnCmdMsg(nID, pCmdUI) || CWinApp::OnCmdMsg(nID, pCmdUI);
}

std::unique_ptr<CFrameWnd> CWin32App::MakeMainFrame() {
    return std::make_unique<CMainFrame>(*this, m_win32, FrameShowCommand());
}

BOOL CWin32App::PreTranslateMessage(MSG& msg) {
    if (m_pMainWnd == nullptr) return FALSE;
    auto* pFrame = static_cast<CMainFrame*>(m_pMainWnd);
    if (pFrame->PreTranslateHelp(msg)) return TRUE;
    HWND hFrame = pFrame->GetSafeHwnd();
    if (hFrame == nullptr || pFrame->GetAccelerators() == nullptr) return FALSE;
    if (msg.hwnd != hFrame && !IsChild(hFrame, msg.hwnd)) return FALSE;
    return TranslateAcceleratorA(hFrame, pFrame->GetAccelerators(), &msg) != 0;
}

BOOL CWin32App::IsIdleMessage(const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        if (m_nLastMouseMsg == msg.message && m_ptLastMouse.x == msg.pt.x &&
            m_ptLastMouse.y == msg.pt.y)
            return FALSE;
        m_ptLastMouse = msg.pt;
        m_nLastMouseMsg = msg.message;
        return TRUE;
    }
    return msg.message != WM_PAINT && msg.message != kSystemTimerMessage;
}

int CWin32App::Run() {
    MSG msg = {};
    BOOL bIdle = TRUE;
    long nIdleCount = 0;
    for (;;) {
        // PM_NOYIELD: a process waiting for this one to go idle waits for the idle work too.
        while (bIdle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD)) {
            if (!OnIdle(nIdleCount++)) bIdle = FALSE;
        }
        do {
            BOOL bGot = GetMessageA(&msg, nullptr, 0, 0);
            if (bGot == 0) return static_cast<int>(msg.wParam);
            if (bGot == -1) return -1;
            BOOL bHadMainWindow = m_win32.GetMainWindow() != nullptr;
            if (!PreTranslateMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            // The system's loop that moves a window by its caption takes a WM_QUIT posted
            // while it runs: the main window's end ends the program all the same.
            if (bHadMainWindow && m_win32.GetMainWindow() == nullptr) return 0;
            if (IsIdleMessage(msg)) {
                bIdle = TRUE;
                nIdleCount = 0;
            }
        } while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD));
    }
}

int CWin32App::ExitInstance() {
    // Normally the close has already stored the game; a loop ended any other way stores it here.
    CloseTemplate();
    m_ddeServer.Destroy();
    m_shell.GetDocManager().SaveRecentFileList();
    return 0;
}
