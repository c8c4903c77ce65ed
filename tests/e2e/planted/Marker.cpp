// A library that someone could put beside a program, named as one of the system's: whenever a
// process loads it, it leaves a file behind, which the scenarios look for: "<its own path>.ran"
// when loaded after the process started, "<its own path>.start.ran" when loaded with the
// process, as an import of the program or of a library it imports.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD nReason, LPVOID pReserved) {
    if (nReason != DLL_PROCESS_ATTACH) return TRUE;
    char szPath[MAX_PATH + 8] = {};
    DWORD nLength = GetModuleFileNameA(hInstance, szPath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH) return TRUE; // no name: no mark, and the test fails
    lstrcatA(szPath, pReserved != nullptr ? ".start.ran" : ".ran");
    HANDLE hFile = CreateFileA(szPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile != INVALID_HANDLE_VALUE) CloseHandle(hFile); // the file's existence is the mark
    return TRUE;
}
