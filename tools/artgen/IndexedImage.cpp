#include "IndexedImage.h"

#include <cstdlib>

const CVgaRgb kVgaPalette[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                 {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                 {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                 {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

void CIndexedImage::FillRect(int x, int y, int cx, int cy, std::uint8_t c) {
    for (int j = y; j < y + cy; ++j)
        for (int i = x; i < x + cx; ++i)
            Set(i, j, c);
}

void CIndexedImage::Frame(int x, int y, int cx, int cy, std::uint8_t c) {
    FillRect(x, y, cx, 1, c);
    FillRect(x, y + cy - 1, cx, 1, c);
    FillRect(x, y, 1, cy, c);
    FillRect(x + cx - 1, y, 1, cy, c);
}

void CIndexedImage::Line(int x0, int y0, int x1, int y1, std::uint8_t c) {
    int dx = std::abs(x1 - x0);
    int dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1;
    int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Set(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void CIndexedImage::EllipseRim(double cx, double cy, double rx, double ry, std::uint8_t c) {
    auto inside = [&](int x, int y) {
        double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    for (int y = 0; y < m_cy; ++y)
        for (int x = 0; x < m_cx; ++x)
            if (inside(x, y) &&
                (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1)))
                Set(x, y, c);
}

void CIndexedImage::Draw(const CIndexedImage& src, int x, int y) {
    for (int j = 0; j < src.Height(); ++j)
        for (int i = 0; i < src.Width(); ++i)
            if (src.At(i, j) != kClear) Set(x + i, y + j, src.At(i, j));
}

void CIndexedImage::Stamp(const CIndexedImage& src, int x, int y, std::uint8_t c) {
    for (int j = 0; j < src.Height(); ++j)
        for (int i = 0; i < src.Width(); ++i)
            if (src.At(i, j) != kClear) Set(x + i, y + j, c);
}

void CIndexedImage::Replace(std::uint8_t from, std::uint8_t to) {
    for (auto& p : m_pixels)
        if (p == from) p = to;
}

CIndexedImage CIndexedImage::Crop(int x, int y, int cx, int cy) const {
    CIndexedImage out(cx, cy, kClear);
    for (int j = 0; j < cy; ++j)
        for (int i = 0; i < cx; ++i)
            if (Contains(x + i, y + j)) out.Set(i, j, At(x + i, y + j));
    return out;
}

CIndexedImage CIndexedImage::Rotated180() const {
    CIndexedImage out(m_cx, m_cy);
    for (int j = 0; j < m_cy; ++j)
        for (int i = 0; i < m_cx; ++i)
            out.Set(m_cx - 1 - i, m_cy - 1 - j, At(i, j));
    return out;
}

CIndexedImage CIndexedImage::MirroredX() const {
    CIndexedImage out(m_cx, m_cy);
    for (int j = 0; j < m_cy; ++j)
        for (int i = 0; i < m_cx; ++i)
            out.Set(m_cx - 1 - i, j, At(i, j));
    return out;
}
