// Verbs for the shell integration: texts in the class registry, short paths, DDE executes,
// files dropped on a window, the common file dialogs, message boxes, child windows' texts,
// clicks in context-help mode and where the toolbar's buttons lie.
#include "Driver.h"
#include "RemoteBuffer.h"

#include <commctrl.h>
#include <ddeml.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

namespace {
constexpr DWORD kWaitMs = 10000;

HWND TopWindow(const std::string& pid, const std::string& className) {
    HWND hWnd = FindTopWindow(ToPid(pid), className, "*");
    if (hWnd == nullptr) throw CDriverError("no window of class " + className);
    return hWnd;
}

// The centre of a child window, in its parent's client coordinates.
POINT CentreInParent(HWND hChild, HWND hParent) {
    RECT rc;
    if (!GetClientRect(hChild, &rc)) throw CDriverError("no child rectangle");
    POINT pt = {rc.right / 2, rc.bottom / 2};
    MapWindowPoints(hChild, hParent, &pt, 1);
    return pt;
}

POINT ToolbarButtonCentre(HWND hMain, int nID) {
    HWND hBar = FindChild(hMain, TOOLBARCLASSNAMEA);
    if (hBar == nullptr) throw CDriverError("no toolbar");
    DWORD_PTR nIndex = 0;
    if (!SendMessageTimeoutA(hBar, TB_COMMANDTOINDEX, static_cast<WPARAM>(nID), 0, SMTO_NORMAL,
                             kWaitMs, &nIndex) ||
        static_cast<int>(nIndex) < 0)
        throw CDriverError("no button " + std::to_string(nID));
    CRemoteBuffer remote(hBar, sizeof(RECT));
    DWORD_PTR nOk = 0;
    if (!SendMessageTimeoutA(hBar, TB_GETITEMRECT, nIndex,
                             reinterpret_cast<LPARAM>(remote.Address()), SMTO_NORMAL, kWaitMs,
                             &nOk) ||
        nOk == 0)
        throw CDriverError("no rectangle for button " + std::to_string(nID));
    RECT rc;
    remote.Read(&rc, sizeof(rc));
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    MapWindowPoints(hBar, hMain, &pt, 1);
    return pt;
}

HDDEDATA CALLBACK DdeClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

struct CLongestStatic {
    std::string text;
};

BOOL CALLBACK FindEdit(HWND hWnd, LPARAM lParam) {
    char name[64] = {};
    GetClassNameA(hWnd, name, sizeof(name));
    if (lstrcmpiA(name, "Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

BOOL CALLBACK DescribeChild(HWND hWnd, LPARAM lParam) {
    char name[64] = {};
    GetClassNameA(hWnd, name, sizeof(name));
    *reinterpret_cast<std::string*>(lParam) +=
        " " + std::to_string(GetDlgCtrlID(hWnd)) + ":" + name;
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND hWnd, LPARAM lParam) {
    char name[64] = {};
    GetClassNameA(hWnd, name, sizeof(name));
    auto* pFound = reinterpret_cast<CLongestStatic*>(lParam);
    std::string text = WindowText(hWnd);
    if (lstrcmpiA(name, "Static") == 0 && text.size() > pFound->text.size()) pFound->text = text;
    return TRUE;
}
} // namespace

// reg-set-text ROOT KEY VALUE TEXT: a text value ("" names the key's default value).
void VerbRegSetText(const Args& args) {
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(RootOf(args.at(0)), args.at(1).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        throw CDriverError("cannot create the key");
    const std::string& text = args.at(3);
    LONG nResult = RegSetValueExA(hKey, args.at(2).empty() ? nullptr : args.at(2).c_str(), 0,
                                  REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(text.size() + 1));
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS) throw CDriverError("cannot write the value");
}

// short-path PATH: the path as GetShortPathNameA gives it.
void VerbShortPath(const Args& args) {
    char buffer[MAX_PATH * 2] = {};
    DWORD nLength = GetShortPathNameA(args.at(0).c_str(), buffer, sizeof(buffer));
    if (nLength == 0 || nLength >= sizeof(buffer)) throw CDriverError("no short path");
    std::printf("%s\n", buffer);
}

// folder NAME: a folder of the system as a program of the driver's arch sees it (a 32-bit and
// a 64-bit program have different program folders).
void VerbFolder(const Args& args) {
    static const std::pair<const char*, int> kFolders[] = {
        {"appdata", CSIDL_APPDATA},
        {"program-files", CSIDL_PROGRAM_FILES},
        {"program-files-x86", CSIDL_PROGRAM_FILESX86},
        {"common-programs", CSIDL_COMMON_PROGRAMS},
        {"common-desktop", CSIDL_COMMON_DESKTOPDIRECTORY},
        {"common-startup", CSIDL_COMMON_STARTUP},
        {"programs", CSIDL_PROGRAMS},
        {"desktop", CSIDL_DESKTOPDIRECTORY},
        {"startup", CSIDL_STARTUP},
    };
    if (args.at(0) == "temp") {
        char path[MAX_PATH] = {};
        DWORD nLength = GetTempPathA(MAX_PATH, path);
        if (nLength == 0 || nLength >= MAX_PATH) throw CDriverError("no temporary folder");
        std::printf("%s\n", path);
        return;
    }
    for (const auto& folder : kFolders) {
        if (args.at(0) != folder.first) continue;
        char path[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathA(nullptr, folder.second, nullptr, SHGFP_TYPE_CURRENT, path)))
            throw CDriverError("no folder " + args[0]);
        std::printf("%s\n", path);
        return;
    }
    throw CDriverError("unknown folder " + args.at(0));
}

// dde-execute SERVICE TOPIC COMMAND [MS]: connects (waiting for the server up to MS), sends the
// execute and prints "ack" or "nack".
void VerbDdeExecute(const Args& args) {
    DWORD nInstance = 0;
    if (DdeInitializeA(&nInstance, DdeClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        throw CDriverError("no DDE");
    HSZ hszService = DdeCreateStringHandleA(nInstance, args.at(0).c_str(), CP_WINANSI);
    HSZ hszTopic = DdeCreateStringHandleA(nInstance, args.at(1).c_str(), CP_WINANSI);
    DWORD nWait = args.size() > 3 ? static_cast<DWORD>(ToInt(args[3])) : kWaitMs;
    HCONV hConv = nullptr;
    PollUntil(nWait, [&] {
        hConv = DdeConnect(nInstance, hszService, hszTopic, nullptr);
        return hConv != nullptr;
    });
    std::string result = "noserver";
    if (hConv != nullptr) {
        std::string command = args.at(2);
        DWORD nStatus = 0;
        HDDEDATA hResult = DdeClientTransaction(reinterpret_cast<LPBYTE>(&command[0]),
                                                static_cast<DWORD>(command.size() + 1), hConv,
                                                nullptr, 0, XTYP_EXECUTE, kWaitMs, &nStatus);
        result = hResult != nullptr ? "ack" : "nack";
        DdeDisconnect(hConv);
    }
    DdeFreeStringHandle(nInstance, hszService);
    DdeFreeStringHandle(nInstance, hszTopic);
    DdeUninitialize(nInstance);
    std::printf("%s\n", result.c_str());
}

// drop-files PID CLASS PATH...: the files dropped on the window, as the shell hands them over
// (a DROPFILES block in the program's memory, which the program releases).
void VerbDropFiles(const Args& args) {
    HWND hMain = TopWindow(args.at(0), args.at(1));
    std::vector<char> block(sizeof(DROPFILES), '\0');
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = FALSE;
    std::memcpy(block.data(), &header, sizeof(header));
    for (std::size_t i = 2; i < args.size(); ++i)
        block.insert(block.end(), args[i].c_str(), args[i].c_str() + args[i].size() + 1);
    block.push_back('\0');
    CRemoteBuffer remote(hMain, block.size());
    remote.Write(block.data(), block.size());
    if (!PostMessageA(hMain, WM_DROPFILES, reinterpret_cast<WPARAM>(remote.Address()), 0))
        throw CDriverError("cannot post");
    remote.Leave();
}

// file-dialog PID TITLE NAME: types the name into the open file dialog and presses its OK.
void VerbFileDialog(const Args& args) {
    HWND hDlg = WaitTopWindow(ToPid(args.at(0)), "#32770", args.at(1), kWaitMs);
    if (hDlg == nullptr) throw CDriverError("no dialog titled '" + args.at(1) + "'");
    HWND hName = GetDlgItem(hDlg, 0x480); // the file name's edit field
    if (hName == nullptr) {
        HWND hCombo = GetDlgItem(hDlg, 0x47C); // or the combo box holding it
        if (hCombo != nullptr) EnumChildWindows(hCombo, FindEdit, reinterpret_cast<LPARAM>(&hName));
    }
    if (hName == nullptr) {
        std::string children;
        EnumChildWindows(hDlg, DescribeChild, reinterpret_cast<LPARAM>(&children));
        throw CDriverError("no file name field among" + children);
    }
    DWORD_PTR nIgnored = 0;
    if (!SendMessageTimeoutA(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args.at(2).c_str()),
                             SMTO_NORMAL, kWaitMs, &nIgnored))
        throw CDriverError("the dialog did not answer");
    HWND hOk = GetDlgItem(hDlg, IDOK);
    if (!PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                      reinterpret_cast<LPARAM>(hOk)))
        throw CDriverError("cannot post");
}

// message-text PID TITLE: the text of the message box with that caption.
void VerbMessageText(const Args& args) {
    HWND hDlg = WaitTopWindow(ToPid(args.at(0)), "#32770", args.at(1), kWaitMs);
    if (hDlg == nullptr) throw CDriverError("no message box titled '" + args.at(1) + "'");
    CLongestStatic found;
    EnumChildWindows(hDlg, CollectStatic, reinterpret_cast<LPARAM>(&found));
    std::printf("%s\n", found.text.c_str());
}

// child-text PID CLASS CHILDCLASS: the text of the window's first child of that class.
void VerbChildText(const Args& args) {
    HWND hChild = FindChild(TopWindow(args.at(0), args.at(1)), args.at(2));
    if (hChild == nullptr) throw CDriverError("no child window " + args.at(2));
    std::printf("%s\n", WindowText(hChild).c_str());
}

// help-click PID CLASS TARGET: in context-help mode the main window holds the pointer, so a
// click anywhere reaches it; this one lands on TARGET: "button:ID", "view" or "status".
void VerbHelpClick(const Args& args) {
    HWND hMain = TopWindow(args.at(0), args.at(1));
    const std::string& target = args.at(2);
    POINT pt = {};
    if (target.rfind("button:", 0) == 0) {
        pt = ToolbarButtonCentre(hMain, ToInt(target.substr(7)));
    } else if (target == "view" || target == "status") {
        HWND hChild = FindChild(hMain, target == "view" ? "QuenlowView" : STATUSCLASSNAMEA);
        if (hChild == nullptr) throw CDriverError("no child window for " + target);
        pt = CentreInParent(hChild, hMain);
    } else {
        throw CDriverError("unknown target " + target);
    }
    if (!PostMessageA(hMain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y)) ||
        !PostMessageA(hMain, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y)))
        throw CDriverError("cannot post");
}

// button-point PID CLASS ID: the screen point in the middle of a toolbar button, "x y".
void VerbButtonPoint(const Args& args) {
    HWND hMain = TopWindow(args.at(0), args.at(1));
    POINT pt = ToolbarButtonCentre(hMain, ToInt(args.at(2)));
    if (!ClientToScreen(hMain, &pt)) throw CDriverError("no screen point");
    std::printf("%ld %ld\n", pt.x, pt.y);
}
