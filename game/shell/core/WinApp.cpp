#include "WinApp.h"

#include "FrameWnd.h"
#include "FrameworkIds.h"

namespace {
const CCmdEntry<CWinApp> kAppCommands[] = {
    {ID_FILE_NEW, &CWinApp::OnFileNew, nullptr},
    {ID_APP_EXIT, &CWinApp::OnAppExit, nullptr},
};
} // namespace

CWinApp::~CWinApp() = default;

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate) {
    m_pDocTemplate = std::move(pTemplate);
}

CDocument* CWinApp::GetDocument() const {
    return m_pDocTemplate ? m_pDocTemplate->GetDocument() : nullptr;
}

BOOL CWinApp::OnIdle(long nCount) {
    if (nCount == 0 && m_pMainWnd != nullptr && GetDocument() != nullptr)
        m_pMainWnd->OnIdleUpdateCmdUI();
    if (nCount == 0) ++m_nIdlePasses;
    // One pass is all the idle work there is; the loop then waits for the next message.
    return FALSE;
}

BOOL CWinApp::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return DispatchCmdMsg(this, kAppCommands, nID, pCmdUI);
}

void CWinApp::OnFileNew() {
    // A New that the document declines (the confirmation was cancelled) changes nothing.
    if (m_pDocTemplate) m_pDocTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd != nullptr) m_pMainWnd->OnClose();
}
