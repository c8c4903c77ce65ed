// Message boxes, the wizard and progress dialog, and the minimised main window.
#include "SetupDialogs.h"
#include "SetupResource.h"
#include "SystemLibrary.h"
#include "Win32SetupSystem.h"

#include <commctrl.h>
#include <objbase.h>

namespace {

constexpr const char* kClassName = "SampleWClass";

UINT BoxStyle(BoxKind kind) {
    switch (kind) {
    case BoxKind::OkError:
        return MB_OK | MB_ICONERROR;
    case BoxKind::YesNo:
        return MB_YESNO;
    case BoxKind::OkCancel:
        return MB_OKCANCEL;
    case BoxKind::RetryCancel:
        return MB_RETRYCANCEL | MB_ICONWARNING;
    case BoxKind::Ok:
        break;
    }
    return MB_OK;
}

} // namespace

CWin32SetupSystem::~CWin32SetupSystem() {
    if (m_bComReady) CoUninitialize();
}

BoxAnswer CWin32SetupSystem::ShowMessage(BoxOwner owner, const std::string& strText,
                                         const std::string& strCaption, BoxKind kind) {
    HWND hWndOwner = owner == BoxOwner::MainWindow ? m_hWndMain : nullptr;
    switch (MessageBoxA(hWndOwner, strText.c_str(), strCaption.c_str(), BoxStyle(kind))) {
    case IDOK:
        return BoxAnswer::Ok;
    case IDYES:
        return BoxAnswer::Yes;
    case IDNO:
        return BoxAnswer::No;
    case IDRETRY:
        return BoxAnswer::Retry;
    default:
        return BoxAnswer::Cancel; // also a box that could not be shown
    }
}

bool CWin32SetupSystem::RunWizard(const std::string& strProduct, std::string& strDestination) {
    return ::RunWizard(m_hInstance, m_hWndMain, *this, strProduct, strDestination) != 0;
}

void CWin32SetupSystem::OpenProgress(int nEntries) {
    m_hWndProgress = OpenProgressDialog(m_hInstance, m_hWndMain, nEntries);
}

void CWin32SetupSystem::StepProgress() {
    if (m_hWndProgress != nullptr) StepProgressDialog(m_hWndProgress);
}

void CWin32SetupSystem::RepaintProgress() {
    if (m_hWndProgress != nullptr) RepaintProgressDialog(m_hWndProgress);
}

void CWin32SetupSystem::CloseProgress() {
    CloseProgressDialog(m_hWndProgress);
}

void CWin32SetupSystem::DispatchMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Left for the main loop, which ends the program once the job is done.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool CWin32SetupSystem::PrepareMainWindow() {
    // The shortcut objects need COM; without it each link fails and the run says so.
    m_bComReady = SUCCEEDED(CoInitialize(nullptr));
    // Without them the progress dialog is simply not shown.
    ControlsInit(ICC_PROGRESS_CLASS | ICC_ANIMATE_CLASS);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = SetupWindowProc;
    windowClass.hInstance = m_hInstance;
    windowClass.hIcon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDI_SETUP));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
}

int CWin32SetupSystem::RunMainWindow(const std::function<void()>& job) {
    m_pJob = &job;
    HWND hWnd =
        CreateWindowA(kClassName, "Setup", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, m_hInstance, this);
    if (hWnd == nullptr) return 0;
    ShowWindow(hWnd, SW_SHOWMINIMIZED); // answers whether it was visible before
    UpdateWindow(hWnd);
    MSG msg = {};
    BOOL bGot;
    while ((bGot = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (bGot == -1) return 0;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK CWin32SetupSystem::SetupWindowProc(HWND hWnd, UINT nMsg, WPARAM wParam,
                                                    LPARAM lParam) {
    auto* pThis = reinterpret_cast<CWin32SetupSystem*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (pThis == nullptr && nMsg != WM_NCCREATE)
        return DefWindowProcA(hWnd, nMsg, wParam, lParam); // sizing before the window exists
    switch (nMsg) {
    case WM_NCCREATE:
        pThis = static_cast<CWin32SetupSystem*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
        pThis->m_hWndMain = hWnd;
        break;
    case WM_CREATE:
        // The job starts as soon as the message loop runs; without it nothing would ever end.
        return PostMessageA(hWnd, WM_COMMAND, IDM_RUN_SETUP, 0) ? 0 : -1;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDM_RUN_SETUP || pThis->m_bJobStarted) break;
        pThis->m_bJobStarted = true;
        (*pThis->m_pJob)();
        if (!DestroyWindow(hWnd)) PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        // Messages are dispatched while files are copied: the job always runs to its end.
        if (pThis->m_bJobStarted) return 0;
        break;
    case WM_WINDOWPOSCHANGING:
        // The minimised window can be neither moved, sized nor restored.
        if (pThis->m_bPositionSeen) {
            reinterpret_cast<WINDOWPOS*>(lParam)->flags =
                SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOOWNERZORDER;
            return 0;
        }
        pThis->m_bPositionSeen = true;
        break;
    case WM_DESTROY:
        pThis->m_hWndMain = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hWnd, nMsg, wParam, lParam);
}
