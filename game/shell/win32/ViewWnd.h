// The view's window: fills the frame's client area, asks for double-click messages, turns every
// message it gets into the matching call on its view, and hands screen readers the view's
// accessible object.
#pragma once

#include "BaseWindow.h"

class CAccessibleClient;
class CView;

class CViewWnd : public BaseWindow<CViewWnd> {
public:
    BOOL Create(HWND hParent, HINSTANCE hInstance, CView* pView);
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

    static constexpr const char* kClassName = "QuenlowView";

private:
    void OnPaint();
    // The view's own object for screen readers when it has one; the system's otherwise.
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    void ReleaseAccessible();

    CView* m_pView = nullptr;
    // Made at the first request and kept while the window lives: readers get the same object.
    CAccessibleClient* m_pAccessible = nullptr;
};
