#include "SystemProcs.h"

#include <string>

namespace {
// Kept loaded for the life of the process, as an imported library would be. Only the system
// folder is searched: a library of the same name beside the program is never taken.
FARPROC FindProc(const char* pszLibrary, const char* pszName) {
    HMODULE hModule = GetModuleHandleA(pszLibrary);
    if (hModule == nullptr) {
        char folder[MAX_PATH] = {};
        UINT nLength = GetSystemDirectoryA(folder, MAX_PATH);
        if (nLength == 0 || nLength >= MAX_PATH) return nullptr;
        hModule = LoadLibraryA((std::string(folder) + "\\" + pszLibrary).c_str());
    }
    return hModule != nullptr ? GetProcAddress(hModule, pszName) : nullptr;
}

template <class F> F Proc(const char* pszLibrary, const char* pszName) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(FindProc(pszLibrary, pszName)));
}
} // namespace

BOOL ShellGetOpenFileName(OPENFILENAMEA* pofn) {
    static const auto pfn = Proc<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    return pfn != nullptr && pfn(pofn);
}

BOOL ShellGetSaveFileName(OPENFILENAMEA* pofn) {
    static const auto pfn = Proc<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    return pfn != nullptr && pfn(pofn);
}

UINT ShellDragQueryFile(HDROP hDrop, UINT nFile, char* pszFile, UINT cch) {
    static const auto pfn = Proc<decltype(&DragQueryFileA)>("shell32.dll", "DragQueryFileA");
    return pfn != nullptr ? pfn(hDrop, nFile, pszFile, cch) : 0;
}

void ShellDragFinish(HDROP hDrop) {
    static const auto pfn = Proc<decltype(&DragFinish)>("shell32.dll", "DragFinish");
    if (pfn != nullptr) pfn(hDrop);
}

HRESULT ShellGetFolderPath(int nFolder, char* pszPath) {
    static const auto pfn = Proc<decltype(&SHGetFolderPathA)>("shell32.dll", "SHGetFolderPathA");
    if (pfn == nullptr) return E_FAIL;
    return pfn(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, pszPath);
}

BOOL MediaPlaySound(const char* pszSound, HMODULE hModule, DWORD nFlags) {
    static const auto pfn = Proc<decltype(&PlaySoundA)>("winmm.dll", "PlaySoundA");
    return pfn != nullptr && pfn(pszSound, hModule, nFlags);
}

UINT MediaWaveOutDevices() {
    static const auto pfn = Proc<decltype(&waveOutGetNumDevs)>("winmm.dll", "waveOutGetNumDevs");
    return pfn != nullptr ? pfn() : 0;
}

MMRESULT MediaBeginPeriod(UINT nPeriod) {
    static const auto pfn = Proc<decltype(&timeBeginPeriod)>("winmm.dll", "timeBeginPeriod");
    return pfn != nullptr ? pfn(nPeriod) : TIMERR_NOCANDO;
}

MMRESULT MediaEndPeriod(UINT nPeriod) {
    static const auto pfn = Proc<decltype(&timeEndPeriod)>("winmm.dll", "timeEndPeriod");
    return pfn != nullptr ? pfn(nPeriod) : TIMERR_NOCANDO;
}

BOOL ControlsInit(DWORD nClasses) {
    static const auto pfn =
        Proc<decltype(&InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX icc = {sizeof(icc), nClasses};
    return pfn != nullptr && pfn(&icc);
}

HBITMAP ControlsMappedBitmap(HINSTANCE hInstance, int nIDBitmap) {
    static const auto pfn =
        Proc<decltype(&CreateMappedBitmap)>("comctl32.dll", "CreateMappedBitmap");
    return pfn != nullptr ? pfn(hInstance, nIDBitmap, 0, nullptr, 0) : nullptr;
}

HIMAGELIST ControlsImageListCreate(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    static const auto pfn = Proc<decltype(&ImageList_Create)>("comctl32.dll", "ImageList_Create");
    return pfn != nullptr ? pfn(cx, cy, nFlags, nInitial, nGrow) : nullptr;
}

int ControlsImageListAdd(HIMAGELIST hList, HBITMAP hImage) {
    static const auto pfn = Proc<decltype(&ImageList_Add)>("comctl32.dll", "ImageList_Add");
    return pfn != nullptr ? pfn(hList, hImage, nullptr) : -1;
}

BOOL ControlsImageListReplace(HIMAGELIST hList, int nImage, HBITMAP hImage) {
    static const auto pfn = Proc<decltype(&ImageList_Replace)>("comctl32.dll", "ImageList_Replace");
    return pfn != nullptr && pfn(hList, nImage, hImage, nullptr);
}

BOOL ControlsBeginDrag(HIMAGELIST hList, int nImage, int xHotspot, int yHotspot) {
    static const auto pfn =
        Proc<decltype(&ImageList_BeginDrag)>("comctl32.dll", "ImageList_BeginDrag");
    return pfn != nullptr && pfn(hList, nImage, xHotspot, yHotspot);
}

BOOL ControlsDragEnter(HWND hWndLock, int x, int y) {
    static const auto pfn =
        Proc<decltype(&ImageList_DragEnter)>("comctl32.dll", "ImageList_DragEnter");
    return pfn != nullptr && pfn(hWndLock, x, y);
}

BOOL ControlsDragMove(int x, int y) {
    static const auto pfn =
        Proc<decltype(&ImageList_DragMove)>("comctl32.dll", "ImageList_DragMove");
    return pfn != nullptr && pfn(x, y);
}

BOOL ControlsDragLeave(HWND hWndLock) {
    static const auto pfn =
        Proc<decltype(&ImageList_DragLeave)>("comctl32.dll", "ImageList_DragLeave");
    return pfn != nullptr && pfn(hWndLock);
}

void ControlsEndDrag() {
    static const auto pfn = Proc<decltype(&ImageList_EndDrag)>("comctl32.dll", "ImageList_EndDrag");
    if (pfn != nullptr) pfn();
}

BOOL ControlsDragShow(BOOL bShow) {
    static const auto pfn =
        Proc<decltype(&ImageList_DragShowNolock)>("comctl32.dll", "ImageList_DragShowNolock");
    return pfn != nullptr && pfn(bShow);
}

LRESULT AccessibleResult(REFIID riid, WPARAM wParam, IUnknown* pObject) {
    static const auto pfnInit = Proc<decltype(&CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    // Joined once for the life of the thread; a thread already in an apartment keeps it.
    static const bool bJoined =
        pfnInit != nullptr && SUCCEEDED(pfnInit(nullptr, COINIT_APARTMENTTHREADED));
    (void)bJoined;
    static const auto pfn = Proc<decltype(&LresultFromObject)>("oleacc.dll", "LresultFromObject");
    return pfn != nullptr ? pfn(riid, wParam, pObject) : 0;
}

HRESULT AccessibleStandardObject(HWND hWnd, LONG nObjectId, REFIID riid, void** ppObject) {
    static const auto pfn =
        Proc<decltype(&CreateStdAccessibleObject)>("oleacc.dll", "CreateStdAccessibleObject");
    return pfn != nullptr ? pfn(hWnd, nObjectId, riid, ppObject) : E_FAIL;
}

BSTR AutomationAllocString(const wchar_t* pszText) {
    static const auto pfn = Proc<decltype(&SysAllocString)>("oleaut32.dll", "SysAllocString");
    return pfn != nullptr ? pfn(pszText) : nullptr;
}

void AcceptDroppedFiles(HWND hWnd) {
    // A window already gone takes no drops: the style then fails to change, and nothing is lost.
    SetWindowLongPtrA(hWnd, GWL_EXSTYLE, GetWindowLongPtrA(hWnd, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
}
