#include "QuenlowApp.h"

#include "MainFrame.h"
#include "QuenlowDoc.h"
#include "TableView.h"
#include "Win32Platform.h"
#include "resource.h"

#include <shellapi.h>

namespace {
constexpr UINT kSystemTimerMessage = 0x0118;
} // namespace

CQuenlowApp::CQuenlowApp(CWin32Platform& platform)
    : CWinApp(platform), m_win32(platform), m_services(platform), m_shell(m_services),
      m_ddeServer(platform, m_shell) {}

CQuenlowApp::~CQuenlowApp() {
    CloseTemplate();
}

std::string CQuenlowApp::LoadString(int nID) const {
    char buffer[512] = {};
    int nLength = LoadStringA(m_win32.GetInstance(), static_cast<UINT>(nID), buffer,
                              static_cast<int>(sizeof(buffer)));
    return std::string(buffer, static_cast<std::size_t>(nLength > 0 ? nLength : 0));
}

BOOL CQuenlowApp::InitInstance(int nCmdShow) {
    // Dialog controls are drawn in three dimensions by the system itself; the bars need the
    // common controls registered.
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&icc)) return FALSE;
    m_nCmdShow = nCmdShow;
    LoadStdProfileSettings();

    CWin32Platform& platform = m_win32;
    CDocManager& manager = m_shell.GetDocManager();
    auto makeDoc = [&platform, &manager] {
        auto pDoc = std::make_unique<CQuenlowDoc>(platform);
        pDoc->SetDocManager(&manager);
        return pDoc;
    };
    auto makeFrame = [this, &platform]() -> std::unique_ptr<CFrameWnd> {
        return std::make_unique<CMainFrame>(*this, platform, FrameShowCommand());
    };
    auto makeView = [&platform] { return CreateTableView(platform); };
    auto pTemplate =
        std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, makeDoc, makeFrame, makeView);
    pTemplate->SetDocString(LoadString(IDR_MAINFRAME));
    AddDocTemplate(std::move(pTemplate));
    manager.SetTemplate(GetDocTemplate());

    EnableShellOpen();
    RegisterShellFileTypes();
    // A plain start runs the new-document step, which restores the saved game or deals one.
    if (!ProcessShellCommand()) return FALSE;
    if (HWND hMain = m_win32.GetMainWindow()) DragAcceptFiles(hMain, TRUE);
    return TRUE;
}

BOOL CQuenlowApp::OnIdle(long nCount) {
    if (auto* pDoc = dynamic_cast<CQuenlowDoc*>(GetDocument())) pDoc->OnIdleUpdate();
    return CWinApp::OnIdle(nCount);
}

BOOL CQuenlowApp::PreTranslateMessage(MSG& msg) {
    if (m_pMainWnd == nullptr) return FALSE;
    auto* pFrame = static_cast<CMainFrame*>(m_pMainWnd);
    if (pFrame->PreTranslateHelp(msg)) return TRUE;
    HWND hFrame = pFrame->GetSafeHwnd();
    if (hFrame == nullptr || pFrame->GetAccelerators() == nullptr) return FALSE;
    if (msg.hwnd != hFrame && !IsChild(hFrame, msg.hwnd)) return FALSE;
    return TranslateAcceleratorA(hFrame, pFrame->GetAccelerators(), &msg) != 0;
}

BOOL CQuenlowApp::IsIdleMessage(const MSG& msg) {
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

int CQuenlowApp::Run() {
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
            if (!PreTranslateMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (IsIdleMessage(msg)) {
                bIdle = TRUE;
                nIdleCount = 0;
            }
        } while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD));
    }
}

int CQuenlowApp::ExitInstance() {
    // Normally the close has already stored the game; a loop ended any other way stores it here.
    CloseTemplate();
    m_ddeServer.Destroy();
    m_shell.GetDocManager().SaveRecentFileList();
    return 0;
}
