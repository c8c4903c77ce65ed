#include "View.h"

#include "Document.h"

CView::~CView() {
    Detach();
}

void CView::Attach(WindowRef hWnd, CDocument* pDocument) {
    Detach();
    m_hWnd = hWnd;
    m_pDocument = pDocument;
    if (m_pDocument != nullptr) m_pDocument->AddView(this);
}

void CView::Detach() {
    if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
    m_pDocument = nullptr;
    m_hWnd = 0;
}

void CView::OnUpdate(CView* pSender, long lHint, void* pHint) {
    (void)pSender, (void)lHint, (void)pHint;
    m_platform.InvalidateRect(m_hWnd, nullptr, TRUE);
}
