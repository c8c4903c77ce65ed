// Starting, ending and waiting for programs.
#include "Driver.h"

#include <cstdio>

namespace {
std::string Quoted(const std::string& arg) {
    return arg.find(' ') == std::string::npos ? arg : "\"" + arg + "\"";
}
} // namespace

// launch PATH [ARGS...]: prints the new process's id. The program gets no handles of ours,
// so it never holds the caller's output open.
void VerbLaunch(const Args& args) {
    std::string commandLine = Quoted(args.at(0));
    for (std::size_t i = 1; i < args.size(); ++i)
        commandLine += " " + Quoted(args[i]);
    std::string folder = args.at(0).substr(0, args.at(0).find_last_of("\\/") + 1);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        throw CDriverError("cannot start " + args.at(0) + " (" + std::to_string(GetLastError()) +
                           ")");
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
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

// wait-exit PID [MS]: prints the exit code.
void VerbWaitExit(const Args& args) {
    HANDLE hProcess =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ToPid(args.at(0)));
    if (hProcess == nullptr) {
        std::printf("gone\n");
        return;
    }
    DWORD nWait = args.size() > 1 ? static_cast<DWORD>(ToInt(args[1])) : 10000;
    DWORD nResult = WaitForSingleObject(hProcess, nWait);
    DWORD nExitCode = 0;
    GetExitCodeProcess(hProcess, &nExitCode);
    CloseHandle(hProcess);
    if (nResult != WAIT_OBJECT_0) throw CDriverError("the process does not end");
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
