#include "ViewWnd.h"

#include "SystemProcs.h"
#include "View.h"
#include "Win32Accessible.h"
#include "Win32DrawContext.h"
#include "Win32Platform.h"

namespace {
// The control id of the frame's one pane.
constexpr int kViewControlId = 0xE900;

// Signed: while the view holds the capture the pointer may be left of or above it.
CPoint PointOf(LPARAM lParam) {
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

unsigned KeyFlags(LPARAM lParam) {
    unsigned nFlags = HIWORD(lParam);
    if (GetKeyState(VK_SHIFT) < 0) nFlags |= kKeyFlagShift;
    if (GetKeyState(VK_CONTROL) < 0) nFlags |= kKeyFlagControl;
    return nFlags;
}
} // namespace

BOOL CViewWnd::Create(HWND hParent, HINSTANCE hInstance, CView* pView) {
    m_pView = pView;
    if (!RegisterClassOnce(hInstance, kClassName, CS_DBLCLKS, 0,
                           LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return FALSE;
    HWND hWnd = CreateWindowExA(
        WS_EX_CLIENTEDGE, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
        hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kViewControlId)), hInstance, this);
    return hWnd != nullptr;
}

LRESULT CViewWnd::OnGetObject(WPARAM wParam, LPARAM lParam) {
    IAccessibleView* pAccessible = m_pView->GetAccessible();
    // Compared as a DWORD: on 64-bit systems the id comes sign-extended.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || pAccessible == nullptr)
        return Default(WM_GETOBJECT, wParam, lParam);
    if (m_pAccessible == nullptr) m_pAccessible = new CAccessibleClient(m_hWnd, pAccessible);
    const LRESULT lResult = AccessibleResult(__uuidof(IAccessible), wParam, m_pAccessible);
    return lResult > 0 ? lResult : Default(WM_GETOBJECT, wParam, lParam);
}

void CViewWnd::ReleaseAccessible() {
    if (m_pAccessible == nullptr) return;
    m_pAccessible->Disconnect();
    m_pAccessible->Release();
    m_pAccessible = nullptr;
}

void CViewWnd::OnPaint() {
    CWin32PaintDC dc(m_hWnd);
    m_pView->OnDraw(dc);
}

LRESULT CViewWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // Readers still holding the object are told from now on that the table is gone.
    if (uMsg == WM_DESTROY) ReleaseAccessible();
    // A view without its document (the program is closing) paints and handles nothing.
    if (m_pView == nullptr || m_pView->GetDocument() == nullptr)
        return Default(uMsg, wParam, lParam);
    auto nFlags = static_cast<unsigned>(wParam);
    switch (uMsg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return m_pView->OnEraseBkgnd() ? TRUE : Default(uMsg, wParam, lParam);
    case WM_LBUTTONDOWN:
        m_pView->OnLButtonDown(nFlags, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        m_pView->OnLButtonUp(nFlags, PointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        m_pView->OnLButtonDblClk(nFlags, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        m_pView->OnMouseMove(nFlags, PointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        m_pView->OnRButtonDown(nFlags, PointOf(lParam));
        return 0;
    case WM_RBUTTONUP:
        m_pView->OnRButtonUp(nFlags, PointOf(lParam));
        return 0;
    case WM_RBUTTONDBLCLK:
        m_pView->OnRButtonDblClk(nFlags, PointOf(lParam));
        return 0;
    case WM_KEYDOWN:
        m_pView->OnKeyDown(static_cast<unsigned>(wParam), LOWORD(lParam), KeyFlags(lParam));
        return 0;
    case WM_SETFOCUS:
        m_pView->OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        m_pView->OnKillFocus();
        return 0;
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);

    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == m_hWnd &&
            m_pView->OnSetCursor(static_cast<short>(LOWORD(lParam)), HIWORD(lParam)))
            return TRUE;
        return Default(uMsg, wParam, lParam);
    case WM_CAPTURECHANGED:
        m_pView->OnCaptureChanged(CWin32Platform::FromHwnd(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_CANCELMODE:
        m_pView->OnCancelMode();
        return Default(uMsg, wParam, lParam);
    case WM_MOUSEACTIVATE:
        // A click on the table gives it the keyboard, as a click on any pane does.
        SetFocus(m_hWnd);
        return MA_ACTIVATE;
    default:
        return Default(uMsg, wParam, lParam);
    }
}
