// An RGB raster and a drawing context on it, so tests can check what was painted where.
#pragma once

#include "Platform.h"

#include <functional>
#include <vector>

class CHeadlessImage {
public:
    CHeadlessImage() = default;
    CHeadlessImage(int cx, int cy, CRgb fill = CRgb{})
        : m_cx(cx), m_cy(cy), m_pixels(cx * cy, fill) {}
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_cx && y < m_cy; }
    CRgb At(int x, int y) const { return m_pixels[y * m_cx + x]; }
    void Set(int x, int y, CRgb c) { m_pixels[y * m_cx + x] = c; }
    bool operator==(const CHeadlessImage& o) const {
        return m_cx == o.m_cx && m_cy == o.m_cy && m_pixels == o.m_pixels;
    }
    bool operator!=(const CHeadlessImage& o) const { return !(*this == o); }

private:
    int m_cx = 0;
    int m_cy = 0;
    std::vector<CRgb> m_pixels;
};

struct CBlitRecord {
    PlatformHandle hBitmap;
    int x, y, cx, cy;
};

// Resolves a bitmap handle to its pixels (null for an unknown or empty handle).
using BitmapResolver = std::function<const CHeadlessImage*(PlatformHandle)>;

class CHeadlessDrawContext : public IDrawContext {
public:
    CHeadlessDrawContext(CHeadlessImage& canvas, BitmapResolver resolve, CRect rcClip,
                         std::vector<CBlitRecord>* pBlits)
        : m_canvas(canvas), m_resolve(std::move(resolve)), m_rcClip(rcClip), m_pBlits(pBlits) {}

    void FillPattern(const CRect& rc, const CBitmap& pattern) override;
    void FillSolid(const CRect& rc, CRgb color) override;
    void BlitBitmap(const CBitmap& bm, int x, int y, int cx, int cy) override;
    void InvertRect(const CRect& rc) override;
    CRect GetClipBox() const override { return m_rcClip; }

private:
    template <class F> void ForEachPixel(const CRect& rc, F f);

    CHeadlessImage& m_canvas;
    BitmapResolver m_resolve;
    CRect m_rcClip;
    std::vector<CBlitRecord>* m_pBlits;
};
