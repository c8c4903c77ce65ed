// Lists of windows and controls with their places on the screen, for input that picks its
// target at random among what a program shows.
#include "Driver.h"

#include <cstdio>
#include <cstdint>

namespace {
HWND ToWindow(const std::string& text) {
    HWND hWnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(ToInt(text)));
    if (!IsWindow(hWnd)) throw CDriverError("no window " + text);
    return hWnd;
}

// "0x1a2b CLASS LEFT TOP RIGHT BOTTOM": a window, its class and its screen rectangle.
void PrintWindow(HWND hWnd) {
    RECT rc = {};
    // A window that is gone by now shows an empty rectangle; the caller sees it vanish anyway.
    GetWindowRect(hWnd, &rc);
    std::printf("0x%llx %s %ld %ld %ld %ld",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(hWnd)),
                ClassOf(hWnd).c_str(), rc.left, rc.top, rc.right, rc.bottom);
}

// A text on one line of the listing.
std::string OneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\n' || ch == '\r') ch = ' ';
    }
    return text;
}

BOOL CALLBACK PrintTopWindow(HWND hWnd, LPARAM lParam) {
    DWORD nPid = 0;
    GetWindowThreadProcessId(hWnd, &nPid);
    if (nPid != static_cast<DWORD>(lParam) || !IsWindowVisible(hWnd)) return TRUE;
    PrintWindow(hWnd);
    std::printf(" %d %s\n", IsIconic(hWnd) ? 1 : 0, OneLine(WindowText(hWnd)).c_str());
    return TRUE;
}

BOOL CALLBACK PrintControl(HWND hWnd, LPARAM) {
    if (!IsWindowVisible(hWnd)) return TRUE;
    PrintWindow(hWnd);
    std::printf(" %d %d %s\n", GetDlgCtrlID(hWnd), IsWindowEnabled(hWnd) ? 1 : 0,
                OneLine(WindowText(hWnd)).c_str());
    return TRUE;
}
} // namespace

// top-windows PID: the process's visible top-level windows, front to back, one a line:
// handle, class, screen rectangle, 1 when minimised, title.
void VerbTopWindows(const Args& args) {
    if (!EnumWindows(PrintTopWindow, static_cast<LPARAM>(ToPid(args.at(0)))))
        throw CDriverError("cannot list the windows");
}

// controls HANDLE: the window's visible descendants: handle, class, screen rectangle, control
// id, 1 when enabled, text.
void VerbControls(const Args& args) {
    EnumChildWindows(ToWindow(args.at(0)), PrintControl, 0); // its result means nothing
}

// place HANDLE X Y: a minimised window restored, and the window moved to X, Y at its size.
void VerbPlace(const Args& args) {
    HWND hWnd = ToWindow(args.at(0));
    if (IsIconic(hWnd)) ShowWindowAsync(hWnd, SW_RESTORE);
    if (!SetWindowPos(hWnd, nullptr, ToInt(args.at(1)), ToInt(args.at(2)), 0, 0,
                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS))
        throw CDriverError("cannot move the window");
}
