#include "Document.h"

#include "DocManager.h"
#include "View.h"
#include "FrameworkIds.h"

#include <algorithm>

namespace {
const CCmdEntry<CDocument> kDocumentCommands[] = {
    {ID_FILE_SAVE, &CDocument::OnFileSave, nullptr},
};
} // namespace

BOOL CDocument::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    if (m_pDocManager == nullptr) return FALSE;
    return DispatchCmdMsg(this, kDocumentCommands, nID, pCmdUI);
}

void CDocument::OnFileSave() {
    m_pDocManager->SaveDocument(*this);
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const std::string& path) {
    DeleteContents();
    m_strPathName = path;
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const std::string& path) {
    m_strPathName = path;
    return TRUE;
}

void CDocument::AddView(CView* pView) {
    if (std::find(m_viewList.begin(), m_viewList.end(), pView) == m_viewList.end())
        m_viewList.push_back(pView);
}

void CDocument::RemoveView(CView* pView) {
    m_viewList.erase(std::remove(m_viewList.begin(), m_viewList.end(), pView), m_viewList.end());
}

void CDocument::UpdateAllViews(CView* pSender) {
    for (CView* pView : m_viewList) {
        if (pView != pSender) pView->OnUpdate(pSender, 0, nullptr);
    }
}
