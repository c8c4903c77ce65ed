#include "Win32Platform.h"

#include "StatusBar.h"
#include "SystemProcs.h"
#include "Win32DrawContext.h"

#include <ctime>

namespace {
HKEY RootKey(RegRoot root) {
    switch (root) {
    case RegRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    }
    return HKEY_CURRENT_USER;
}

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}
} // namespace

long CWin32Platform::RegCreateKey(RegRoot root, const std::string& subKey, const char* className,
                                  RegKey* pKey) {
    HKEY hKey = nullptr;
    LONG nResult =
        RegCreateKeyExA(RootKey(root), subKey.c_str(), 0, const_cast<char*>(className),
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    *pKey = nResult == ERROR_SUCCESS ? reinterpret_cast<RegKey>(hKey) : 0;
    return nResult;
}

long CWin32Platform::RegQueryValue(RegKey key, const char* name, unsigned* pType, void* pData,
                                   unsigned* pcbData) {
    DWORD nType = 0;
    DWORD cbData = *pcbData;
    LONG nResult =
        RegQueryValueExA(ToHkey(key), name, nullptr, &nType, static_cast<BYTE*>(pData), &cbData);
    if (pType != nullptr) *pType = nType;
    *pcbData = cbData;
    return nResult;
}

long CWin32Platform::RegSetValue(RegKey key, const char* name, unsigned type, const void* pData,
                                 unsigned cbData) {
    return RegSetValueExA(ToHkey(key), name, 0, type, static_cast<const BYTE*>(pData), cbData);
}

long CWin32Platform::RegCloseKey(RegKey key) {
    return ::RegCloseKey(ToHkey(key));
}

BOOL CWin32Platform::PlaySound(int nResourceId, unsigned nFlags) {
    // Without an output device nothing can be heard, yet each sound started and stopped costs
    // milliseconds (a deal flight waits for its stop): the calls are left out.
    if (MediaWaveOutDevices() == 0) return FALSE;
    // The flags are the system's own values; id 0 with flags 0 stops the sound playing.
    const char* pszSound = nResourceId == 0 ? nullptr : MAKEINTRESOURCEA(nResourceId);
    return MediaPlaySound(pszSound, m_hInstance, nFlags);
}

PlatformHandle CWin32Platform::LoadBitmap(int nResourceId, int* pcx, int* pcy) {
    // The resource's own 16-colour bitmap draws the same as one made for the display, which
    // under some systems costs a display context per load (18 ms for the 52 faces under Wine).
    auto hBitmap = static_cast<HBITMAP>(LoadImageA(m_hInstance, MAKEINTRESOURCEA(nResourceId),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hBitmap == nullptr) return 0;
    BITMAP bm = {};
    if (GetObjectA(hBitmap, sizeof(bm), &bm) == 0) {
        DeleteObject(hBitmap);
        return 0;
    }
    *pcx = bm.bmWidth;
    *pcy = bm.bmHeight;
    return reinterpret_cast<PlatformHandle>(hBitmap);
}

void CWin32Platform::DeleteBitmap(PlatformHandle hBitmap) {
    DeleteObject(reinterpret_cast<HBITMAP>(hBitmap));
}

PlatformHandle CWin32Platform::LoadCursor(int nResourceId) {
    return reinterpret_cast<PlatformHandle>(
        LoadCursorA(m_hInstance, MAKEINTRESOURCEA(nResourceId)));
}

PlatformHandle CWin32Platform::LoadArrowCursor() {
    return reinterpret_cast<PlatformHandle>(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
}

void CWin32Platform::SetCursor(PlatformHandle hCursor) {
    ::SetCursor(reinterpret_cast<HCURSOR>(hCursor));
}

PlatformHandle CWin32Platform::GetCursor() {
    return reinterpret_cast<PlatformHandle>(::GetCursor());
}

std::unique_ptr<IDrawContext> CWin32Platform::GetClientDC(WindowRef view) {
    return std::make_unique<CWin32ClientDC>(ToHwnd(view));
}

void CWin32Platform::InvalidateRect(WindowRef view, const CRect* prc, BOOL bErase) {
    if (view == 0) return;
    if (prc == nullptr) {
        ::InvalidateRect(ToHwnd(view), nullptr, bErase);
        return;
    }
    RECT r = {prc->left, prc->top, prc->right, prc->bottom};
    ::InvalidateRect(ToHwnd(view), &r, bErase);
}

void CWin32Platform::PaintNow(WindowRef view) {
    if (view == 0) return;
    // Whether the image could be hidden or not, the paint goes ahead: at worst a trace of
    // the frame stays under the image until the next paint.
    if (m_hDragWnd != nullptr) ControlsDragShow(FALSE);
    UpdateWindow(ToHwnd(view));
    if (m_hDragWnd != nullptr) ControlsDragShow(TRUE);
}

void CWin32Platform::NotifyAccessibleEvent(WindowRef view, EAccessibleEvent event, int nChild) {
    DWORD nEvent = EVENT_OBJECT_FOCUS;
    if (event == EAccessibleEvent::NameChange) nEvent = EVENT_OBJECT_NAMECHANGE;
    if (event == EAccessibleEvent::Selection) nEvent = EVENT_OBJECT_SELECTION;
    NotifyWinEvent(nEvent, ToHwnd(view), OBJID_CLIENT, nChild);
}

void CWin32Platform::SetCapture(WindowRef view) {
    ::SetCapture(ToHwnd(view));
}

void CWin32Platform::ReleaseCapture() {
    ::ReleaseCapture();
}

WindowRef CWin32Platform::GetCapture() {
    return FromHwnd(::GetCapture());
}

std::uint32_t CWin32Platform::GetTimeSeconds() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

std::uint64_t CWin32Platform::GetMicroseconds() {
    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    // Every system since XP has the counter; without it the tick count paces as well, only
    // more coarsely.
    if (!QueryPerformanceCounter(&count) || !QueryPerformanceFrequency(&frequency) ||
        frequency.QuadPart <= 0)
        return std::uint64_t{GetTickCount()} * 1000;
    const std::uint64_t nTicks = static_cast<std::uint64_t>(count.QuadPart);
    const std::uint64_t nPerSecond = static_cast<std::uint64_t>(frequency.QuadPart);
    return nTicks / nPerSecond * 1000000 + nTicks % nPerSecond * 1000000 / nPerSecond;
}

void CWin32Platform::Sleep(unsigned nMilliseconds) {
    ::Sleep(nMilliseconds);
}

void CWin32Platform::BeginTimerPeriod() {
    // Without the finer period a step of a flight lasts a whole scheduler tick; the game is
    // still correct, only slower.
    MediaBeginPeriod(1);
}

void CWin32Platform::EndTimerPeriod() {
    MediaEndPeriod(1);
}

void CWin32Platform::SetStatusText(const std::string& text) {
    if (g_pStatusBar != nullptr) g_pStatusBar->SetPaneText(0, text, TRUE);
}
