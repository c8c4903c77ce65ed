// The drag image of the platform services: an image list dragged over a view.
#include "SystemProcs.h"
#include "Win32Platform.h"

namespace {
HIMAGELIST ToImageList(PlatformHandle h) {
    return reinterpret_cast<HIMAGELIST>(h);
}
HBITMAP ToBitmap(const CBitmap& bm) {
    return reinterpret_cast<HBITMAP>(bm.GetSafeHandle());
}
} // namespace

PlatformHandle CWin32Platform::ImageListCreate(int cx, int cy, int nGrow) {
    return reinterpret_cast<PlatformHandle>(ControlsImageListCreate(cx, cy, ILC_COLOR24, 1, nGrow));
}

BOOL CWin32Platform::ImageListAdd(PlatformHandle hList, const CBitmap& bm) {
    return ControlsImageListAdd(ToImageList(hList), ToBitmap(bm)) >= 0;
}

BOOL CWin32Platform::ImageListReplace(PlatformHandle hList, int nImage, const CBitmap& bm) {
    return ControlsImageListReplace(ToImageList(hList), nImage, ToBitmap(bm));
}

BOOL CWin32Platform::BeginDrag(PlatformHandle hList, int nImage, CPoint ptHotspot) {
    return ControlsBeginDrag(ToImageList(hList), nImage, ptHotspot.x, ptHotspot.y);
}

BOOL CWin32Platform::DragEnter(WindowRef view, CPoint pt) {
    // The image list counts from the locked window's outer rectangle, the view from its
    // client origin: the difference is the view's border, whatever its style.
    HWND hWnd = ToHwnd(view);
    RECT rcWindow;
    POINT ptOrigin = {0, 0};
    if (!GetWindowRect(hWnd, &rcWindow) || !ClientToScreen(hWnd, &ptOrigin)) return FALSE;
    m_hDragWnd = hWnd;
    m_ptDragOffset.x = ptOrigin.x - rcWindow.left;
    m_ptDragOffset.y = ptOrigin.y - rcWindow.top;
    return ControlsDragEnter(hWnd, pt.x + m_ptDragOffset.x, pt.y + m_ptDragOffset.y);
}

BOOL CWin32Platform::DragMove(CPoint pt) {
    return ControlsDragMove(pt.x + m_ptDragOffset.x, pt.y + m_ptDragOffset.y);
}

void CWin32Platform::EndDrag() {
    // The image is taken off the window before the drag ends, so no trace of it stays behind.
    if (m_hDragWnd != nullptr) ControlsDragLeave(m_hDragWnd);
    ControlsEndDrag();
    m_hDragWnd = nullptr;
}
