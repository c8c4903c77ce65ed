// A drawing context on an RGB raster, so tests can check what was painted where.
#pragma once

#include "Platform.h"
#include "RgbImage.h"

#include <functional>
#include <vector>

struct CBlitRecord {
    PlatformHandle hBitmap;
    int x, y, cx, cy;
};

// Resolves a bitmap handle to its pixels (null for an unknown or empty handle).
using BitmapResolver = std::function<const CRgbImage*(PlatformHandle)>;

class CHeadlessDrawContext : public IDrawContext {
public:
    CHeadlessDrawContext(CRgbImage& canvas, BitmapResolver resolve, CRect rcClip,
                         std::vector<CBlitRecord>* pBlits)
        : m_canvas(canvas), m_resolve(std::move(resolve)), m_rcClip(rcClip), m_pBlits(pBlits) {}

    void FillPattern(const CRect& rc, const CBitmap& pattern) override;
    void FillSolid(const CRect& rc, CRgb color) override;
    void BlitBitmap(const CBitmap& bm, int x, int y, int cx, int cy) override;
    void InvertRect(const CRect& rc) override;
    // Every other pixel of the edges inverted, as the system's dotted frame.
    void DrawFocusRect(const CRect& rc) override;
    CRect GetClipBox() const override { return m_rcClip; }

private:
    template <class F> void ForEachPixel(const CRect& rc, F f);

    CRgbImage& m_canvas;
    BitmapResolver m_resolve;
    CRect m_rcClip;
    std::vector<CBlitRecord>* m_pBlits;
};
