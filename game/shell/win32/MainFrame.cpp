#include "MainFrame.h"

#include "DocTemplate.h"
#include "Win32Platform.h"
#include "FrameworkIds.h"
#include "SystemProcs.h"

CMainFrame::CMainFrame(CWinApp& app, CWin32Platform& platform, int nCmdShow)
    : CFrameWnd(app), m_platform(platform), m_nCmdShow(nCmdShow) {}

CMainFrame::~CMainFrame() {
    DestroyFrame();
}

BOOL CMainFrame::LoadFrame(int nIDResource, CCreateContext& context) {
    HINSTANCE hInstance = m_platform.GetInstance();
    m_nIDResource = nIDResource;
    TakeView(context);
    if (!RegisterClassOnce(hInstance, kClassName, CS_DBLCLKS, nIDResource,
                           LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return FALSE;
    HMENU hMenu = LoadMenuA(hInstance, MAKEINTRESOURCEA(nIDResource));
    m_hAccel = LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(nIDResource));
    if (hMenu == nullptr || m_hAccel == nullptr) {
        if (hMenu != nullptr) DestroyMenu(hMenu);
        return FALSE;
    }
    std::string title;
    if (m_pTemplate != nullptr) title = m_pTemplate->GetDocString(CSingleDocTemplate::windowTitle);
    if (title.empty()) title = LoadString(IDS_APP_TITLE);
    // The caption is the title alone: the document has no name to add to it.
    m_pCreatingDoc = context.m_pCurrentDoc;
    HWND hWnd = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, kWidth, kHeight, nullptr, hMenu,
                                hInstance, this);
    m_pCreatingDoc = nullptr;
    if (hWnd == nullptr) {
        // A window that failed in its creation has not taken the menu with it.
        if (IsMenu(hMenu)) DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

int CMainFrame::OnCreate() {
    HINSTANCE hInstance = m_platform.GetInstance();
    m_platform.SetMainWindow(m_hWnd);
    if (!m_pView || !m_wndView.Create(m_hWnd, hInstance, m_pView.get())) return -1;
    m_pView->Attach(CWin32Platform::FromHwnd(m_wndView.GetSafeHwnd()), m_pCreatingDoc);
    return 0;
}

BOOL CMainFrame::CreateBars() {
    HINSTANCE hInstance = m_platform.GetInstance();
    if (!ControlsInit(ICC_BAR_CLASSES | ICC_WIN95_CLASSES) ||
        !m_wndToolBar.Create(m_hWnd, IDW_TOOLBAR, hInstance) ||
        !m_wndToolBar.LoadToolBar(m_nIDResource))
        return FALSE;
    if (!m_wndStatusBar.Create(m_hWnd, IDW_STATUS_BAR, hInstance) ||
        !m_wndStatusBar.SetIndicators({ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL},
                                      hInstance))
        return FALSE;
    g_pStatusBar = &m_wndStatusBar;
    SetIdleMessage();
    RecalcLayout();
    return TRUE;
}

void CMainFrame::RecalcLayout() {
    RECT rc;
    if (m_hWnd == nullptr || !GetClientRect(m_hWnd, &rc)) return;
    m_wndToolBar.AutoSize();
    int nTop = m_wndToolBar.GetHeight();
    int nBottom = rc.bottom;
    if (m_wndStatusBar.IsVisible()) {
        SendMessageA(m_wndStatusBar.GetSafeHwnd(), WM_SIZE, 0, 0);
        m_wndStatusBar.RecalcPanes();
        nBottom -= m_wndStatusBar.GetHeight();
    }
    if (m_wndView.GetSafeHwnd() != nullptr)
        MoveWindow(m_wndView.GetSafeHwnd(), 0, nTop, rc.right, nBottom > nTop ? nBottom - nTop : 0,
                   TRUE);
}

BOOL CMainFrame::ShowFrame() {
    ShowWindow(m_hWnd, m_nCmdShow);
    // The bars come once the window shows, before its first paint: loading the common
    // controls they need took some 15 ms of a 90 ms start under Wine.
    if (m_wndToolBar.GetSafeHwnd() == nullptr && !CreateBars()) return FALSE;
    UpdateWindow(m_hWnd);
    return TRUE;
}

void CMainFrame::HideFrame() {
    if (m_hWnd != nullptr) ShowWindow(m_hWnd, SW_HIDE);
}

void CMainFrame::DestroyFrame() {
    if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
}

void CMainFrame::OnIdleUpdateCmdUI() {
    m_wndToolBar.UpdateButtons(*this);
    m_wndStatusBar.UpdateIndicators();
}

void CMainFrame::ShowStatusBar(BOOL bShow) {
    ShowWindow(m_wndStatusBar.GetSafeHwnd(), bShow ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void CMainFrame::SetMessageText(const std::string& text) {
    m_wndStatusBar.SetPaneText(0, text, TRUE);
}

std::string CMainFrame::LoadString(int nID) const {
    char buffer[512] = {};
    int nLength = LoadStringA(m_platform.GetInstance(), static_cast<UINT>(nID), buffer,
                              static_cast<int>(sizeof(buffer)));
    return std::string(buffer, static_cast<std::size_t>(nLength > 0 ? nLength : 0));
}
