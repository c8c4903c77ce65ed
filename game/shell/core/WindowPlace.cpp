#include "WindowPlace.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {
// Window coordinates are 16-bit numbers to the system: anything beyond is no place of ours.
constexpr int kMaxCoordinate = 32767;
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
    std::ostringstream text;
    text << rc.left << ' ' << rc.top << ' ' << rc.Width() << ' ' << rc.Height();
    return text.str();
}

bool ParseWindowPlace(const std::string& text, CRect& rc) {
    std::istringstream in(text);
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    if (!(in >> x >> y >> cx >> cy) || cx <= 0 || cy <= 0) return false;
    for (int n : {x, y, cx, cy})
        if (std::abs(n) > kMaxCoordinate) return false;
    std::string rest;
    if (in >> rest) return false;
    rc = CRect(x, y, x + cx, y + cy);
    return true;
}
