// The libraries setup.exe needs besides the system's known ones, loaded by their full path in
// the system folder. A program started from a download folder must never take a library of the
// same name lying beside it: it runs with administrator rights.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Limits the search for libraries loaded later, by the shell, COM or the dialogs, to the system
// folder, and loads the version and common-controls libraries from it. Called first thing in
// WinMain.
void RestrictLibrarySearch();

// FALSE when the library cannot be loaded: the progress dialog is then not shown.
BOOL ControlsInit(DWORD nClasses);
// -1, a wizard that cannot be shown, when the library cannot be loaded.
INT_PTR ControlsPropertySheet(PROPSHEETHEADERA* pHeader);
// 0 or FALSE when the library cannot be loaded: the program has no version record then.
DWORD VersionInfoSize(const char* pszPath, DWORD* pnHandle);
BOOL VersionInfo(const char* pszPath, DWORD nHandle, DWORD cbData, void* pData);
BOOL VersionQueryValue(const void* pBlock, const char* pszSubBlock, void** ppBuffer,
                       UINT* pcbBuffer);
