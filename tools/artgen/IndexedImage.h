// A picture of palette indices in the 16 standard VGA colours, the form every generated
// bitmap, icon and animation frame takes before it is written out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Colour indices in the order of the Windows 16-colour palette.
enum : std::uint8_t {
    kBlack = 0,
    kMaroon = 1,
    kGreen = 2,
    kOlive = 3,
    kNavy = 4,
    kPurple = 5,
    kTeal = 6,
    kSilver = 7,
    kGrey = 8,
    kRed = 9,
    kLime = 10,
    kYellow = 11,
    kBlue = 12,
    kFuchsia = 13,
    kCyan = 14,
    kWhite = 15,
    kClear = 0xff // a sprite's transparent pixel; never written to a file
};

struct CVgaRgb {
    std::uint8_t r, g, b;
};

extern const CVgaRgb kVgaPalette[16];

class CIndexedImage {
public:
    CIndexedImage() = default;
    CIndexedImage(int cx, int cy, std::uint8_t fill = kWhite)
        : m_cx(cx), m_cy(cy), m_pixels(static_cast<size_t>(cx) * cy, fill) {}

    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_cx && y < m_cy; }
    std::uint8_t At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_cx + x]; }
    // Pixels outside the picture are ignored, so shapes may be drawn partly off the edge.
    void Set(int x, int y, std::uint8_t c) {
        if (Contains(x, y)) m_pixels[static_cast<size_t>(y) * m_cx + x] = c;
    }
    void FillRect(int x, int y, int cx, int cy, std::uint8_t c);
    void Frame(int x, int y, int cx, int cy, std::uint8_t c);
    void Line(int x0, int y0, int x1, int y1, std::uint8_t c);
    // The one-pixel rim of the ellipse centred at (cx, cy) with radii rx and ry.
    void EllipseRim(double cx, double cy, double rx, double ry, std::uint8_t c);
    // Copies src with its top-left at (x, y); kClear pixels of src leave the picture as it is.
    void Draw(const CIndexedImage& src, int x, int y);
    // Draws src's opaque pixels all in one colour (a sprite used as a stencil).
    void Stamp(const CIndexedImage& src, int x, int y, std::uint8_t c);
    void Replace(std::uint8_t from, std::uint8_t to);
    CIndexedImage Crop(int x, int y, int cx, int cy) const;
    CIndexedImage Rotated180() const;
    CIndexedImage MirroredX() const;
    bool operator==(const CIndexedImage& o) const {
        return m_cx == o.m_cx && m_cy == o.m_cy && m_pixels == o.m_pixels;
    }

private:
    int m_cx = 0;
    int m_cy = 0;
    std::vector<std::uint8_t> m_pixels;
};
