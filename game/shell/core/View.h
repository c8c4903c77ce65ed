// The view side of the document/view framework: a window over a document. The platform
// layer decodes window messages into the OnXxx calls below.
#pragma once

#include "Accessible.h"
#include "CmdTarget.h"
#include "Platform.h"

class CDocument;

constexpr int kHitTestClient = 1;
// Key codes, as the system's virtual keys.
constexpr unsigned kKeyTab = 0x09;
constexpr unsigned kKeyReturn = 0x0D;
constexpr unsigned kKeyEscape = 0x1B;
constexpr unsigned kKeySpace = 0x20;
constexpr unsigned kKeyEnd = 0x23;
constexpr unsigned kKeyHome = 0x24;
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyDown = 0x28;
// The system's flag of a key held down and repeating.
constexpr unsigned kKeyFlagRepeat = 0x4000;
// Held modifiers, added to a key's flags above the system's own 16 bits.
constexpr unsigned kKeyFlagShift = 0x10000;
constexpr unsigned kKeyFlagControl = 0x20000;

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
    // A key pressed while the view has the keyboard: nChar is the key's code (kKeyEscape...),
    // nFlags the system's key flags and the held modifiers (kKeyFlagShift...).
    virtual void OnKeyDown(unsigned nChar, unsigned nRepCnt, unsigned nFlags) {
        (void)nChar, (void)nRepCnt, (void)nFlags;
    }
    // TRUE when the view set the cursor itself; FALSE lets the platform's default set it.
    virtual BOOL OnSetCursor(int nHitTest, unsigned nMessage) {
        (void)nHitTest, (void)nMessage;
        return FALSE;
    }
    // The view's window gained or lost the keyboard.
    virtual void OnSetFocus() {}
    virtual void OnKillFocus() {}
    // What the view tells assistive technology; null: the platform's plain window object.
    virtual IAccessibleView* GetAccessible() { return nullptr; }
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
