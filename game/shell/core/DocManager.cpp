#include "DocManager.h"

#include "DocTemplate.h"
#include "Document.h"
#include "FileMessages.h"
#include "ShellServices.h"
#include "FrameworkIds.h"

void CDocManager::LoadRecentFileList() {
    m_recent.ReadList([this](const std::string& key) {
        return m_services.ReadProfileText(CRecentFileList::kSection, key);
    });
}

void CDocManager::SaveRecentFileList() const {
    m_recent.WriteList([this](const std::string& key, const std::string& value) {
        m_services.WriteProfileText(CRecentFileList::kSection, key, value);
    });
}

void CDocManager::ReportFileError(unsigned nError, bool bSaving, const std::string& path) {
    m_services.ShowMessage(
        FormatMessageText(m_services.LoadString(FileMessageId(nError, bSaving)), path));
}

void CDocManager::ReportCreateFailure() {
    m_services.ShowMessage(m_services.LoadString(IDS_FAILED_CREATE_DOC));
}

CDocument* CDocManager::NewDocument() {
    if (m_pTemplate == nullptr) return nullptr;
    CDocument* pDoc = m_pTemplate->OpenDocumentFile(nullptr);
    // A declined New keeps the document; only a document that could not be made is reported.
    if (pDoc == nullptr && m_pTemplate->GetDocument() == nullptr) ReportCreateFailure();
    return pDoc;
}

CDocument* CDocManager::OpenDocumentFile(const std::string& path) {
    if (m_pTemplate == nullptr) return nullptr;
    if (path.empty()) {
        ReportFileError(0, false, path);
        return nullptr;
    }
    std::string full = m_services.FullPath(path);
    if (unsigned nError = m_services.CheckReadable(full)) {
        ReportFileError(nError, false, full);
        return nullptr;
    }
    CDocument* pDoc = m_pTemplate->OpenDocumentFile(full.c_str());
    if (pDoc == nullptr) {
        if (m_pTemplate->GetDocument() == nullptr) ReportCreateFailure();
        return nullptr;
    }
    m_recent.Add(full);
    // The game stays as it was; the table is shown afresh.
    pDoc->UpdateAllViews(nullptr);
    return pDoc;
}

bool CDocManager::PromptFileName(bool bOpen, std::string& path) {
    std::string filterName;
    std::string filterExt;
    if (m_pTemplate != nullptr) {
        filterName = m_pTemplate->GetDocString(CSingleDocTemplate::filterName);
        filterExt = m_pTemplate->GetDocString(CSingleDocTemplate::filterExt);
    }
    return m_services.PromptFileName(bOpen, bOpen ? kOpenTitle : kSaveAsTitle, filterName,
                                     filterExt, path);
}

void CDocManager::OnFileOpen() {
    std::string path;
    if (PromptFileName(true, path)) OpenDocumentFile(path);
}

BOOL CDocManager::SaveDocument(CDocument& doc) {
    std::string path = doc.GetPathName();
    if (path.empty() || m_services.IsReadOnly(path)) {
        if (!PromptFileName(false, path)) return FALSE;
        if (path.empty()) {
            ReportFileError(0, true, path);
            return FALSE;
        }
        path = m_services.FullPath(path);
    }
    if (unsigned nError = m_services.WriteEmptyFile(path)) {
        ReportFileError(nError, true, path);
        return FALSE;
    }
    if (!doc.OnSaveDocument(path)) return FALSE;
    m_recent.Add(path);
    return TRUE;
}
