#include "SystemLibrary.h"

#include <string>

namespace {

// Kept loaded for the life of the process, as an imported library would be.
HMODULE LoadSystemLibrary(const char* pszLibrary) {
    char szFolder[MAX_PATH] = {};
    UINT nLength = GetSystemDirectoryA(szFolder, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH) return nullptr;
    return LoadLibraryA((std::string(szFolder) + "\\" + pszLibrary).c_str());
}

FARPROC FindProc(const char* pszLibrary, const char* pszName) {
    HMODULE hModule = LoadSystemLibrary(pszLibrary);
    return hModule != nullptr ? GetProcAddress(hModule, pszName) : nullptr;
}

template <class F> F Proc(const char* pszLibrary, const char* pszName) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(FindProc(pszLibrary, pszName)));
}

} // namespace

void RestrictLibrarySearch() {
    // Kernel32 is loaded in every process. Systems before the function's time lack it; there
    // the program's current folder is at least taken out of the search.
    using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
    HMODULE hKernel = GetModuleHandleA("kernel32.dll");
    auto pfnSetDefault =
        hKernel == nullptr
            ? nullptr
            : reinterpret_cast<SetDefaultDllDirectoriesProc>(reinterpret_cast<void (*)()>(
                  GetProcAddress(hKernel, "SetDefaultDllDirectories")));
    // A failure leaves the system's own order: every library is still loaded by full path.
    if (pfnSetDefault == nullptr || !pfnSetDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryA("");
    // Libraries of the system's that import these by name (the animation control's video
    // library imports version.dll) find them loaded already, wherever their loader would have
    // looked: under Wine it looks beside the program. Without them nothing is lost but the
    // version record and the dialogs, which tell on their own.
    LoadSystemLibrary("version.dll");
    LoadSystemLibrary("comctl32.dll");
}

BOOL ControlsInit(DWORD nClasses) {
    static const auto pfn =
        Proc<decltype(&InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX icc = {sizeof(icc), nClasses};
    return pfn != nullptr && pfn(&icc);
}

INT_PTR ControlsPropertySheet(PROPSHEETHEADERA* pHeader) {
    static const auto pfn = Proc<decltype(&PropertySheetA)>("comctl32.dll", "PropertySheetA");
    return pfn != nullptr ? pfn(pHeader) : -1;
}

DWORD VersionInfoSize(const char* pszPath, DWORD* pnHandle) {
    static const auto pfn =
        Proc<decltype(&GetFileVersionInfoSizeA)>("version.dll", "GetFileVersionInfoSizeA");
    return pfn != nullptr ? pfn(pszPath, pnHandle) : 0;
}

BOOL VersionInfo(const char* pszPath, DWORD nHandle, DWORD cbData, void* pData) {
    static const auto pfn =
        Proc<decltype(&GetFileVersionInfoA)>("version.dll", "GetFileVersionInfoA");
    return pfn != nullptr && pfn(pszPath, nHandle, cbData, pData);
}

BOOL VersionQueryValue(const void* pBlock, const char* pszSubBlock, void** ppBuffer,
                       UINT* pcbBuffer) {
    static const auto pfn = Proc<decltype(&VerQueryValueA)>("version.dll", "VerQueryValueA");
    return pfn != nullptr && pfn(pBlock, pszSubBlock, ppBuffer, pcbBuffer);
}
