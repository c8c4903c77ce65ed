#include "DocTemplate.h"

#include "Document.h"
#include "FrameWnd.h"
#include "View.h"
#include "WinApp.h"

CSingleDocTemplate::CSingleDocTemplate(int nIDResource, DocFactory makeDoc, FrameFactory makeFrame,
                                       ViewFactory makeView)
    : m_nIDResource(nIDResource), m_makeDoc(std::move(makeDoc)), m_makeFrame(std::move(makeFrame)),
      m_makeView(std::move(makeView)) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    // A run that ends without the close (the loop ended otherwise) still stores the game.
    CloseDocument();
    m_pFrame.reset();
}

std::string CSingleDocTemplate::GetDocString(DocStringIndex index) const {
    std::string::size_type nStart = 0;
    for (int i = 0; i < index; ++i) {
        nStart = m_strDocStrings.find('\n', nStart);
        if (nStart == std::string::npos) return std::string();
        ++nStart;
    }
    std::string::size_type nEnd = m_strDocStrings.find('\n', nStart);
    return m_strDocStrings.substr(nStart, nEnd == std::string::npos ? nEnd : nEnd - nStart);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* pszPathName) {
    if (!m_pDocument) return CreateFirstDocument(pszPathName);
    BOOL bOk = pszPathName == nullptr ? m_pDocument->OnNewDocument()
                                      : m_pDocument->OnOpenDocument(pszPathName);
    return bOk ? m_pDocument.get() : nullptr;
}

CDocument* CSingleDocTemplate::CreateFirstDocument(const char* pszPathName) {
    m_pDocument = m_makeDoc();
    m_pFrame = m_makeFrame();
    if (!m_pDocument || !m_pFrame) {
        m_pFrame.reset();
        m_pDocument.reset();
        return nullptr;
    }
    CCreateContext context;
    context.m_pCurrentDoc = m_pDocument.get();
    context.m_pTemplate = this;
    context.m_pNewView = m_makeView();
    if (!context.m_pNewView || !m_pFrame->LoadFrame(m_nIDResource, context)) {
        // The frame may have made part of its window before failing.
        m_pFrame->DestroyFrame();
        CloseDocument();
        m_pFrame.reset();
        return nullptr;
    }
    CWinApp& app = m_pFrame->GetApp();
    if (app.m_pMainWnd == nullptr) app.m_pMainWnd = m_pFrame.get();
    BOOL bOk = pszPathName == nullptr ? m_pDocument->OnNewDocument()
                                      : m_pDocument->OnOpenDocument(pszPathName);
    if (!bOk || !m_pFrame->InitialUpdateFrame()) {
        m_pFrame->DestroyFrame();
        CloseDocument();
        if (app.m_pMainWnd == m_pFrame.get()) app.m_pMainWnd = nullptr;
        m_pFrame.reset();
        return nullptr;
    }
    return m_pDocument.get();
}

void CSingleDocTemplate::CloseDocument() {
    if (!m_pDocument) return;
    // No view may reach the document once it is gone.
    std::vector<CView*> views = m_pDocument->GetViews();
    for (CView* pView : views)
        pView->Detach();
    m_pDocument.reset();
}
