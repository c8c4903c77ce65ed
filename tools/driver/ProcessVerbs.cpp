// Starting, ending and waiting for programs.
#include "DriverVerbs.h"

#include <cstdio>

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

// Starts args[0] with the rest as its arguments, in the program's folder, and returns its id.
// The program gets no handles of ours, and what it writes goes where the driver's errors go:
// Wine would otherwise give it the driver's output, and a crash report there would hold the
// caller's pipe open and mix with the driver's answers.
DWORD StartProgram(const Args& args, std::size_t nArgs) {
    std::string commandLine = Quoted(args.at(0));
    for (std::size_t i = 1; i < nArgs; ++i)
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
    return pi.dwProcessId;
}
} // namespace

// launch PATH [ARGS...]: prints the new process's id.
void VerbLaunch(const Args& args) {
    std::printf("%lu\n", static_cast<unsigned long>(StartProgram(args, args.size())));
}

// launch-idle PATH CLASS [MS]: starts the program and prints its id, then the milliseconds
// from the launch until its window of that class shows and until it first goes idle.
void VerbLaunchIdle(const Args& args) {
    DWORD nWait = args.size() > 2 ? static_cast<DWORD>(ToInt(args[2])) : 30000;
    double fStart = NowMs();
    DWORD nPid = StartProgram(args, 1);
    std::printf("%lu ", static_cast<unsigned long>(nPid));
    std::fflush(stdout);
    HWND hMain = nullptr;
    // Polled finely: the start-up benchmark compares launches of a tenth of a second.
    if (!PollUntil(
            nWait, [&] { return (hMain = FindTopWindow(nPid, args.at(1), "*")) != nullptr; }, 2))
        throw CDriverError("no window of class " + args.at(1));
    double fShown = NowMs();
    double fIdle = WaitIdle(hMain, nWait);
    std::printf("%.0f %.0f\n", fShown - fStart, fIdle - fStart);
}

void VerbKill(const Args& args) {
    DWORD nPid = ToPid(args.at(0));
    HANDLE hProcess = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, nPid);
    if (hProcess == nullptr) return; // already gone
    // A process that is ending by itself refuses the termination; either way it goes.
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
    DWORD nResult = WaitForSingleObject(hProcess, WaitMs(args, 1));
    DWORD nExitCode = 0;
    BOOL bGotCode = GetExitCodeProcess(hProcess, &nExitCode);
    if (bOwned) CloseHandle(hProcess);
    if (nResult != WAIT_OBJECT_0) throw CDriverError("the process does not end");
    if (!bGotCode) throw CDriverError("no exit code");
    std::printf("%lu\n", static_cast<unsigned long>(nExitCode));
}
