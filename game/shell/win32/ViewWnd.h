// The view's window: fills the frame's client area, asks for double-click messages and turns
// every message it gets into the matching call on its view.
#pragma once

#include "BaseWindow.h"

class CView;

class CViewWnd : public BaseWindow<CViewWnd> {
public:
    BOOL Create(HWND hParent, HINSTANCE hInstance, CView* pView);
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

    static constexpr const char* kClassName = "QuenlowView";

private:
    void OnPaint();

    CView* m_pView = nullptr;
};
