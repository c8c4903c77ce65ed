#include "StatusBar.h"

#include "FrameworkIds.h"

CStatusBar* g_pStatusBar = nullptr;

namespace {
int VirtKeyOf(int nIndicator) {
    switch (nIndicator) {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

std::string LoadResourceString(HINSTANCE hInstance, int nID) {
    char buffer[256] = {};
    int nLength = LoadStringA(hInstance, static_cast<UINT>(nID), buffer, sizeof(buffer));
    return std::string(buffer, static_cast<std::size_t>(nLength > 0 ? nLength : 0));
}
} // namespace

BOOL CStatusBar::Create(HWND hParent, int nID, HINSTANCE hInstance) {
    m_hWnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                             0, 0, hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)),
                             hInstance, nullptr);
    return m_hWnd != nullptr;
}

BOOL CStatusBar::SetIndicators(const std::vector<int>& indicatorIds, HINSTANCE hInstance) {
    HDC hDC = GetDC(m_hWnd);
    if (hDC == nullptr) return FALSE;
    HGDIOBJ hOldFont =
        SelectObject(hDC, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    m_indicators.clear();
    BOOL bOk = TRUE;
    for (int nID : indicatorIds) {
        std::string text = LoadResourceString(hInstance, nID);
        SIZE size = {0, 0};
        if (text.empty() ||
            !GetTextExtentPoint32A(hDC, text.c_str(), static_cast<int>(text.size()), &size))
            bOk = FALSE;
        // Room for the text and the pane's sunken border on both sides.
        m_indicators.push_back(CIndicator{nID, VirtKeyOf(nID), text, size.cx + 12});
    }
    if (hOldFont != nullptr) SelectObject(hDC, hOldFont);
    ReleaseDC(m_hWnd, hDC);
    RecalcPanes();
    return bOk;
}

void CStatusBar::RecalcPanes() {
    RECT rc;
    if (m_hWnd == nullptr || !GetClientRect(m_hWnd, &rc)) return;
    std::vector<int> edges(m_indicators.size() + 1);
    // The size grip takes the bar's height at its right end.
    int nRight = rc.right - (rc.bottom - rc.top);
    for (std::size_t i = m_indicators.size(); i > 0; --i) {
        edges[i] = nRight;
        nRight -= m_indicators[i - 1].nWidth;
    }
    edges[0] = nRight > 0 ? nRight : 0;
    if (!edges.empty()) edges.back() = -1;
    SendMessageA(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::SetPaneText(int nIndex, const std::string& text, BOOL bUpdate) {
    if (m_hWnd == nullptr) return;
    WPARAM nStyle = nIndex == 0 ? SBT_NOBORDERS : 0;
    SendMessageA(m_hWnd, SB_SETTEXTA, static_cast<WPARAM>(nIndex) | nStyle,
                 reinterpret_cast<LPARAM>(text.c_str()));
    if (bUpdate) UpdateWindow(m_hWnd);
}

std::string CStatusBar::GetPaneText(int nIndex) const {
    if (m_hWnd == nullptr) return std::string();
    LRESULT nInfo = SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, static_cast<WPARAM>(nIndex), 0);
    std::string text(static_cast<std::size_t>(LOWORD(nInfo)) + 1, '\0');
    SendMessageA(m_hWnd, SB_GETTEXTA, static_cast<WPARAM>(nIndex),
                 reinterpret_cast<LPARAM>(&text[0]));
    text.resize(LOWORD(nInfo));
    return text;
}

void CStatusBar::UpdateIndicators() {
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        const CIndicator& indicator = m_indicators[i];
        BOOL bOn = indicator.nVirtKey != 0 && (GetKeyState(indicator.nVirtKey) & 1) != 0;
        std::string wanted = bOn ? indicator.strText : std::string();
        int nPane = static_cast<int>(i) + 1;
        // Only a change is written, so idle passes cost no repaints.
        if (GetPaneText(nPane) != wanted) SetPaneText(nPane, wanted, FALSE);
    }
}

int CStatusBar::GetHeight() const {
    RECT rc;
    if (m_hWnd == nullptr || !GetWindowRect(m_hWnd, &rc)) return 0;
    return rc.bottom - rc.top;
}
