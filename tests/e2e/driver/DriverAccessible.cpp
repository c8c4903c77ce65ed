// Verbs that read a program's accessible objects from outside, as a screen reader does: the
// object behind a window with its children, navigation, default actions, and the events the
// program raises.
#include "Driver.h"

#include <oleacc.h>

#include <cstdio>

namespace {
// The thread joins a single-threaded apartment for the verb's length.
class CComScope {
public:
    CComScope() {
        if (FAILED(CoInitialize(nullptr))) throw CDriverError("no COM");
    }
    ~CComScope() { CoUninitialize(); }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;
};

// The client object of a child window: PID CLASS CHILD.
class CClientObject {
public:
    explicit CClientObject(const Args& args) {
        HWND hMain = FindTopWindow(ToPid(args.at(0)), args.at(1), "*");
        if (hMain == nullptr) throw CDriverError("no window of class " + args.at(1));
        HWND hChild = FindChild(hMain, args.at(2));
        if (hChild == nullptr) throw CDriverError("no child window " + args.at(2));
        HRESULT hr =
            AccessibleObjectFromWindow(hChild, static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&m_pAcc));
        if (FAILED(hr) || m_pAcc == nullptr) throw CDriverError("no accessible object");
    }
    ~CClientObject() {
        if (m_pAcc != nullptr) m_pAcc->Release();
    }
    CClientObject(const CClientObject&) = delete;
    CClientObject& operator=(const CClientObject&) = delete;
    IAccessible* operator->() const { return m_pAcc; }
    IAccessible* Get() const { return m_pAcc; }

private:
    IAccessible* m_pAcc = nullptr;
};

VARIANT Child(long nChild) {
    VARIANT var;
    VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

// A string the object returned, as ANSI text; empty when it returned none.
std::string Take(BSTR bstr) {
    if (bstr == nullptr) return std::string();
    int nBytes = WideCharToMultiByte(CP_ACP, 0, bstr, -1, nullptr, 0, nullptr, nullptr);
    std::string text(nBytes > 0 ? static_cast<std::size_t>(nBytes) : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, bstr, -1, &text[0], nBytes, nullptr, nullptr);
    SysFreeString(bstr);
    text.resize(text.size() - 1);
    return text;
}

long StateOf(IAccessible* pAcc, long nChild) {
    VARIANT state;
    VariantInit(&state);
    if (pAcc->get_accState(Child(nChild), &state) != S_OK || state.vt != VT_I4)
        throw CDriverError("no state of child " + std::to_string(nChild));
    return state.lVal;
}

long NavigationOf(const std::string& name) {
    static const struct {
        const char* pszName;
        long nDir;
    } kSteps[] = {
        {"next", NAVDIR_NEXT},      {"previous", NAVDIR_PREVIOUS}, {"first", NAVDIR_FIRSTCHILD},
        {"last", NAVDIR_LASTCHILD}, {"left", NAVDIR_LEFT},         {"right", NAVDIR_RIGHT},
        {"up", NAVDIR_UP},          {"down", NAVDIR_DOWN}};
    for (const auto& step : kSteps)
        if (name == step.pszName) return step.nDir;
    throw CDriverError("unknown direction " + name);
}

// The process whose events acc-events prints.
DWORD s_nWatchedPid = 0;

const char* EventName(DWORD nEvent) {
    switch (nEvent) {
    case EVENT_OBJECT_FOCUS:
        return "focus";
    case EVENT_OBJECT_SELECTION:
        return "selection";
    case EVENT_OBJECT_NAMECHANGE:
        return "name";
    default:
        return nullptr;
    }
}

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD nEvent, HWND hWnd, LONG nObject, LONG nChild, DWORD,
                         DWORD) {
    const char* pszName = EventName(nEvent);
    DWORD nPid = 0;
    GetWindowThreadProcessId(hWnd, &nPid);
    if (pszName == nullptr || nObject != OBJID_CLIENT || nPid != s_nWatchedPid) return;
    std::printf("%s %s %ld\n", pszName, ClassOf(hWnd).c_str(), static_cast<long>(nChild));
    std::fflush(stdout);
}
} // namespace

// acc-tree PID CLASS CHILD: the client object of the child window as "role count name", then
// one line a child: "id state action|name" (state in hex, action "-" when it has none).
void VerbAccTree(const Args& args) {
    CComScope com;
    CClientObject acc(args);
    long nCount = 0;
    VARIANT role;
    VariantInit(&role);
    BSTR bstrName = nullptr;
    if (acc->get_accChildCount(&nCount) != S_OK ||
        acc->get_accRole(Child(CHILDID_SELF), &role) != S_OK ||
        acc->get_accName(Child(CHILDID_SELF), &bstrName) != S_OK)
        throw CDriverError("the object does not describe itself");
    std::printf("%ld %ld %s\n", role.vt == VT_I4 ? role.lVal : -1L, nCount, Take(bstrName).c_str());
    for (long n = 1; n <= nCount; ++n) {
        BSTR bstrChild = nullptr;
        BSTR bstrAction = nullptr;
        if (acc->get_accName(Child(n), &bstrChild) != S_OK)
            throw CDriverError("no name of child " + std::to_string(n));
        std::string name = Take(bstrChild);
        const bool bAction = acc->get_accDefaultAction(Child(n), &bstrAction) == S_OK;
        std::string action = bAction ? Take(bstrAction) : "-";
        std::printf("%ld %lx %s|%s\n", n, StateOf(acc.Get(), n), action.c_str(), name.c_str());
    }
}

// acc-navigate PID CLASS CHILD FROM DIRECTION: the child reached, or 0 for none.
void VerbAccNavigate(const Args& args) {
    CComScope com;
    CClientObject acc(args);
    VARIANT end;
    VariantInit(&end);
    HRESULT hr = acc->accNavigate(NavigationOf(args.at(4)), Child(ToInt(args.at(3))), &end);
    if (FAILED(hr)) throw CDriverError("navigation failed");
    std::printf("%ld\n", hr == S_OK && end.vt == VT_I4 ? end.lVal : 0L);
}

// acc-location PID CLASS CHILD ID: the child's place on the screen, "x y width height".
void VerbAccLocation(const Args& args) {
    CComScope com;
    CClientObject acc(args);
    long x = 0, y = 0, cx = 0, cy = 0;
    if (acc->accLocation(&x, &y, &cx, &cy, Child(ToInt(args.at(3)))) != S_OK)
        throw CDriverError("no location");
    std::printf("%ld %ld %ld %ld\n", x, y, cx, cy);
}

// acc-do PID CLASS CHILD ID: carries out the child's default action.
void VerbAccDo(const Args& args) {
    CComScope com;
    CClientObject acc(args);
    if (acc->accDoDefaultAction(Child(ToInt(args.at(3)))) != S_OK)
        throw CDriverError("the default action failed");
}

// acc-events PID MS: prints "ready", then for MS milliseconds every focus, selection and name
// event of a client object in that process: "focus CLASS CHILD".
void VerbAccEvents(const Args& args) {
    // Every process is heard and the events filtered here: Wine 8 delivers none to a hook set
    // for one process.
    s_nWatchedPid = ToPid(args.at(0));
    HWINEVENTHOOK hHook =
        SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, OnWinEvent, 0, 0,
                        WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (hHook == nullptr) throw CDriverError("cannot listen to events");
    std::printf("ready\n");
    std::fflush(stdout);
    const DWORD nEnd = GetTickCount() + static_cast<DWORD>(ToInt(args.at(1)));
    while (static_cast<LONG>(nEnd - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    UnhookWinEvent(hHook);
}
