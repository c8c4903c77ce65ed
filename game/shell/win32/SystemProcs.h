// The functions of shell32, comdlg32 and winmm the program calls, from libraries loaded the
// first time one of them is called rather than at process start: under some systems loading
// those (and what they import) costs as much as the rest of the start-up, which needs none.
#pragma once

#include "Win32Api.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

// FALSE, as a cancelled dialog, when the library cannot be loaded.
BOOL ShellGetOpenFileName(OPENFILENAMEA* pofn);
BOOL ShellGetSaveFileName(OPENFILENAMEA* pofn);
// 0 files when the library cannot be loaded; the drop is then ignored.
UINT ShellDragQueryFile(HDROP hDrop, UINT nFile, char* pszFile, UINT cch);
void ShellDragFinish(HDROP hDrop);
// E_FAIL when the library cannot be loaded.
HRESULT ShellGetFolderPath(int nFolder, char* pszPath);
// FALSE, as a sound that cannot play, when the library cannot be loaded.
BOOL MediaPlaySound(const char* pszSound, HMODULE hModule, DWORD nFlags);
// 0, as a system without one, when the library cannot be loaded.
UINT MediaWaveOutDevices();
// TIMERR_NOCANDO when the library cannot be loaded.
MMRESULT MediaBeginPeriod(UINT nPeriod);
MMRESULT MediaEndPeriod(UINT nPeriod);
// What DragAcceptFiles does, without its library: the window takes dropped files.
void AcceptDroppedFiles(HWND hWnd);
