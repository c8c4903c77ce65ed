#include "WindowPlace.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {
// Window coordinates are 16-bit numbers to the system: anything beyond is no place of ours.
constexpr long kMaxCoordinate = 32767;

// Reads a decimal number after any blanks and moves past it; false where none is, or where it
// is beyond the system's coordinates.
bool ReadCoordinate(const char*& p, int& n) {
    char* pEnd = nullptr;
    errno = 0;
    long value = std::strtol(p, &pEnd, 10);
    if (pEnd == p || errno == ERANGE || std::labs(value) > kMaxCoordinate) return false;
    n = static_cast<int>(value);
    p = pEnd;
    return true;
}
} // namespace

CRect FitIntoWorkArea(const CRect& rc, const CRect& rcWork) {
    int cx = std::min(rc.Width(), rcWork.Width());
    int cy = std::min(rc.Height(), rcWork.Height());
    int x = std::max(rcWork.left, std::min(rc.left, rcWork.right - cx));
    int y = std::max(rcWork.top, std::min(rc.top, rcWork.bottom - cy));
    return CRect(x, y, x + cx, y + cy);
}

CRect PlaceBeside(const CRect& rcMain, int cx, int cy, const CRect& rcWork) {
    int nRoomRight = rcWork.right - rcMain.right;
    int nRoomLeft = rcMain.left - rcWork.left;
    int x = rcMain.right;
    if (nRoomRight < cx)
        x = nRoomLeft >= cx || nRoomLeft > nRoomRight ? rcMain.left - cx : rcWork.right - cx;
    return FitIntoWorkArea(CRect(x, rcMain.top, x + cx, rcMain.top + cy), rcWork);
}

std::string FormatWindowPlace(const CRect& rc) {
    return std::to_string(rc.left) + ' ' + std::to_string(rc.top) + ' ' +
           std::to_string(rc.Width()) + ' ' + std::to_string(rc.Height());
}

bool ParseWindowPlace(const std::string& text, CRect& rc) {
    const char* p = text.c_str();
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    if (!ReadCoordinate(p, x) || !ReadCoordinate(p, y) || !ReadCoordinate(p, cx) ||
        !ReadCoordinate(p, cy) || cx <= 0 || cy <= 0)
        return false;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    // Anything after the four numbers, a nul among them included, makes it no place of ours.
    if (p != text.c_str() + text.size()) return false;
    rc = CRect(x, y, x + cx, y + cy);
    return true;
}
