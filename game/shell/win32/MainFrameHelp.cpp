// The main window's help: Help Topics, F1 and the default help open the viewer at its topic
// finder; Shift+F1 enters context-help mode, in which the next click (or a command chosen from
// the menu or by a key) opens the topic of what it landed on. Also the files dropped on the
// window, opened as under Open.
#include "MainFrame.h"

#include "FileNames.h"
#include "FrameworkIds.h"
#include "SystemProcs.h"
#include "Win32App.h"
#include "Win32Platform.h"
#include "Win32ShellServices.h"

#include <vector>

namespace {
const CCmdEntry<CMainFrame> kHelpCommands[] = {
    {ID_HELP_FINDER, &CMainFrame::OnHelpFinder, nullptr},
    {ID_HELP, &CMainFrame::OnHelpFinder, nullptr},
    {ID_DEFAULT_HELP, &CMainFrame::OnHelpFinder, nullptr},
    {ID_CONTEXT_HELP, &CMainFrame::OnContextHelp, nullptr},
};

// The whole help file, or false when it is missing, unreadable or too large to be ours.
bool ReadHelpText(const std::string& path, std::string& text) {
    HANDLE hFile = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool bOk = GetFileSizeEx(hFile, &size) && size.QuadPart >= 0 &&
               static_cast<ULONGLONG>(size.QuadPart) <= CHelpFile::kMaxSize;
    if (bOk) {
        text.assign(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD nRead = 0;
        bOk = text.empty() ||
              (ReadFile(hFile, &text[0], static_cast<DWORD>(text.size()), &nRead, nullptr) &&
               nRead == text.size());
    }
    CloseHandle(hFile);
    return bOk;
}

POINT ScreenPointOf(HWND hWnd, LPARAM lParam) {
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(hWnd, &pt);
    return pt;
}
} // namespace

BOOL CMainFrame::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    if (DispatchCmdMsg(this, kHelpCommands, nID, pCmdUI)) return TRUE;
    return CFrameWnd::OnCmdMsg(nID, pCmdUI);
}

void CMainFrame::OnHelpFinder() {
    OpenHelp(std::string());
}

void CMainFrame::OpenHelp(const std::string& context) {
    CHelpFile file;
    std::string text;
    std::string path = ChangeFileExtension(CWin32ShellServices::ModulePath(), ".HLP");
    if (!ReadHelpText(path, text) || !file.Parse(text)) {
        std::string message = LoadString(IDS_FAILED_LAUNCH_HELP);
        std::string title = LoadString(IDS_APP_TITLE);
        MessageBoxA(m_hWnd, message.empty() ? "Failed to launch help." : message.c_str(),
                    title.empty() ? "Quenlow" : title.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const CHelpTopic* pTopic = context.empty() ? nullptr : file.FindByContext(context);
    // A viewer that cannot be made leaves the game as it is; there is nothing else to show. It
    // shows the frame's own icon.
    m_wndHelp.Show(m_hWnd, m_platform.GetInstance(), m_nIDResource,
                   static_cast<CWin32App&>(GetApp()).GetShellServices(), file, pTopic);
}

void CMainFrame::OnContextHelp() {
    if (m_contextHelp.IsActive()) return;
    m_contextHelp.Enter(m_platform);
    SetMessageText(LoadString(IDS_HELP_MODE_MESSAGE));
    // Every click in the program's windows comes here until the mode ends.
    SetCapture(m_hWnd);
}

void CMainFrame::EndHelpMode() {
    m_contextHelp.Cancel(m_platform);
    if (GetCapture() == m_hWnd) ReleaseCapture();
    // The help window may now cover the button under the pointer, which then never leaves it.
    m_wndToolBar.ClearHotItem();
    SetIdleMessage();
}

BOOL CMainFrame::PreTranslateHelp(const MSG& msg) {
    if (!m_contextHelp.IsActive() || msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE)
        return m_wndHelp.PreTranslateMessage(msg);
    EndHelpMode();
    return TRUE;
}

HelpHit CMainFrame::HelpHitAt(POINT ptScreen, int& nID) const {
    RECT rcWindow;
    if (!GetWindowRect(m_hWnd, &rcWindow) || !PtInRect(&rcWindow, ptScreen))
        return HelpHit::Outside;
    POINT ptClient = ptScreen;
    ScreenToClient(m_hWnd, &ptClient);
    RECT rcClient;
    if (!GetClientRect(m_hWnd, &rcClient) || !PtInRect(&rcClient, ptClient)) return HelpHit::Frame;
    HWND hChild = ChildWindowFromPointEx(m_hWnd, ptClient, CWP_SKIPINVISIBLE);
    HWND hToolBar = m_wndToolBar.GetSafeHwnd();
    if (hChild == m_wndView.GetSafeHwnd()) return HelpHit::Table;
    if (hChild == m_wndStatusBar.GetSafeHwnd()) return HelpHit::StatusBar;
    // The frame paints the toolbar's border below the control.
    if (hChild == m_hWnd && ptClient.y < m_wndToolBar.GetHeight()) return HelpHit::ToolBar;
    if (hChild != hToolBar || hToolBar == nullptr) return HelpHit::Frame;
    POINT ptBar = ptScreen;
    ScreenToClient(hToolBar, &ptBar);
    auto nIndex =
        static_cast<int>(SendMessageA(hToolBar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&ptBar)));
    TBBUTTON button = {};
    if (nIndex < 0 ||
        !SendMessageA(hToolBar, TB_GETBUTTON, static_cast<WPARAM>(nIndex),
                      reinterpret_cast<LPARAM>(&button)) ||
        (button.fsStyle & BTNS_SEP) != 0)
        return HelpHit::ToolBar;
    nID = button.idCommand;
    return HelpHit::Command;
}

void CMainFrame::OnHelpModeClick(POINT ptScreen) {
    if (SendMessageA(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y)) == HTMENU) {
        // The menu runs as usual; the command chosen there comes back as help for it.
        m_bHelpMenu = true;
        ReleaseCapture();
        Default(WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(ptScreen.x, ptScreen.y));
        m_bHelpMenu = false;
        if (m_contextHelp.IsActive()) {
            SetCapture(m_hWnd);
            m_contextHelp.OnSetCursor(m_platform);
        }
        return;
    }
    int nID = 0;
    HelpHit hit = HelpHitAt(ptScreen, nID);
    std::string context;
    BOOL bTopic = m_contextHelp.OnClick(m_platform, hit, nID, context);
    EndHelpMode();
    if (bTopic) OpenHelp(context);
}

void CMainFrame::OnHelpModeCommand(int nID) {
    std::string context;
    BOOL bTopic = m_contextHelp.OnClick(m_platform, HelpHit::Command, nID, context);
    EndHelpMode();
    if (bTopic) OpenHelp(context);
}

// Messages that context-help mode takes for itself; FALSE lets the frame handle the message.
BOOL CMainFrame::OnHelpModeMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_LBUTTONDOWN:
        OnHelpModeClick(ScreenPointOf(m_hWnd, lParam));
        return TRUE;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        EndHelpMode();
        return TRUE;
    case WM_MOUSEMOVE:
    case WM_SETCURSOR:
        return m_contextHelp.OnSetCursor(m_platform);
    case WM_COMMAND:
        // Menus and keys send no control; a control's notice is no command to explain.
        if (lParam != 0 && reinterpret_cast<HWND>(lParam) != m_wndToolBar.GetSafeHwnd())
            return FALSE;
        OnHelpModeCommand(LOWORD(wParam));
        return TRUE;
    case WM_CAPTURECHANGED:
        // Another window took the pointer (a dialog, another program): the mode is over.
        if (!m_bHelpMenu && reinterpret_cast<HWND>(lParam) != m_hWnd) EndHelpMode();
        return TRUE;
    case WM_CANCELMODE:
        EndHelpMode();
        return FALSE;
    case WM_ACTIVATEAPP:
        if (wParam == FALSE) EndHelpMode();
        return FALSE;
    default:
        return FALSE;
    }
}

void CMainFrame::OnDropFiles(HDROP hDrop) {
    std::vector<std::string> files;
    UINT nCount = ShellDragQueryFile(hDrop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nCount; ++i) {
        UINT nLength = ShellDragQueryFile(hDrop, i, nullptr, 0);
        std::string name(nLength + 1, '\0');
        UINT nCopied = ShellDragQueryFile(hDrop, i, &name[0], nLength + 1);
        name.resize(nCopied);
        if (!name.empty()) files.push_back(name);
    }
    ShellDragFinish(hDrop);
    SetForegroundWindow(m_hWnd);
    static_cast<CWin32App&>(GetApp()).OnDropFiles(files);
}
