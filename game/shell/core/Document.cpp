#include "Document.h"

#include "View.h"

#include <algorithm>

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
        if (pView != pSender)
            pView->OnUpdate(pSender, 0, nullptr);
    }
}
