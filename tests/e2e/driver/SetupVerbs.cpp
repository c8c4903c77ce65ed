// Verbs for driving setup.exe. The wizard is found as the dialog of the process that has a
// Next button (0x3024), whatever page it shows; clicks that may open a modal window are posted,
// since a sent click would wait for that window to close.
#include "SetupVerbs.h"
#include "RemoteBuffer.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>

namespace {
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;

struct CAnySearch {
    DWORD nPid; // 0: any process
    const char* pszClass;
    const std::string* pTitle;
    HWND hFound;
};

BOOL CALLBACK MatchAnyWindow(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<CAnySearch*>(lParam);
    DWORD nPid = 0;
    GetWindowThreadProcessId(hWnd, &nPid);
    if ((pSearch->nPid != 0 && nPid != pSearch->nPid) || !IsWindowVisible(hWnd)) return TRUE;
    if (ClassOf(hWnd) != pSearch->pszClass) return TRUE;
    if (pSearch->pTitle != nullptr && *pSearch->pTitle != "*" &&
        WindowText(hWnd) != *pSearch->pTitle)
        return TRUE;
    if (pSearch->pTitle == nullptr && GetDlgItem(hWnd, kNextButton) == nullptr) return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

HWND FindAnyWindow(DWORD nPid, const std::string& className, const std::string* pTitle) {
    CAnySearch search{nPid, className.c_str(), pTitle, nullptr};
    EnumWindows(MatchAnyWindow, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

HWND Wizard(DWORD nPid) {
    HWND hSheet = FindAnyWindow(nPid, "#32770", nullptr);
    if (hSheet == nullptr) throw CDriverError("no wizard");
    return hSheet;
}

int CurrentPage(HWND hSheet) {
    HWND hPage = reinterpret_cast<HWND>(SendOrFail(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (hPage == nullptr) return -1;
    return static_cast<int>(
        SendOrFail(hSheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(hPage), 0));
}

void PostClick(HWND hButton) {
    if (hButton == nullptr) throw CDriverError("no such button");
    if (!PostMessageA(hButton, BM_CLICK, 0, 0)) throw CDriverError("cannot post");
}

WORD KeyOf(const std::string& name) {
    if (name == "return") return VK_RETURN;
    if (name == "escape") return VK_ESCAPE;
    if (name == "next") return VK_NEXT;
    throw CDriverError("unknown key " + name);
}
} // namespace

// find-window CLASS TITLE [MS]: a visible window of any process; prints its process id.
void VerbFindWindow(const Args& args) {
    HWND hWnd = nullptr;
    PollUntil(WaitMs(args, 2),
              [&] { return (hWnd = FindAnyWindow(0, args.at(0), &args.at(1))) != nullptr; });
    if (hWnd == nullptr) throw CDriverError("no window " + args.at(0) + " '" + args.at(1) + "'");
    DWORD nPid = 0;
    GetWindowThreadProcessId(hWnd, &nPid);
    std::printf("%lu\n", static_cast<unsigned long>(nPid));
}

// process-path PID: the program file the process runs.
void VerbProcessPath(const Args& args) {
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ToPid(args.at(0)));
    if (hProcess == nullptr) throw CDriverError("cannot open the process");
    char szPath[MAX_PATH] = {};
    DWORD cchPath = MAX_PATH;
    BOOL bGot = QueryFullProcessImageNameA(hProcess, 0, szPath, &cchPath);
    CloseHandle(hProcess);
    if (!bGot) throw CDriverError("no program path");
    std::printf("%s\n", szPath);
}

// post-press PID TITLE ID: clicks a button of a dialog without waiting for what it opens.
void VerbPostPress(const Args& args) {
    HWND hDlg = FindAnyWindow(ToPid(args.at(0)), "#32770", &args.at(1));
    if (hDlg == nullptr) throw CDriverError("no dialog titled '" + args.at(1) + "'");
    PostClick(GetDlgItem(hDlg, ToInt(args.at(2))));
}

// dialog-key PID TITLE KEY...: keys through the input queue to the dialog brought to the front
// (return, escape, next).
void VerbDialogKey(const Args& args) {
    HWND hDlg = FindAnyWindow(ToPid(args.at(0)), "#32770", &args.at(1));
    if (hDlg == nullptr) throw CDriverError("no dialog titled '" + args.at(1) + "'");
    SetForegroundWindow(hDlg);
    if (!PollUntil(2000, [&] { return GetForegroundWindow() == hDlg; }))
        throw CDriverError("the dialog does not come to the front");
    for (std::size_t i = 2; i < args.size(); ++i) {
        INPUT inputs[2] = {};
        for (int j = 0; j < 2; ++j) {
            inputs[j].type = INPUT_KEYBOARD;
            inputs[j].ki.wVk = KeyOf(args[i]);
            inputs[j].ki.dwFlags = j == 1 ? KEYEVENTF_KEYUP : 0;
        }
        if (SendInput(2, inputs, sizeof(INPUT)) != 2) throw CDriverError("input was refused");
    }
}

// wizard-page PID: the index of the page the wizard shows, and its caption.
void VerbWizardPage(const Args& args) {
    HWND hSheet = Wizard(ToPid(args.at(0)));
    std::printf("%d %s\n", CurrentPage(hSheet), WindowText(hSheet).c_str());
}

// wait-page PID INDEX [MS]: waits until the wizard shows the page; prints its caption.
void VerbWaitPage(const Args& args) {
    DWORD nPid = ToPid(args.at(0));
    int nWanted = ToInt(args.at(1));
    HWND hSheet = nullptr;
    bool bShown = PollUntil(WaitMs(args, 2), [&] {
        hSheet = FindAnyWindow(nPid, "#32770", nullptr);
        return hSheet != nullptr && CurrentPage(hSheet) == nWanted;
    });
    if (!bShown) throw CDriverError("the wizard does not show page " + args.at(1));
    std::printf("%s\n", WindowText(hSheet).c_str());
}

// wizard-press PID ID: Back 0x3023, Next 0x3024, Finish 0x3025, Cancel 2, or a button of the
// page shown.
void VerbWizardPress(const Args& args) {
    HWND hSheet = Wizard(ToPid(args.at(0)));
    int nID = ToInt(args.at(1));
    HWND hButton = GetDlgItem(hSheet, nID);
    if (hButton == nullptr) {
        HWND hPage = reinterpret_cast<HWND>(SendOrFail(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        hButton = hPage != nullptr ? GetDlgItem(hPage, nID) : nullptr;
    }
    PostClick(hButton);
}

// wizard-text PID ID: the text of a control of the page shown.
void VerbWizardText(const Args& args) {
    HWND hSheet = Wizard(ToPid(args.at(0)));
    HWND hPage = reinterpret_cast<HWND>(SendOrFail(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND hItem = hPage != nullptr ? GetDlgItem(hPage, ToInt(args.at(1))) : nullptr;
    if (hItem == nullptr) throw CDriverError("no control " + args.at(1));
    std::printf("%s\n", WindowText(hItem).c_str());
}

// wizard-rect PID: left, top, width and height of the wizard window.
void VerbWizardRect(const Args& args) {
    RECT rc;
    if (!GetWindowRect(Wizard(ToPid(args.at(0))), &rc)) throw CDriverError("no rectangle");
    std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

// finish-while-watched PID TITLE FILE BYTES: presses the wizard's Finish, then, until the file
// holds its bytes, sends the process's dialog with the title, again and again, a message that
// only a thread dispatching its messages answers, with 100 ms to answer. Prints the dialog's
// left, top, width and height as first seen, and how many answers came while the file was
// being written. Pressing Finish here keeps the driver's start-up out of the copy's time.
void VerbFinishWhileWatched(const Args& args) {
    DWORD nPid = ToPid(args.at(0));
    const std::string& path = args.at(2);
    ULONGLONG nWhole = std::stoull(args.at(3));
    auto written = [&]() -> ULONGLONG {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
        return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    };
    PostClick(GetDlgItem(Wizard(nPid), kFinishButton));
    RECT rc = {};
    int nAnswers = 0;
    DWORD nStart = GetTickCount();
    // No pause between tries: the copy may last well under a second.
    for (ULONGLONG nBefore = written(); nBefore < nWhole; nBefore = written()) {
        if (GetTickCount() - nStart > 120000)
            throw CDriverError("the file was never written whole");
        HWND hDlg = FindAnyWindow(nPid, "#32770", &args.at(1));
        if (hDlg == nullptr) continue;
        if (rc.right == 0 && !GetWindowRect(hDlg, &rc)) throw CDriverError("no rectangle");
        DWORD_PTR nResult = 0;
        if (nBefore > 0 && SendMessageTimeoutA(hDlg, WM_NULL, 0, 0, SMTO_NORMAL, 100, &nResult) &&
            written() < nWhole)
            ++nAnswers;
    }
    std::printf("%ld %ld %ld %ld %d\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                nAnswers);
}

// run COMMANDLINE: starts a command line exactly as given, as the system's list of removable
// programs does; prints the process id.
void VerbRun(const Args& args) {
    std::string commandLine = args.at(0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        throw CDriverError("cannot run " + args.at(0) + " (" + std::to_string(GetLastError()) +
                           ")");
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::printf("%lu\n", static_cast<unsigned long>(pi.dwProcessId));
}

// link-read PATH: the link's target, arguments, working folder and description, one a line.
void VerbLinkRead(const Args& args) {
    if (FAILED(CoInitialize(nullptr))) throw CDriverError("no COM");
    IShellLinkA* pLink = nullptr;
    IPersistFile* pFile = nullptr;
    std::string lines;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&pLink));
    if (SUCCEEDED(hr))
        hr = pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile));
    WCHAR szFile[MAX_PATH];
    if (SUCCEEDED(hr) &&
        MultiByteToWideChar(CP_ACP, 0, args.at(0).c_str(), -1, szFile, MAX_PATH) == 0)
        hr = E_INVALIDARG;
    if (SUCCEEDED(hr)) hr = pFile->Load(szFile, STGM_READ);
    char szText[MAX_PATH] = {};
    WIN32_FIND_DATAA found;
    if (SUCCEEDED(hr)) hr = pLink->GetPath(szText, MAX_PATH, &found, SLGP_RAWPATH);
    if (SUCCEEDED(hr)) lines += std::string(szText) + "\n";
    if (SUCCEEDED(hr)) hr = pLink->GetArguments(szText, MAX_PATH);
    if (SUCCEEDED(hr)) lines += std::string(szText) + "\n";
    if (SUCCEEDED(hr)) hr = pLink->GetWorkingDirectory(szText, MAX_PATH);
    if (SUCCEEDED(hr)) lines += std::string(szText) + "\n";
    if (SUCCEEDED(hr)) hr = pLink->GetDescription(szText, MAX_PATH);
    if (SUCCEEDED(hr)) lines += std::string(szText) + "\n";
    if (pFile != nullptr) pFile->Release();
    if (pLink != nullptr) pLink->Release();
    CoUninitialize();
    if (FAILED(hr)) throw CDriverError("cannot read the link " + args.at(0));
    std::fputs(lines.c_str(), stdout);
}

// browse-select PID PATH: selects the folder in the process's folder browser, as a click in
// its tree would; OK then returns it.
void VerbBrowseSelect(const Args& args) {
    const std::string kTitle = "Browse for Folder";
    HWND hDlg = FindAnyWindow(ToPid(args.at(0)), "#32770", &kTitle);
    if (hDlg == nullptr) throw CDriverError("no folder browser");
    const std::string& path = args.at(1);
    CRemoteBuffer remote(hDlg, path.size() + 1);
    remote.Write(path.c_str(), path.size() + 1);
    SendOrFail(hDlg, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(remote.Address()));
}
