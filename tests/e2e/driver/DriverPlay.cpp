// Verbs for play on the table: who holds the pointer capture or the keyboard, and waiting for a
// stored value.
#include "Driver.h"

#include <cstdio>
#include <cstring>

namespace {
HWND ChildOf(const Args& args) {
    HWND hMain = FindTopWindow(ToPid(args.at(0)), args.at(1), "*");
    if (hMain == nullptr) throw CDriverError("no window of class " + args.at(1));
    HWND hChild = FindChild(hMain, args.at(2));
    if (hChild == nullptr) throw CDriverError("no child window " + args.at(2));
    return hChild;
}

// The window holding the pointer capture in the thread that owns hWnd, or null.
HWND CaptureOfThread(HWND hWnd) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info))
        throw CDriverError("no thread information");
    return info.hwndCapture;
}

// A value as signed 32-bit integers separated by spaces; "absent" when it cannot be read.
std::string ValueAsInts(HKEY hRoot, const std::string& key, const std::string& name) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(hRoot, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return "absent";
    std::vector<BYTE> data(4096);
    DWORD cbData = static_cast<DWORD>(data.size());
    LONG nResult = RegQueryValueExA(hKey, name.c_str(), nullptr, nullptr, data.data(), &cbData);
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS) return "absent";
    std::string text;
    for (DWORD i = 0; i + 4 <= cbData; i += 4) {
        std::int32_t n = 0;
        std::memcpy(&n, &data[i], 4);
        text += (i == 0 ? "" : " ") + std::to_string(n);
    }
    return text;
}

} // namespace

// capture PID CLASS CHILD: 1 when the child window holds the pointer capture, else 0.
void VerbCapture(const Args& args) {
    HWND hChild = ChildOf(args);
    std::printf("%d\n", CaptureOfThread(hChild) == hChild ? 1 : 0);
}

// wait-capture PID CLASS CHILD 0|1 [MS]: waits until the child has (1) or has not (0) the
// capture, which tells that a press or a release has been taken.
void VerbWaitCapture(const Args& args) {
    HWND hChild = ChildOf(args);
    bool bWanted = ToInt(args.at(3)) != 0;
    DWORD nWait = args.size() > 4 ? static_cast<DWORD>(ToInt(args[4])) : 10000;
    if (!PollUntil(nWait, [&] { return (CaptureOfThread(hChild) == hChild) == bWanted; }))
        throw CDriverError(bWanted ? "the window does not take the capture"
                                   : "the window keeps the capture");
}

// focus PID CLASS: the class of the window that has the keyboard in the thread of the
// program's window of that class ("none" when no window has it).
void VerbFocus(const Args& args) {
    HWND hWnd = FindTopWindow(ToPid(args.at(0)), args.at(1), "*");
    if (hWnd == nullptr) throw CDriverError("no window of class " + args.at(1));
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info))
        throw CDriverError("no thread information");
    std::printf("%s\n", info.hwndFocus != nullptr ? ClassOf(info.hwndFocus).c_str() : "none");
}

// wait-value ROOT KEY VALUE MS INT...: waits until the value holds exactly these integers;
// on a timeout the error shows what it holds.
void VerbWaitValue(const Args& args) {
    HKEY hRoot = args.at(0) == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    std::string wanted;
    for (std::size_t i = 4; i < args.size(); ++i)
        wanted += (i == 4 ? "" : " ") + std::to_string(ToInt(args[i]));
    std::string last;
    if (!PollUntil(static_cast<DWORD>(ToInt(args.at(3))),
                   [&] { return (last = ValueAsInts(hRoot, args.at(1), args.at(2))) == wanted; }))
        throw CDriverError("the value holds '" + last + "'");
}
