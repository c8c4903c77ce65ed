// Plain value types shared by the game and the platform layer. No platform headers here:
// the names avoid everything <windows.h> defines, so both can be included together.
#pragma once

#include <cstdint>

typedef int BOOL; // flags are 32-bit integers used as booleans
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Opaque handles owned by the platform layer (a window, a bitmap, a cursor, an image list...).
using PlatformHandle = std::uintptr_t;
using WindowRef = std::uintptr_t;

struct CPoint {
    int x = 0;
    int y = 0;
    CPoint() = default;
    CPoint(int nx, int ny) : x(nx), y(ny) {}
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
};

// A rectangle that contains its left and top edges and not its right and bottom edges.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    CRect() = default;
    CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CPoint TopLeft() const { return CPoint(left, top); }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(CPoint pt) const {
        return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
    }
    void SetRectEmpty() { left = top = right = bottom = 0; }
    bool operator==(const CRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }
};

struct CRgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const CRgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const CRgb& o) const { return !(*this == o); }
};

// Sound flags, with the values of the system's sound service.
constexpr unsigned kSndSync = 0x0000;
constexpr unsigned kSndAsync = 0x0001;
constexpr unsigned kSndNoDefault = 0x0002;
constexpr unsigned kSndResource = 0x40004;

// Modal dialog results.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kDialogFailed = -1;

// Settings store.
enum class RegRoot { CurrentUser, LocalMachine, ClassesRoot };
using RegKey = std::uintptr_t;
constexpr long kRegOk = 0;
constexpr long kRegFileNotFound = 2;
constexpr long kRegAccessDenied = 5;
constexpr long kRegInvalidParameter = 87;
constexpr long kRegMoreData = 234;
constexpr unsigned kRegSz = 1;
constexpr unsigned kRegBinary = 3;
