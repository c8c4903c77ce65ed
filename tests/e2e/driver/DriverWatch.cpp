// Running a program and everything it starts while watching for their windows.
#include "Driver.h"

#include <tlhelp32.h>

#include <cstdio>
#include <map>
#include <set>

namespace {

struct CWatched {
    std::map<DWORD, HANDLE> m_processes;
    std::vector<std::pair<DWORD, std::string>> m_order; // ids and program names, as seen
    std::set<std::string> m_windows;
};

// The program's file name, taken while the process runs; empty when it cannot be told.
std::string ProgramName(HANDLE hProcess) {
    char szPath[MAX_PATH] = {};
    DWORD cchPath = MAX_PATH;
    if (!QueryFullProcessImageNameA(hProcess, 0, szPath, &cchPath)) return std::string();
    std::string path(szPath, cchPath);
    return path.substr(path.find_last_of("\\/") + 1);
}

void Track(CWatched& watched, DWORD nPid, HANDLE hProcess) {
    watched.m_processes[nPid] = hProcess;
    watched.m_order.emplace_back(nPid, ProgramName(hProcess));
}

// Processes started by a watched one, opened at once so that their exit codes stay readable.
void FindChildren(CWatched& watched) {
    HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE) return; // the next round tries again
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL bMore = Process32First(hSnapshot, &entry); bMore;
         bMore = Process32Next(hSnapshot, &entry)) {
        if (watched.m_processes.count(entry.th32ParentProcessID) == 0 ||
            watched.m_processes.count(entry.th32ProcessID) != 0)
            continue;
        HANDLE hProcess =
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, entry.th32ProcessID);
        if (hProcess != nullptr) Track(watched, entry.th32ProcessID, hProcess);
    }
    CloseHandle(hSnapshot);
}

BOOL CALLBACK NoteWindow(HWND hWnd, LPARAM lParam) {
    auto* pWatched = reinterpret_cast<CWatched*>(lParam);
    DWORD nPid = 0;
    GetWindowThreadProcessId(hWnd, &nPid);
    if (pWatched->m_processes.count(nPid) != 0 && IsWindowVisible(hWnd))
        pWatched->m_windows.insert(ClassOf(hWnd) + " '" + WindowText(hWnd) + "'");
    return TRUE;
}

// Names are asked for again while they are unknown: a process just made may not tell its own.
void NameProcesses(CWatched& watched) {
    for (auto& process : watched.m_order) {
        if (process.second.empty())
            process.second = ProgramName(watched.m_processes[process.first]);
    }
}

bool AllEnded(const CWatched& watched) {
    for (const auto& item : watched.m_processes) {
        if (WaitForSingleObject(item.second, 0) != WAIT_OBJECT_0) return false;
    }
    return true;
}

} // namespace

// run-watch FOLDER MS COMMANDLINE: runs the command line in the folder ("-": the driver's) and
// every process it starts, checking every few milliseconds for a visible top-level window of
// any of them, until all have ended or MS have passed (those still running are then ended, and
// show the code 259). Prints their program names and exit codes ("setup.exe=0")
// in the order they started, then each window seen, one a line.
void VerbRunWatch(const Args& args) {
    std::string commandLine = args.at(2);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    const char* pszFolder = args.at(0) == "-" ? nullptr : args.at(0).c_str();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, pszFolder,
                        &si, &pi))
        throw CDriverError("cannot run " + commandLine + " (" + std::to_string(GetLastError()) +
                           ")");
    CloseHandle(pi.hThread);
    CWatched watched;
    Track(watched, pi.dwProcessId, pi.hProcess);
    PollUntil(
        static_cast<DWORD>(ToInt(args.at(1))),
        [&] {
            FindChildren(watched);
            NameProcesses(watched);
            EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&watched));
            if (!AllEnded(watched)) return false;
            // A process may have started another after the last look, just before it ended.
            std::size_t nSeen = watched.m_order.size();
            FindChildren(watched);
            return watched.m_order.size() == nSeen;
        },
        5);
    std::string codes;
    for (const auto& process : watched.m_order) {
        DWORD nExitCode = 0;
        HANDLE hProcess = watched.m_processes[process.first];
        if (!GetExitCodeProcess(hProcess, &nExitCode)) nExitCode = 0xFFFFFFFF;
        // Ended here after the wait (it still shows 259, STILL_ACTIVE); a process that is gone
        // by now cannot be ended.
        if (nExitCode == STILL_ACTIVE) TerminateProcess(hProcess, 9);
        CloseHandle(hProcess);
        codes += (codes.empty() ? "" : " ") + process.second + "=" + std::to_string(nExitCode);
    }
    std::printf("%s\n", codes.c_str());
    for (const std::string& window : watched.m_windows)
        std::printf("window %s\n", window.c_str());
}
