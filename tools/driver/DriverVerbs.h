// Verbs that start Windows programs, wait on their windows and read their settings, shared by
// quenlow-driver.exe (`make run`, the benchmarks) and the end-to-end test driver. Each verb
// takes its arguments as text, prints what it found on stdout and throws CDriverError when it
// fails or times out.
#pragma once

#include <windows.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using Args = std::vector<std::string>;
using VerbFn = void (*)(const Args&);
using VerbTable = std::map<std::string, VerbFn>;

class CDriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs "VERB ARGS... + VERB ARGS..." in order up to the first failure; its message, or empty.
std::string RunVerbs(const VerbTable& verbs, const std::vector<std::string>& words);

int ToInt(const std::string& text);
DWORD ToPid(const std::string& text);
constexpr DWORD kDefaultWaitMs = 10000;
// The wait in args[nIndex] in milliseconds, or the default when it is not given.
DWORD WaitMs(const Args& args, std::size_t nIndex);
// Polls fn every nEveryMs until it returns true or nTimeoutMs pass; false on timeout.
template <class F> bool PollUntil(DWORD nTimeoutMs, F fn, DWORD nEveryMs = 20) {
    DWORD nStart = GetTickCount();
    for (;;) {
        if (fn()) return true;
        if (GetTickCount() - nStart >= nTimeoutMs) return false;
        Sleep(nEveryMs);
    }
}
// Milliseconds since some fixed moment, finer than the tick count.
double NowMs();

std::string ClassOf(HWND hWnd);
std::string WindowText(HWND hWnd);
// Visible top-level windows of a process: "*" matches any class or title.
HWND FindTopWindow(DWORD nPid, const std::string& className, const std::string& title);
HWND WaitTopWindow(DWORD nPid, const std::string& className, const std::string& title,
                   DWORD nTimeoutMs);
// The window of class args[1] of process args[0]; throws when there is none.
HWND MainWindow(const Args& args);
LRESULT SendOrFail(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Waits until the game's main window has taken everything sent so far and finished the idle
// pass after it; returns the moment (NowMs) it was first seen settled.
double WaitIdle(HWND hMain, DWORD nTimeoutMs);
HKEY RootOf(const std::string& name);

void VerbLaunch(const Args& args);
void VerbLaunchIdle(const Args& args);
void VerbKill(const Args& args);
void VerbWaitExit(const Args& args);
void VerbWaitWindow(const Args& args);
void VerbPostMessage(const Args& args);
void VerbIdle(const Args& args);
void VerbRegGet(const Args& args);
void VerbRegDelete(const Args& args);
