#include "FrameWnd.h"

#include "DocTemplate.h"
#include "Document.h"
#include "View.h"
#include "WinApp.h"
#include "FrameworkIds.h"

namespace {
const CCmdEntry<CFrameWnd> kFrameCommands[] = {
    {ID_VIEW_STATUS_BAR, &CFrameWnd::OnViewStatusBar, &CFrameWnd::OnUpdateViewStatusBar},
};
} // namespace

CFrameWnd::~CFrameWnd() = default;

void CFrameWnd::TakeView(CCreateContext& context) {
    m_pTemplate = context.m_pTemplate;
    m_pView = std::move(context.m_pNewView);
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return m_pView ? m_pView->GetDocument() : nullptr;
}

BOOL CFrameWnd::InitialUpdateFrame() {
    if (m_pView && m_pView->GetDocument() != nullptr) m_pView->OnUpdate(nullptr, 0, nullptr);
    return ShowFrame();
}

BOOL CFrameWnd::RouteCmdMsg(int nID, CCmdUI* pCmdUI) {
    if (m_pView && m_pView->OnCmdMsg(nID, pCmdUI)) return TRUE;
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr && pDoc->OnCmdMsg(nID, pCmdUI)) return TRUE;
    if (OnCmdMsg(nID, pCmdUI)) return TRUE;
    return m_app.OnCmdMsg(nID, pCmdUI);
}

CCmdState CFrameWnd::QueryCmdState(int nID) {
    CCmdUI cmdUI(nID);
    CCmdState state;
    if (!RouteCmdMsg(nID, &cmdUI)) return state;
    // A handler whose update step leaves the enabling alone is enabled.
    state.bEnabled = cmdUI.m_bEnableChanged ? cmdUI.m_bEnabled : TRUE;
    state.bCheckSet = cmdUI.m_bCheckChanged;
    state.nCheck = cmdUI.m_nCheck;
    return state;
}

BOOL CFrameWnd::ExecuteCommand(int nID) {
    if (InModalState()) return FALSE;
    if (!QueryCmdState(nID).bEnabled) return FALSE;
    if (m_pView) m_pView->OnCancelMode();
    return RouteCmdMsg(nID, nullptr);
}

BOOL CFrameWnd::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return DispatchCmdMsg(this, kFrameCommands, nID, pCmdUI);
}

void CFrameWnd::OnViewStatusBar() {
    ShowStatusBar(!IsStatusBarVisible());
}

void CFrameWnd::OnUpdateViewStatusBar(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(IsStatusBarVisible() ? 1 : 0);
}

std::string CFrameWnd::GetMessageString(int nID) const {
    std::string str = LoadString(nID);
    return str.substr(0, str.find('\n'));
}

std::string CFrameWnd::GetToolTipText(int nID) const {
    std::string str = LoadString(nID);
    std::string::size_type nBreak = str.find('\n');
    return nBreak == std::string::npos ? std::string() : str.substr(nBreak + 1);
}

void CFrameWnd::OnMenuSelect(int nID) {
    if (nID == 0)
        SetIdleMessage();
    else
        SetMessageText(GetMessageString(nID));
}

void CFrameWnd::SetIdleMessage() {
    SetMessageText(LoadString(IDS_IDLE_MESSAGE));
}

void CFrameWnd::OnClose() {
    if (InModalState()) return;
    if (m_pView) m_pView->OnCancelMode();
    // The document is never marked modified, so nothing asks to save.
    HideFrame();
    if (m_pTemplate != nullptr) m_pTemplate->CloseDocument();
    DestroyFrame();
}
