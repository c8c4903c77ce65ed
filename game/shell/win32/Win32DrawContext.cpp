#include "Win32DrawContext.h"

namespace {
RECT ToRect(const CRect& rc) {
    return RECT{rc.left, rc.top, rc.right, rc.bottom};
}
} // namespace

CWin32DrawContext::~CWin32DrawContext() {
    if (m_hMemDC != nullptr) DeleteDC(m_hMemDC);
}

void CWin32DrawContext::FillPattern(const CRect& rc, const CBitmap& pattern) {
    if (m_hDC == nullptr) return;
    HBRUSH hBrush = CreatePatternBrush(reinterpret_cast<HBITMAP>(pattern.GetSafeHandle()));
    if (hBrush == nullptr) return;
    // The pattern starts at the client origin whatever part is filled, so fills of different
    // rectangles join seamlessly.
    POINT ptOld;
    SetBrushOrgEx(m_hDC, 0, 0, &ptOld);
    RECT r = ToRect(rc);
    FillRect(m_hDC, &r, hBrush);
    SetBrushOrgEx(m_hDC, ptOld.x, ptOld.y, nullptr);
    DeleteObject(hBrush);
}

void CWin32DrawContext::FillSolid(const CRect& rc, CRgb color) {
    if (m_hDC == nullptr) return;
    HBRUSH hBrush = CreateSolidBrush(RGB(color.r, color.g, color.b));
    if (hBrush == nullptr) return;
    RECT r = ToRect(rc);
    FillRect(m_hDC, &r, hBrush);
    DeleteObject(hBrush);
}

void CWin32DrawContext::BlitBitmap(const CBitmap& bm, int x, int y, int cx, int cy) {
    if (m_hDC == nullptr || bm.GetSafeHandle() == 0) return;
    if (m_hMemDC == nullptr) m_hMemDC = CreateCompatibleDC(nullptr);
    if (m_hMemDC == nullptr) return;
    HGDIOBJ hOld = SelectObject(m_hMemDC, reinterpret_cast<HBITMAP>(bm.GetSafeHandle()));
    if (hOld == nullptr) return;
    // Only what the bitmap covers is copied (a 60 by 80 marker into an 82-high place leaves
    // the last rows as they were painted). A failed copy leaves the place as it was; the next
    // paint tries again.
    if (bm.GetWidth() > 0 && bm.GetWidth() < cx) cx = bm.GetWidth();
    if (bm.GetHeight() > 0 && bm.GetHeight() < cy) cy = bm.GetHeight();
    BitBlt(m_hDC, x, y, cx, cy, m_hMemDC, 0, 0, SRCCOPY);
    SelectObject(m_hMemDC, hOld);
}

void CWin32DrawContext::InvertRect(const CRect& rc) {
    if (m_hDC == nullptr) return;
    RECT r = ToRect(rc);
    ::InvertRect(m_hDC, &r);
}

void CWin32DrawContext::DrawFocusRect(const CRect& rc) {
    if (m_hDC == nullptr) return;
    RECT r = ToRect(rc);
    // A frame that cannot be drawn only leaves the focus unseen.
    (void)::DrawFocusRect(m_hDC, &r);
}

CRect CWin32DrawContext::GetClipBox() const {
    RECT r = {0, 0, 0, 0};
    if (m_hDC == nullptr || ::GetClipBox(m_hDC, &r) == ERROR) return CRect();
    return CRect(r.left, r.top, r.right, r.bottom);
}

CWin32PaintDC::CWin32PaintDC(HWND hWnd) : CWin32DrawContext(nullptr), m_hWnd(hWnd), m_ps() {
    m_hDC = BeginPaint(hWnd, &m_ps);
}

CWin32PaintDC::~CWin32PaintDC() {
    EndPaint(m_hWnd, &m_ps);
}

CWin32ClientDC::~CWin32ClientDC() {
    if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, m_hDC);
}
