#include "HelpViewer.h"

namespace {
constexpr int kListId = 1;
constexpr int kTextId = 2;
constexpr int kWidth = 600;
constexpr int kHeight = 440;
constexpr int kListWidth = 190;
constexpr int kMargin = 6;
} // namespace

CHelpViewer::~CHelpViewer() {
    if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
}

BOOL CHelpViewer::Create(HWND hOwner, HINSTANCE hInstance) {
    if (!RegisterClassOnce(hInstance, kClassName, 0, LoadIconA(hInstance, MAKEINTRESOURCEA(128)),
                           LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return FALSE;
    if (CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                        CW_USEDEFAULT, kWidth, kHeight, hOwner, nullptr, hInstance,
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

BOOL CHelpViewer::Show(HWND hOwner, HINSTANCE hInstance, const CHelpFile& file,
                       const CHelpTopic* pTopic) {
    if (m_hWnd == nullptr && !Create(hOwner, hInstance)) return FALSE;
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

LRESULT CHelpViewer::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_SETFOCUS:
        if (m_hList != nullptr) SetFocus(m_hList);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
            ShowTopic(static_cast<int>(SendMessageA(m_hList, LB_GETCURSEL, 0, 0)));
            return 0;
        }
        break;
    case WM_NCDESTROY:
        m_hList = m_hText = nullptr;
        break;
    default:
        break;
    }
    return Default(uMsg, wParam, lParam);
}
