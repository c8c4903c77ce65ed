// The view side of the document/view framework: a window over a document. The platform
// layer decodes window messages into the OnXxx calls below.
#pragma once

#include "CmdTarget.h"
#include "Platform.h"

class CDocument;

constexpr int kHitTestClient = 1;
constexpr unsigned kKeyEscape = 0x1B;

class CView : public CCmdTarget {
public:
    explicit CView(IPlatform& platform) : m_platform(platform) {}
    ~CView() override;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    // Ties the view to its window and its document (the document learns of the view).
    void Attach(WindowRef hWnd, CDocument* pDocument);
    void Detach();
    WindowRef GetSafeHwnd() const { return m_hWnd; }
    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnDraw(IDrawContext& dc) = 0;
    // A repaint request from the document: the base invalidates the whole client area.
    virtual void OnUpdate(CView* pSender, long lHint, void* pHint);
    // TRUE: the background is taken care of; FALSE: the platform erases it.
    virtual BOOL OnEraseBkgnd() { return FALSE; }

    virtual void OnLButtonDown(unsigned nFlags, CPoint point) { (void)nFlags, (void)point; }
    virtual void OnLButtonUp(unsigned nFlags, CPoint point) { (void)nFlags, (void)point; }
    virtual void OnLButtonDblClk(unsigned nFlags, CPoint point) { (void)nFlags, (void)point; }
    virtual void OnMouseMove(unsigned nFlags, CPoint point) { (void)nFlags, (void)point; }
    virtual void OnRButtonDown(unsigned nFlags, CPoint point) { (void)nFlags, (void)point; }
    virtual void OnRButtonUp(unsigned nFlags, CPoint point) { (void)nFlags, (void)point; }
    virtual void OnRButtonDblClk(unsigned nFlags, CPoint point) { (void)nFlags, (void)point; }
    // A key pressed while the view has the keyboard: nChar is the key's code (kKeyEscape...).
    virtual void OnKeyDown(unsigned nChar, unsigned nRepCnt, unsigned nFlags) {
        (void)nChar, (void)nRepCnt, (void)nFlags;
    }
    // TRUE when the view set the cursor itself; FALSE lets the platform's default set it.
    virtual BOOL OnSetCursor(int nHitTest, unsigned nMessage) {
        (void)nHitTest, (void)nMessage;
        return FALSE;
    }
    // The pointer capture went to another window (hNewCapture), or was released.
    virtual void OnCaptureChanged(WindowRef hNewCapture) { (void)hNewCapture; }
    // Any gesture in progress ends as a cancelled one (before a command is carried out).
    virtual void OnCancelMode() {}

protected:
    IPlatform& m_platform;

private:
    WindowRef m_hWnd = 0;
    CDocument* m_pDocument = nullptr;
};
