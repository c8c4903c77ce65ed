// Reading windows and sending them commands.
#include "Driver.h"

#include <commctrl.h>

#include <cstdio>

namespace {
HWND Dialog(const Args& args) {
    HWND hDlg = FindTopWindow(ToPid(args.at(0)), "#32770", args.at(1));
    if (hDlg == nullptr) throw CDriverError("no dialog titled '" + args.at(1) + "'");
    return hDlg;
}

// Reads a status-bar pane: the text must be fetched into the other process's memory.
std::string StatusPane(HWND hBar, int nPane) {
    DWORD nPid = 0;
    GetWindowThreadProcessId(hBar, &nPid);
    HANDLE hProcess =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, nPid);
    if (hProcess == nullptr) throw CDriverError("cannot open the process");
    const SIZE_T cbBuffer = 1024;
    void* pRemote = VirtualAllocEx(hProcess, nullptr, cbBuffer, MEM_COMMIT, PAGE_READWRITE);
    std::string text;
    if (pRemote != nullptr) {
        LRESULT nInfo = SendOrFail(hBar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(nPane), 0);
        if (LOWORD(nInfo) < cbBuffer) {
            SendOrFail(hBar, SB_GETTEXTA, static_cast<WPARAM>(nPane),
                       reinterpret_cast<LPARAM>(pRemote));
            std::vector<char> local(cbBuffer, '\0');
            SIZE_T cbRead = 0;
            if (ReadProcessMemory(hProcess, pRemote, local.data(), LOWORD(nInfo), &cbRead))
                text.assign(local.data(), cbRead);
        }
        VirtualFreeEx(hProcess, pRemote, 0, MEM_RELEASE);
    }
    CloseHandle(hProcess);
    if (pRemote == nullptr) throw CDriverError("cannot allocate in the process");
    return text;
}

bool ToolbarButtonEnabled(HWND hMain, int nID) {
    HWND hBar = FindChild(hMain, TOOLBARCLASSNAMEA);
    if (hBar == nullptr) throw CDriverError("no toolbar");
    return SendOrFail(hBar, TB_ISBUTTONENABLED, static_cast<WPARAM>(nID), 0) != 0;
}
} // namespace

HWND FindChild(HWND hParent, const std::string& className) {
    return FindWindowExA(hParent, nullptr, className.c_str(), nullptr);
}

void VerbWaitNoWindow(const Args& args) {
    DWORD nPid = ToPid(args.at(0));
    if (!PollUntil(WaitMs(args, 3),
                   [&] { return FindTopWindow(nPid, args.at(1), args.at(2)) == nullptr; }))
        throw CDriverError("the window " + args.at(1) + " '" + args.at(2) + "' stays");
}

// window-rect PID CLASS [CHILD]: where the window, or its child of that class, lies on the
// screen, borders included.
void VerbWindowRect(const Args& args) {
    HWND hWnd = MainWindow(args);
    if (args.size() > 2) hWnd = FindChild(hWnd, args[2]);
    RECT rc;
    if (hWnd == nullptr || !GetWindowRect(hWnd, &rc)) throw CDriverError("no rectangle");
    std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

void VerbClientRect(const Args& args) {
    HWND hChild = FindChild(MainWindow(args), args.at(2));
    RECT rc;
    POINT pt = {0, 0};
    if (hChild == nullptr || !GetClientRect(hChild, &rc) || !ClientToScreen(hChild, &pt))
        throw CDriverError("no child window " + args.at(2));
    std::printf("%ld %ld %ld %ld\n", pt.x, pt.y, rc.right, rc.bottom);
}

void VerbWindowText(const Args& args) {
    std::printf("%s\n", WindowText(MainWindow(args)).c_str());
}

void VerbWindows(const Args& args) {
    DWORD nPid = ToPid(args.at(0));
    for (HWND h = GetTopWindow(nullptr); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
        DWORD nOwner = 0;
        GetWindowThreadProcessId(h, &nOwner);
        if (nOwner == nPid)
            std::printf("%p %s '%s' %s\n", static_cast<void*>(h), ClassOf(h).c_str(),
                        WindowText(h).c_str(), IsWindowVisible(h) ? "visible" : "hidden");
    }
}

void VerbIsVisible(const Args& args) {
    HWND hChild = FindChild(MainWindow(args), args.at(2));
    std::printf("%d\n", hChild != nullptr && IsWindowVisible(hChild) ? 1 : 0);
}

void VerbSendCommand(const Args& args) {
    SendOrFail(MainWindow(args), WM_COMMAND, static_cast<WPARAM>(ToInt(args.at(2))), 0);
}

void VerbPostCommand(const Args& args) {
    if (!PostMessageA(MainWindow(args), WM_COMMAND, static_cast<WPARAM>(ToInt(args.at(2))), 0))
        throw CDriverError("cannot post");
}

void VerbPress(const Args& args) {
    HWND hButton = GetDlgItem(Dialog(args), ToInt(args.at(2)));
    if (hButton == nullptr) throw CDriverError("no button " + args.at(2));
    SendOrFail(hButton, BM_CLICK, 0, 0);
}

void VerbCloseDialog(const Args& args) {
    if (!PostMessageA(Dialog(args), WM_SYSCOMMAND, SC_CLOSE, 0)) throw CDriverError("cannot post");
}

void VerbDialogText(const Args& args) {
    HWND hItem = GetDlgItem(Dialog(args), ToInt(args.at(2)));
    if (hItem == nullptr) throw CDriverError("no control " + args.at(2));
    std::printf("%s\n", WindowText(hItem).c_str());
}

// item-rect PID TITLE ID: where a dialog's control lies on the screen, "x y width height".
void VerbItemRect(const Args& args) {
    HWND hItem = GetDlgItem(Dialog(args), ToInt(args.at(2)));
    RECT rc;
    if (hItem == nullptr || !GetWindowRect(hItem, &rc))
        throw CDriverError("no control " + args.at(2));
    std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

// first-line PID CLASS CHILDCLASS: the first line an edit control shows (0 at the top).
void VerbFirstLine(const Args& args) {
    HWND hEdit = FindChild(MainWindow(args), args.at(2));
    if (hEdit == nullptr) throw CDriverError("no child window " + args.at(2));
    std::printf("%d\n", static_cast<int>(SendOrFail(hEdit, EM_GETFIRSTVISIBLELINE, 0, 0)));
}

void VerbStatus(const Args& args) {
    HWND hBar = FindChild(MainWindow(args), STATUSCLASSNAMEA);
    if (hBar == nullptr) throw CDriverError("no status bar");
    std::printf("%s\n", StatusPane(hBar, ToInt(args.at(2))).c_str());
}

void VerbWaitStatus(const Args& args) {
    HWND hBar = FindChild(MainWindow(args), STATUSCLASSNAMEA);
    if (hBar == nullptr) throw CDriverError("no status bar");
    std::string last;
    if (!PollUntil(WaitMs(args, 4),
                   [&] { return (last = StatusPane(hBar, ToInt(args.at(2)))) == args.at(3); }))
        throw CDriverError("pane shows '" + last + "', not '" + args.at(3) + "'");
}

void VerbToolbarEnabled(const Args& args) {
    std::printf("%d\n", ToolbarButtonEnabled(MainWindow(args), ToInt(args.at(2))) ? 1 : 0);
}

// toolbar-hot PID CLASS: the position of the toolbar's highlighted button, -1 for none.
void VerbToolbarHot(const Args& args) {
    HWND hBar = FindChild(MainWindow(args), TOOLBARCLASSNAMEA);
    if (hBar == nullptr) throw CDriverError("no toolbar");
    std::printf("%d\n", static_cast<int>(SendOrFail(hBar, TB_GETHOTITEM, 0, 0)));
}

void VerbWaitToolbar(const Args& args) {
    HWND hMain = MainWindow(args);
    bool bWanted = ToInt(args.at(3)) != 0;
    if (!PollUntil(WaitMs(args, 4),
                   [&] { return ToolbarButtonEnabled(hMain, ToInt(args.at(2))) == bWanted; }))
        throw CDriverError("button " + args.at(2) + " does not become " + args.at(3));
}
