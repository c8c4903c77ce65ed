// An RGB raster: what a painting on the headless platform, a bitmap file read back or a
// program's bitmap resource decode into.
#pragma once

#include "ShellTypes.h"

#include <cstddef>
#include <vector>

class CRgbImage {
public:
    CRgbImage() = default;
    CRgbImage(int cx, int cy, CRgb fill = CRgb{})
        : m_cx(cx), m_cy(cy), m_pixels(static_cast<std::size_t>(cx) * cy, fill) {}
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_cx && y < m_cy; }
    CRgb At(int x, int y) const { return m_pixels[y * m_cx + x]; }
    void Set(int x, int y, CRgb c) { m_pixels[y * m_cx + x] = c; }
    bool operator==(const CRgbImage& o) const {
        return m_cx == o.m_cx && m_cy == o.m_cy && m_pixels == o.m_pixels;
    }
    bool operator!=(const CRgbImage& o) const { return !(*this == o); }

private:
    int m_cx = 0;
    int m_cy = 0;
    std::vector<CRgb> m_pixels;
};
