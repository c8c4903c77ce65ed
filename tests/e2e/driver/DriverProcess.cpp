// Starting, ending and waiting for programs.
#include "Driver.h"

#include <cstdio>
#include <map>

namespace {
std::string Quoted(const std::string& arg) {
    return arg.find(' ') == std::string::npos ? arg : "\"" + arg + "\"";
}

// The processes this driver started, kept open so that their exit codes can still be read
// once they have ended (a driver that serves a long run asks for them later).
std::map<DWORD, HANDLE>& Launched() {
    static std::map<DWORD, HANDLE> launched;
    return launched;
}

// A handle for waiting on the process and reading its exit code; null when it is gone.
HANDLE OpenForWaiting(DWORD nPid, bool& bOwned) {
    auto it = Launched().find(nPid);
    bOwned = it == Launched().end();
    if (!bOwned) return it->second;
    return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, nPid);
}
} // namespace

// launch PATH [ARGS...]: prints the new process's id. The program gets no handles of ours,
// and what it writes goes where the driver's errors go: Wine would otherwise give it the
// driver's output, and a crash report there would hold the caller's pipe open and mix with
// the driver's answers.
void VerbLaunch(const Args& args) {
    std::string commandLine = Quoted(args.at(0));
    for (std::size_t i = 1; i < args.size(); ++i)
        commandLine += " " + Quoted(args[i]);
    std::string folder = args.at(0).substr(0, args.at(0).find_last_of("\\/") + 1);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        throw CDriverError("cannot start " + args.at(0) + " (" + std::to_string(GetLastError()) +
                           ")");
    CloseHandle(pi.hThread);
    HANDLE& hKept = Launched()[pi.dwProcessId];
    if (hKept != nullptr) CloseHandle(hKept); // an ended process whose id came round again
    hKept = pi.hProcess;
    std::printf("%lu\n", static_cast<unsigned long>(pi.dwProcessId));
}

void VerbKill(const Args& args) {
    DWORD nPid = ToPid(args.at(0));
    HANDLE hProcess = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, nPid);
    if (hProcess == nullptr) return; // already gone
    TerminateProcess(hProcess, 9);
    WaitForSingleObject(hProcess, 5000);
    CloseHandle(hProcess);
}

// wait-exit PID [MS]: prints the exit code, or "gone" for a process that has ended and that
// this driver did not start.
void VerbWaitExit(const Args& args) {
    bool bOwned = false;
    HANDLE hProcess = OpenForWaiting(ToPid(args.at(0)), bOwned);
    if (hProcess == nullptr) {
        std::printf("gone\n");
        return;
    }
    DWORD nWait = args.size() > 1 ? static_cast<DWORD>(ToInt(args[1])) : 10000;
    DWORD nResult = WaitForSingleObject(hProcess, nWait);
    DWORD nExitCode = 0;
    BOOL bGotCode = GetExitCodeProcess(hProcess, &nExitCode);
    if (bOwned) CloseHandle(hProcess);
    if (nResult != WAIT_OBJECT_0) throw CDriverError("the process does not end");
    if (!bGotCode) throw CDriverError("no exit code");
    std::printf("%lu\n", static_cast<unsigned long>(nExitCode));
}

// end-session PID CLASS: the messages of a logoff to the program's main window; prints the
// answer to the query.
void VerbEndSession(const Args& args) {
    HWND hMain = FindTopWindow(ToPid(args.at(0)), args.at(1), "*");
    if (hMain == nullptr) throw CDriverError("no window of class " + args.at(1));
    DWORD_PTR nAnswer = 0;
    if (!SendMessageTimeoutA(hMain, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                             &nAnswer))
        throw CDriverError("no answer to the query");
    DWORD_PTR nIgnored = 0;
    if (!SendMessageTimeoutA(hMain, WM_ENDSESSION, nAnswer != 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                             10000, &nIgnored))
        throw CDriverError("no answer to the end of the session");
    std::printf("%d\n", nAnswer != 0 ? 1 : 0);
}
