// The system headers for the Win32 layer. Their A/W macros would rename the portable classes'
// members of the same names (LoadBitmap, LoadString, PlaySound...), so they are taken back
// here and the Win32 layer calls the ANSI functions by their full names.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#undef LoadBitmap
#undef LoadCursor
#undef LoadString
#undef PlaySound
#undef RegCreateKey
#undef RegQueryValue
#undef RegSetValue
#undef GetMessage
#undef DrawText
