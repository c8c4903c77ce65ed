#include "ToolBar.h"

#include "FrameWnd.h"
#include "SystemProcs.h"

namespace {
constexpr WORD kToolBarResourceType = 241;
} // namespace

CToolBar::~CToolBar() {
    if (m_hbmButtons != nullptr) DeleteObject(m_hbmButtons);
}

BOOL CToolBar::Create(HWND hParent, int nID, HINSTANCE hInstance) {
    m_hInstance = hInstance;
    m_hWnd = CreateWindowExA(
        0, TOOLBARCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER, 0, 0, 0,
        0, hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), hInstance, nullptr);
    if (m_hWnd == nullptr) return FALSE;
    SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
}

BOOL CToolBar::ReadLayout(HINSTANCE hInstance, int nIDResource, CToolBarLayout& layout) {
    HRSRC hInfo = FindResourceA(hInstance, MAKEINTRESOURCEA(nIDResource),
                                MAKEINTRESOURCEA(kToolBarResourceType));
    if (hInfo == nullptr) return FALSE;
    HGLOBAL hData = LoadResource(hInstance, hInfo);
    DWORD cbData = SizeofResource(hInstance, hInfo);
    const auto* pWords = static_cast<const WORD*>(hData != nullptr ? LockResource(hData) : nullptr);
    if (pWords == nullptr || cbData < 4 * sizeof(WORD) || pWords[0] != 1) return FALSE;
    WORD nCount = pWords[3];
    if (cbData < (4u + nCount) * sizeof(WORD)) return FALSE;
    layout.nWidth = pWords[1];
    layout.nHeight = pWords[2];
    layout.items.assign(pWords + 4, pWords + 4 + nCount);
    return layout.nWidth > 0 && layout.nHeight > 0;
}

BOOL CToolBar::LoadToolBar(int nIDResource) {
    if (!ReadLayout(m_hInstance, nIDResource, m_layout)) return FALSE;
    // The images' light grey, black, dark grey and white take the system's button colours.
    m_hbmButtons = ControlsMappedBitmap(m_hInstance, nIDResource);
    if (m_hbmButtons == nullptr) return FALSE;
    BITMAP bm = {};
    if (GetObjectA(m_hbmButtons, sizeof(bm), &bm) == 0) return FALSE;
    SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELONG(m_layout.nWidth, m_layout.nHeight));
    TBADDBITMAP addBitmap = {nullptr, reinterpret_cast<UINT_PTR>(m_hbmButtons)};
    if (SendMessageA(m_hWnd, TB_ADDBITMAP, bm.bmWidth / m_layout.nWidth,
                     reinterpret_cast<LPARAM>(&addBitmap)) < 0)
        return FALSE;
    std::vector<TBBUTTON> buttons;
    int nImage = 0;
    for (int nID : m_layout.items) {
        TBBUTTON button = {};
        if (nID == 0) {
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = nImage++;
            button.idCommand = nID;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        buttons.push_back(button);
    }
    if (!SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(),
                      reinterpret_cast<LPARAM>(buttons.data())))
        return FALSE;
    AutoSize();
    return TRUE;
}

void CToolBar::UpdateButtons(CFrameWnd& frame) {
    for (int nID : m_layout.items) {
        if (nID == 0) continue;
        CCmdState state = frame.QueryCmdState(nID);
        // Only a change is sent, so idle passes cost no repaints.
        BOOL bEnabled = SendMessageA(m_hWnd, TB_ISBUTTONENABLED, nID, 0) != 0;
        if (bEnabled != state.bEnabled)
            SendMessageA(m_hWnd, TB_ENABLEBUTTON, nID, MAKELONG(state.bEnabled, 0));
        if (state.bCheckSet) {
            BOOL bChecked = SendMessageA(m_hWnd, TB_ISBUTTONCHECKED, nID, 0) != 0;
            if (bChecked != (state.nCheck != 0))
                SendMessageA(m_hWnd, TB_CHECKBUTTON, nID, MAKELONG(state.nCheck != 0, 0));
        }
    }
}

void CToolBar::AutoSize() {
    if (m_hWnd != nullptr) SendMessageA(m_hWnd, TB_AUTOSIZE, 0, 0);
}

void CToolBar::ClearHotItem() {
    if (m_hWnd != nullptr) SendMessageA(m_hWnd, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
}

BOOL CToolBar::IsUnderPointer() const {
    POINT pt;
    return m_hWnd != nullptr && GetCursorPos(&pt) && WindowFromPoint(pt) == m_hWnd;
}

int CToolBar::GetHeight() const {
    RECT rc;
    if (m_hWnd == nullptr || !IsWindowVisible(m_hWnd) || !GetWindowRect(m_hWnd, &rc)) return 0;
    return rc.bottom - rc.top + kBorderHeight;
}

void CToolBar::DrawBorder(HDC hdc, int nWidth) const {
    int nHeight = GetHeight();
    if (nHeight == 0) return;
    RECT rc = {0, nHeight - kBorderHeight, nWidth, nHeight};
    // A line that fails to draw leaves the window's background: nothing more to do.
    DrawEdge(hdc, &rc, EDGE_ETCHED, BF_BOTTOM);
}
