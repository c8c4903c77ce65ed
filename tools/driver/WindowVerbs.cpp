// Finding a program's windows, posting to them and waiting until the game is idle.
#include "DriverVerbs.h"

#include <cstdio>

namespace {
struct CSearch {
    DWORD nPid;
    const std::string* pClass;
    const std::string* pTitle;
    HWND hFound;
};

BOOL CALLBACK MatchTopWindow(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<CSearch*>(lParam);
    DWORD nPid = 0;
    GetWindowThreadProcessId(hWnd, &nPid);
    if (nPid != pSearch->nPid || !IsWindowVisible(hWnd)) return TRUE;
    if (*pSearch->pClass != "*" && ClassOf(hWnd) != *pSearch->pClass) return TRUE;
    if (*pSearch->pTitle != "*" && WindowText(hWnd) != *pSearch->pTitle) return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}
} // namespace

std::string ClassOf(HWND hWnd) {
    char name[256] = {};
    GetClassNameA(hWnd, name, sizeof(name)); // a window gone meanwhile has no class: empty
    return name;
}

std::string WindowText(HWND hWnd) {
    char text[512] = {};
    // WM_GETTEXT crosses processes; the text is copied back by the system.
    DWORD_PTR nLength = 0;
    if (!SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                             SMTO_NORMAL, kDefaultWaitMs, &nLength))
        return std::string();
    return std::string(text, nLength);
}

HWND FindTopWindow(DWORD nPid, const std::string& className, const std::string& title) {
    CSearch search{nPid, &className, &title, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND WaitTopWindow(DWORD nPid, const std::string& className, const std::string& title,
                   DWORD nTimeoutMs) {
    HWND hWnd = nullptr;
    PollUntil(nTimeoutMs,
              [&] { return (hWnd = FindTopWindow(nPid, className, title)) != nullptr; });
    return hWnd;
}

HWND MainWindow(const Args& args) {
    HWND hWnd = FindTopWindow(ToPid(args.at(0)), args.at(1), "*");
    if (hWnd == nullptr) throw CDriverError("no window of class " + args.at(1));
    return hWnd;
}

LRESULT SendOrFail(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR nResult = 0;
    if (!SendMessageTimeoutA(hWnd, uMsg, wParam, lParam, SMTO_NORMAL, kDefaultWaitMs, &nResult))
        throw CDriverError("the window did not answer");
    return static_cast<LRESULT>(nResult);
}

// The main window answers a read-only query with its idle passes (times two) and whether
// anything still waits in its queue; sent messages are only answered where the program looks
// for messages, so two answers in a row with nothing waiting and no idle pass between them mean
// it is waiting for input. The first answer of that pair is the moment it finished its idle
// work, whatever the polling adds after.
double WaitIdle(HWND hMain, DWORD nTimeoutMs) {
    UINT nQuery = RegisterWindowMessageA("Quenlow.IdleQuery");
    if (nQuery == 0) throw CDriverError("cannot register the idle query");
    LRESULT nLast = -1;
    double fLastAt = 0;
    double fSettledAt = 0;
    bool bSettled = PollUntil(nTimeoutMs, [&] {
        LRESULT nAnswer = SendOrFail(hMain, nQuery, 0, 0);
        double fAt = NowMs();
        bool bDone = nAnswer == nLast && (nAnswer & 1) == 0;
        if (bDone) fSettledAt = fLastAt;
        nLast = nAnswer;
        fLastAt = fAt;
        return bDone;
    });
    if (!bSettled) throw CDriverError("the program does not go idle");
    return fSettledAt;
}

// wait-window PID CLASS TITLE [MS]: prints the window's handle.
void VerbWaitWindow(const Args& args) {
    HWND hWnd = WaitTopWindow(ToPid(args.at(0)), args.at(1), args.at(2), WaitMs(args, 3));
    if (hWnd == nullptr)
        throw CDriverError("timed out waiting for " + args.at(1) + " '" + args.at(2) + "'");
    std::printf("%p\n", static_cast<void*>(hWnd));
}

// post-message PID CLASS MESSAGE WPARAM LPARAM
void VerbPostMessage(const Args& args) {
    if (!PostMessageA(MainWindow(args), static_cast<UINT>(ToInt(args.at(2))),
                      static_cast<WPARAM>(ToInt(args.at(3))),
                      static_cast<LPARAM>(ToInt(args.at(4)))))
        throw CDriverError("cannot post");
}

// idle PID CLASS [MS]: waits until the program has taken every message and input sent so far
// and finished the idle pass after them.
void VerbIdle(const Args& args) {
    WaitIdle(MainWindow(args), WaitMs(args, 2));
}
