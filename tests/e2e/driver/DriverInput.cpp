// Keyboard and pointer input. Keys go through the system's input queue to the foreground
// window, as a user's would, so the program's accelerators see them; pointer input is posted
// to a child window at client coordinates.
#include "Driver.h"

#include <cctype>

namespace {
WORD VirtualKeyOf(const std::string& name) {
    static const struct {
        const char* pszName;
        WORD nKey;
    } kKeys[] = {{"back", VK_BACK},     {"delete", VK_DELETE}, {"insert", VK_INSERT},
                 {"scroll", VK_SCROLL}, {"escape", VK_ESCAPE}, {"return", VK_RETURN},
                 {"ctrl", VK_CONTROL},  {"alt", VK_MENU},      {"shift", VK_SHIFT}};
    for (const auto& key : kKeys) {
        if (name == key.pszName) return key.nKey;
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
    if (name.size() >= 2 && name[0] == 'f') {
        int n = ToInt(name.substr(1));
        if (n >= 1 && n <= 12) return static_cast<WORD>(VK_F1 + n - 1);
    }
    throw CDriverError("unknown key " + name);
}

bool IsExtended(WORD nKey) {
    return nKey == VK_INSERT || nKey == VK_DELETE || nKey == VK_HOME || nKey == VK_END ||
           nKey == VK_PRIOR || nKey == VK_NEXT || nKey == VK_LEFT || nKey == VK_RIGHT ||
           nKey == VK_UP || nKey == VK_DOWN;
}

INPUT KeyInput(WORD nKey, bool bUp) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = nKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(nKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (bUp ? KEYEVENTF_KEYUP : 0) | (IsExtended(nKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

// "ctrl+z": the keys are pressed in order and released in reverse.
void SendChord(const std::string& chord) {
    std::vector<WORD> keys;
    std::size_t nStart = 0;
    for (;;) {
        std::size_t nPlus = chord.find('+', nStart);
        keys.push_back(VirtualKeyOf(chord.substr(nStart, nPlus - nStart)));
        if (nPlus == std::string::npos) break;
        nStart = nPlus + 1;
    }
    std::vector<INPUT> inputs;
    for (WORD nKey : keys)
        inputs.push_back(KeyInput(nKey, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        inputs.push_back(KeyInput(*it, true));
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw CDriverError("input was refused");
}

// The main window, or the dialog it is waiting for: keys go to whichever is active.
void BringToFront(HWND hMain) {
    HWND hWnd = GetLastActivePopup(hMain);
    SetForegroundWindow(hWnd);
    if (!PollUntil(2000, [&] { return GetForegroundWindow() == hWnd; }))
        throw CDriverError("the window does not come to the front");
}

void PostMouse(HWND hWnd, UINT uMsg, WPARAM nFlags, int x, int y) {
    if (!PostMessageA(hWnd, uMsg, nFlags, MAKELPARAM(x, y))) throw CDriverError("cannot post");
}

HWND ChildWindow(const Args& args) {
    HWND hChild = FindChild(MainWindow(args), args.at(2));
    if (hChild == nullptr) throw CDriverError("no child window " + args.at(2));
    return hChild;
}
} // namespace

void VerbKey(const Args& args) {
    HWND hMain = MainWindow(args);
    BringToFront(hMain);
    for (std::size_t i = 2; i < args.size(); ++i)
        SendChord(args[i]);
}

void VerbClick(const Args& args) {
    HWND hChild = ChildWindow(args);
    int x = ToInt(args.at(3));
    int y = ToInt(args.at(4));
    PostMouse(hChild, WM_MOUSEMOVE, 0, x, y);
    PostMouse(hChild, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    PostMouse(hChild, WM_LBUTTONUP, 0, x, y);
}

void VerbDrag(const Args& args) {
    HWND hChild = ChildWindow(args);
    int x1 = ToInt(args.at(3));
    int y1 = ToInt(args.at(4));
    int x2 = ToInt(args.at(5));
    int y2 = ToInt(args.at(6));
    const int nSteps = 8;
    PostMouse(hChild, WM_MOUSEMOVE, 0, x1, y1);
    PostMouse(hChild, WM_LBUTTONDOWN, MK_LBUTTON, x1, y1);
    for (int i = 1; i <= nSteps; ++i)
        PostMouse(hChild, WM_MOUSEMOVE, MK_LBUTTON, x1 + (x2 - x1) * i / nSteps,
                  y1 + (y2 - y1) * i / nSteps);
    PostMouse(hChild, WM_LBUTTONUP, 0, x2, y2);
}
