// The functions of shell32, comdlg32, winmm, comctl32 and the accessibility libraries the program
// calls, from libraries
// loaded the first time one of them is called rather than at process start: under some systems
// loading those (and what they import) costs as much as the rest of the start-up, and the
// window can show before any of them is needed.
#pragma once

#include "Win32Api.h"

#include <commdlg.h>
#include <oleacc.h>
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
// FALSE when the library cannot be loaded: the bars cannot be made.
BOOL ControlsInit(DWORD nClasses);
// Null when the library cannot be loaded.
HBITMAP ControlsMappedBitmap(HINSTANCE hInstance, int nIDBitmap);
// Null, -1 or FALSE as each fails when the library cannot be loaded: there is no drag image.
HIMAGELIST ControlsImageListCreate(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
int ControlsImageListAdd(HIMAGELIST hList, HBITMAP hImage);
BOOL ControlsImageListReplace(HIMAGELIST hList, int nImage, HBITMAP hImage);
BOOL ControlsBeginDrag(HIMAGELIST hList, int nImage, int xHotspot, int yHotspot);
BOOL ControlsDragEnter(HWND hWndLock, int x, int y);
BOOL ControlsDragMove(int x, int y);
BOOL ControlsDragLeave(HWND hWndLock);
void ControlsEndDrag();
BOOL ControlsDragShow(BOOL bShow);
// 0, as a window that answers nothing itself, when the library cannot be loaded. The thread
// joins a single-threaded apartment at the first call, so readers' calls arrive as messages.
LRESULT AccessibleResult(REFIID riid, WPARAM wParam, IUnknown* pObject);
// E_FAIL when the library cannot be loaded.
HRESULT AccessibleStandardObject(HWND hWnd, LONG nObjectId, REFIID riid, void** ppObject);
// Null, as when memory runs out, when the library cannot be loaded.
BSTR AutomationAllocString(const wchar_t* pszText);
// What DragAcceptFiles does, without its library: the window takes dropped files.
void AcceptDroppedFiles(HWND hWnd);
