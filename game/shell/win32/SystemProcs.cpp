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

void AcceptDroppedFiles(HWND hWnd) {
    // A window already gone takes no drops: the style then fails to change, and nothing is lost.
    SetWindowLongPtrA(hWnd, GWL_EXSTYLE, GetWindowLongPtrA(hWnd, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
}
