#include "HeadlessCanvas.h"

#include <algorithm>

namespace {
CRgb Inverse(CRgb c) {
    return CRgb{static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
                static_cast<std::uint8_t>(255 - c.b)};
}
} // namespace

template <class F> void CHeadlessDrawContext::ForEachPixel(const CRect& rc, F f) {
    int l = std::max({rc.left, m_rcClip.left, 0});
    int t = std::max({rc.top, m_rcClip.top, 0});
    int r = std::min({rc.right, m_rcClip.right, m_canvas.Width()});
    int b = std::min({rc.bottom, m_rcClip.bottom, m_canvas.Height()});
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            f(x, y);
}

void CHeadlessDrawContext::FillPattern(const CRect& rc, const CBitmap& pattern) {
    const CRgbImage* pImage = m_resolve(pattern.GetSafeHandle());
    if (pImage == nullptr || pImage->Width() == 0 || pImage->Height() == 0) return;
    // A pattern brush is aligned to the client origin, whatever the rectangle.
    ForEachPixel(rc, [&](int x, int y) {
        m_canvas.Set(x, y, pImage->At(x % pImage->Width(), y % pImage->Height()));
    });
}

void CHeadlessDrawContext::FillSolid(const CRect& rc, CRgb color) {
    ForEachPixel(rc, [&](int x, int y) { m_canvas.Set(x, y, color); });
}

void CHeadlessDrawContext::BlitBitmap(const CBitmap& bm, int x, int y, int cx, int cy) {
    if (m_pBlits != nullptr) m_pBlits->push_back(CBlitRecord{bm.GetSafeHandle(), x, y, cx, cy});
    const CRgbImage* pImage = m_resolve(bm.GetSafeHandle());
    if (pImage == nullptr) return;
    // Only the part the source bitmap covers is copied.
    CRect rc(x, y, x + std::min(cx, pImage->Width()), y + std::min(cy, pImage->Height()));
    ForEachPixel(rc, [&](int px, int py) { m_canvas.Set(px, py, pImage->At(px - x, py - y)); });
}

void CHeadlessDrawContext::InvertRect(const CRect& rc) {
    ForEachPixel(rc, [&](int x, int y) { m_canvas.Set(x, y, Inverse(m_canvas.At(x, y))); });
}

void CHeadlessDrawContext::DrawFocusRect(const CRect& rc) {
    ForEachPixel(rc, [&](int x, int y) {
        const bool bEdge = x == rc.left || x == rc.right - 1 || y == rc.top || y == rc.bottom - 1;
        if (!bEdge || (x + y) % 2 != 0) return;
        m_canvas.Set(x, y, Inverse(m_canvas.At(x, y)));
    });
}
