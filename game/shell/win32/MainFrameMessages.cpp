// The main window's messages: commands, menus, prompts, tool tips and the end of a session.
#include "MainFrame.h"

#include "Document.h"
#include "Win32Platform.h"
#include "WinApp.h"

namespace {
// System-menu commands have their prompts in the framework's strings from 0xEF00 on.
int PromptIdOfSystemCommand(UINT nItemID) {
    if (nItemID < 0xF000 || nItemID >= 0xF1F0) return 0;
    return 0xEF00 + static_cast<int>((nItemID - 0xF000) >> 4);
}
} // namespace

LRESULT CMainFrame::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    static const UINT s_nIdleQuery = RegisterWindowMessageA(kIdleQueryName);
    if (uMsg == s_nIdleQuery && s_nIdleQuery != 0) return OnIdleQuery();
    if (m_contextHelp.IsActive() && OnHelpModeMessage(uMsg, wParam, lParam))
        return uMsg == WM_SETCURSOR ? TRUE : 0;
    switch (uMsg) {
    case WM_CREATE:
        return OnCreate();
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_SETFOCUS:
        if (m_wndView.GetSafeHwnd() != nullptr) SetFocus(m_wndView.GetSafeHwnd());
        return 0;
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) return 0;
        break;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam));
        break;
    case WM_MENUSELECT:
        OnMenuSelectMsg(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_QUERYENDSESSION:
        // Nothing is ever unsaved: the session may end.
        return TRUE;
    case WM_ENDSESSION:
        OnEndSession(wParam != 0);
        return 0;
    case WM_DESTROY:
        g_pStatusBar = nullptr;
        m_platform.SetMainWindow(nullptr);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return Default(uMsg, wParam, lParam);
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Menus and accelerators send no control; of the controls only the toolbar sends commands.
    auto hControl = reinterpret_cast<HWND>(lParam);
    if (hControl != nullptr && hControl != m_wndToolBar.GetSafeHwnd()) return FALSE;
    ExecuteCommand(LOWORD(wParam));
    return TRUE;
}

void CMainFrame::OnInitMenuPopup(HMENU hMenu, BOOL bSysMenu) {
    if (bSysMenu) return;
    int nCount = GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        UINT nID = GetMenuItemID(hMenu, i);
        if (nID == 0 || nID == static_cast<UINT>(-1)) continue; // a separator or a submenu
        CCmdState state = QueryCmdState(static_cast<int>(nID));
        // In context-help mode every item can be chosen: choosing it explains it.
        BOOL bEnabled = state.bEnabled || m_contextHelp.IsActive();
        EnableMenuItem(hMenu, static_cast<UINT>(i),
                       MF_BYPOSITION | (bEnabled ? MF_ENABLED : MF_GRAYED));
        if (state.bCheckSet)
            CheckMenuItem(hMenu, static_cast<UINT>(i),
                          MF_BYPOSITION | (state.nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CMainFrame::OnMenuSelectMsg(UINT nItemID, UINT nFlags, HMENU hMenu) {
    if (nFlags == 0xFFFF && hMenu == nullptr) {
        SetIdleMessage(); // the menu closed
        return;
    }
    if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)) != 0) {
        SetMessageText(std::string());
        return;
    }
    if ((nFlags & MF_SYSMENU) != 0) {
        int nPromptID = PromptIdOfSystemCommand(nItemID);
        SetMessageText(nPromptID != 0 ? GetMessageString(nPromptID) : std::string());
        return;
    }
    CFrameWnd::OnMenuSelect(static_cast<int>(nItemID));
}

LRESULT CMainFrame::OnNotify(NMHDR* pHeader) {
    switch (pHeader->code) {
    case TTN_GETDISPINFOA: {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pHeader);
        m_strTipA = GetToolTipText(static_cast<int>(pHeader->idFrom));
        pInfo->hinst = nullptr;
        pInfo->lpszText = &m_strTipA[0];
        return 0;
    }
    case TTN_GETDISPINFOW: {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pHeader);
        std::string tip = GetToolTipText(static_cast<int>(pHeader->idFrom));
        int nLength = MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, nullptr, 0);
        m_strTipW.assign(static_cast<std::size_t>(nLength > 0 ? nLength : 1), L'\0');
        if (nLength > 0) MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, &m_strTipW[0], nLength);
        pInfo->hinst = nullptr;
        pInfo->lpszText = &m_strTipW[0];
        return 0;
    }
    case TBN_HOTITEMCHANGE: {
        // Fly-by: a button's prompt shows while the pointer rests on it.
        auto* pHot = reinterpret_cast<NMTBHOTITEM*>(pHeader);
        if ((pHot->dwFlags & HICF_LEAVING) != 0 || pHot->idNew == 0) {
            SetIdleMessage();
            return 0;
        }
        // A window over the bar (the help viewer that context help opened) hides the button:
        // it is not lit, as the pointer could never be seen to leave it.
        if (!m_wndToolBar.IsUnderPointer()) return 1;
        CFrameWnd::OnMenuSelect(pHot->idNew);
        return 0;
    }
    default:
        return 0;
    }
}

LRESULT CMainFrame::OnIdleQuery() {
    BOOL bWaiting = HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT)) != 0;
    return static_cast<LRESULT>(GetApp().GetIdlePasses()) * 2 + (bWaiting ? 1 : 0);
}

void CMainFrame::OnEndSession(BOOL bEnding) {
    // The process may be ended at any moment now, and a dialog may still be open on the
    // document: the game is stored as it stands, the document stays as it is.
    if (!bEnding) return;
    if (CDocument* pDoc = GetActiveDocument()) pDoc->OnEndSession();
}
