#include "HelpViewer.h"

#include "WindowPlace.h"

namespace {
constexpr int kListId = 1;
constexpr int kTextId = 2;
constexpr int kWidth = 600;
constexpr int kHeight = 440;
constexpr int kListWidth = 190;
constexpr int kMargin = 6;

CRect ToCRect(const RECT& rc) {
    return CRect(rc.left, rc.top, rc.right, rc.bottom);
}

// The work area of the monitor nearest to the rectangle.
CRect WorkAreaNear(const CRect& rc) {
    RECT rcWin = {rc.left, rc.top, rc.right, rc.bottom};
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(MonitorFromRect(&rcWin, MONITOR_DEFAULTTONEAREST), &info))
        return ToCRect(info.rcWork);
    return CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

// The scroll request of a key in the text; -1 for a key that does not scroll it. Home and End
// go to the ends of the text, with Ctrl or without.
int ScrollCodeOf(WPARAM nKey) {
    switch (nKey) {
    case VK_UP:
        return SB_LINEUP;
    case VK_DOWN:
        return SB_LINEDOWN;
    case VK_PRIOR:
        return SB_PAGEUP;
    case VK_NEXT:
        return SB_PAGEDOWN;
    case VK_HOME:
        return SB_TOP;
    case VK_END:
        return SB_BOTTOM;
    default:
        return -1;
    }
}
} // namespace

CHelpViewer::~CHelpViewer() {
    if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
}

CRect CHelpViewer::InitialPlace(HWND hOwner) const {
    CRect rc;
    if (ParseWindowPlace(m_pProfile->ReadProfileText(kProfileSection, kProfileKey), rc))
        return FitIntoWorkArea(rc, WorkAreaNear(rc));
    RECT rcOwner;
    if (!GetWindowRect(hOwner, &rcOwner)) rcOwner = RECT{0, 0, 0, 0};
    CRect rcMain = ToCRect(rcOwner);
    return PlaceBeside(rcMain, kWidth, kHeight, WorkAreaNear(rcMain));
}

BOOL CHelpViewer::Create(HWND hOwner, HINSTANCE hInstance, int nIconId) {
    if (!RegisterClassOnce(hInstance, kClassName, 0, nIconId,
                           LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return FALSE;
    CRect rc = InitialPlace(hOwner);
    if (CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rc.left,
                        rc.top, rc.Width(), rc.Height(), hOwner, nullptr, hInstance,
                        this) == nullptr)
        return FALSE;
    m_hList = CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
        0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), hInstance, nullptr);
    m_hText =
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                            ES_READONLY | ES_AUTOVSCROLL,
                        0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)),
                        hInstance, nullptr);
    if (m_hList == nullptr || m_hText == nullptr) {
        DestroyWindow(m_hWnd);
        return FALSE;
    }
    auto hFont = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(m_hList, WM_SETFONT, hFont, FALSE);
    SendMessageA(m_hText, WM_SETFONT, hFont, FALSE);
    Layout();
    return TRUE;
}

BOOL CHelpViewer::Show(HWND hOwner, HINSTANCE hInstance, int nIconId, IShellServices& profile,
                       const CHelpFile& file, const CHelpTopic* pTopic) {
    m_pProfile = &profile;
    if (m_hWnd == nullptr && !Create(hOwner, hInstance, nIconId)) return FALSE;
    m_file = file;
    SendMessageA(m_hList, LB_RESETCONTENT, 0, 0);
    int nSelect = 0;
    const auto& topics = m_file.GetTopics();
    for (std::size_t i = 0; i < topics.size(); ++i) {
        SendMessageA(m_hList, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(topics[i].m_strTitle.c_str()));
        if (pTopic != nullptr && topics[i].m_strKey == pTopic->m_strKey)
            nSelect = static_cast<int>(i);
    }
    ShowTopic(nSelect);
    if (IsIconic(m_hWnd)) ShowWindow(m_hWnd, SW_RESTORE);
    ShowWindow(m_hWnd, SW_SHOW);
    SetForegroundWindow(m_hWnd);
    SetFocus(m_hList);
    return TRUE;
}

BOOL CHelpViewer::PreTranslateMessage(const MSG& msg) {
    if (m_hWnd == nullptr || msg.message != WM_KEYDOWN) return FALSE;
    if (msg.hwnd != m_hWnd && !IsChild(m_hWnd, msg.hwnd)) return FALSE;
    if (msg.wParam == VK_ESCAPE) {
        SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return TRUE;
    }
    if (msg.wParam == VK_TAB) {
        SetFocus(msg.hwnd == m_hList ? m_hText : m_hList);
        return TRUE;
    }
    int nScroll = msg.hwnd == m_hText ? ScrollCodeOf(msg.wParam) : -1;
    if (nScroll < 0) return FALSE;
    SendMessageA(m_hText, WM_VSCROLL, MAKEWPARAM(nScroll, 0), 0);
    return TRUE;
}

void CHelpViewer::ShowTopic(int nIndex) {
    const auto& topics = m_file.GetTopics();
    if (nIndex < 0 || nIndex >= static_cast<int>(topics.size())) return;
    const CHelpTopic& topic = topics[static_cast<std::size_t>(nIndex)];
    SendMessageA(m_hList, LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    SetWindowTextA(m_hText, FormatTopicText(topic).c_str());
    SetWindowTextA(m_hWnd, (std::string(kTitle) + " - " + topic.m_strTitle).c_str());
}

void CHelpViewer::Layout() {
    RECT rc;
    if (m_hList == nullptr || !GetClientRect(m_hWnd, &rc)) return;
    int cy = rc.bottom - 2 * kMargin;
    MoveWindow(m_hList, kMargin, kMargin, kListWidth, cy > 0 ? cy : 0, TRUE);
    int x = 2 * kMargin + kListWidth;
    int cx = rc.right - x - kMargin;
    MoveWindow(m_hText, x, kMargin, cx > 0 ? cx : 0, cy > 0 ? cy : 0, TRUE);
}

void CHelpViewer::RememberPlace() {
    RECT rc;
    if (IsIconic(m_hWnd) || IsZoomed(m_hWnd) || !GetWindowRect(m_hWnd, &rc)) return;
    m_rcPlace = ToCRect(rc);
}

LRESULT CHelpViewer::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_SIZE:
        Layout();
        RememberPlace();
        return 0;
    case WM_MOVE:
        RememberPlace();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND hFocus = GetFocus();
            if (hFocus == m_hList || hFocus == m_hText) m_hFocus = hFocus;
        }
        break;
    case WM_SETFOCUS:
        if (m_hList != nullptr) SetFocus(m_hFocus != nullptr ? m_hFocus : m_hList);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
            ShowTopic(static_cast<int>(SendMessageA(m_hList, LB_GETCURSEL, 0, 0)));
            return 0;
        }
        break;
    case WM_DESTROY:
        if (m_pProfile != nullptr && !m_rcPlace.IsRectEmpty())
            m_pProfile->WriteProfileText(kProfileSection, kProfileKey,
                                         FormatWindowPlace(m_rcPlace));
        break;
    case WM_NCDESTROY:
        m_hList = m_hText = m_hFocus = nullptr;
        break;
    default:
        break;
    }
    return Default(uMsg, wParam, lParam);
}
