// The platform services on Win32: the registry, sounds and pictures from the program's
// resources, drawing, the drag image, pointer capture, pacing, the status bar and dialogs.
#pragma once

#include "Platform.h"
#include "Win32Api.h"

class CWin32Platform : public IPlatform {
public:
    explicit CWin32Platform(HINSTANCE hInstance) : m_hInstance(hInstance) {}

    HINSTANCE GetInstance() const { return m_hInstance; }
    // Dialogs open centred over this window, which stays disabled while they run.
    void SetMainWindow(HWND hWnd) { m_hMainWnd = hWnd; }
    HWND GetMainWindow() const { return m_hMainWnd; }

    long RegCreateKey(RegRoot root, const std::string& subKey, const char* className,
                      RegKey* pKey) override;
    long RegQueryValue(RegKey key, const char* name, unsigned* pType, void* pData,
                       unsigned* pcbData) override;
    long RegSetValue(RegKey key, const char* name, unsigned type, const void* pData,
                     unsigned cbData) override;
    long RegCloseKey(RegKey key) override;

    BOOL PlaySound(int nResourceId, unsigned nFlags) override;

    PlatformHandle LoadBitmap(int nResourceId, int* pcx, int* pcy) override;
    void DeleteBitmap(PlatformHandle hBitmap) override;
    PlatformHandle LoadCursor(int nResourceId) override;
    PlatformHandle LoadArrowCursor() override;
    void SetCursor(PlatformHandle hCursor) override;
    PlatformHandle GetCursor() override;

    std::unique_ptr<IDrawContext> GetClientDC(WindowRef view) override;
    void InvalidateRect(WindowRef view, const CRect* prc, BOOL bErase) override;
    void PaintNow(WindowRef view) override;

    PlatformHandle ImageListCreate(int cx, int cy, int nGrow) override;
    BOOL ImageListAdd(PlatformHandle hList, const CBitmap& bm) override;
    BOOL ImageListReplace(PlatformHandle hList, int nImage, const CBitmap& bm) override;
    BOOL BeginDrag(PlatformHandle hList, int nImage, CPoint ptHotspot) override;
    BOOL DragEnter(WindowRef view, CPoint pt) override;
    BOOL DragMove(CPoint pt) override;
    void EndDrag() override;

    void SetCapture(WindowRef view) override;
    void ReleaseCapture() override;
    WindowRef GetCapture() override;

    std::uint32_t GetTimeSeconds() override;
    std::uint64_t GetMicroseconds() override;
    void Sleep(unsigned nMilliseconds) override;
    void BeginTimerPeriod() override;
    void EndTimerPeriod() override;

    void SetStatusText(const std::string& text) override;
    int DoModal(CDialog& dlg) override;

    void NotifyAccessibleEvent(WindowRef view, EAccessibleEvent event, int nChild) override;

    static HWND ToHwnd(WindowRef h) { return reinterpret_cast<HWND>(h); }
    static WindowRef FromHwnd(HWND h) { return reinterpret_cast<WindowRef>(h); }

private:
    HINSTANCE m_hInstance;
    HWND m_hMainWnd = nullptr;
    // The drag image is locked to this window; positions there count from its window
    // rectangle, which lies this far from its client origin.
    HWND m_hDragWnd = nullptr;
    POINT m_ptDragOffset = {0, 0};
};
