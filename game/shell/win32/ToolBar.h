// The main window's toolbar, built from a toolbar resource and the bitmap of the same id.
#pragma once

#include "Win32Api.h"

#include <vector>

class CFrameWnd;

// The layout of a toolbar resource (type 241): version 1, button width and height, the count,
// then one command id per item (0 for a separator).
struct CToolBarLayout {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<int> items;
};

class CToolBar {
public:
    CToolBar() = default;
    ~CToolBar();
    CToolBar(const CToolBar&) = delete;
    CToolBar& operator=(const CToolBar&) = delete;

    // A flat bar at the top with tool tips; the parent gets the tips' texts and hot-item
    // changes (the fly-by prompts) through WM_NOTIFY.
    BOOL Create(HWND hParent, int nID, HINSTANCE hInstance);
    BOOL LoadToolBar(int nIDResource);

    // Enables, disables and checks every button as its command's update step says.
    void UpdateButtons(CFrameWnd& frame);
    void AutoSize();
    // No button stays highlighted, wherever the pointer is.
    void ClearHotItem();
    // Whether the pointer is over the bar itself, not over a window that covers it.
    BOOL IsUnderPointer() const;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The room the bar takes at the top of its parent: the control and, below it, its border.
    int GetHeight() const;
    // The border, an etched line across the parent's width, which the parent paints: the
    // control itself can draw its divider only along its top.
    void DrawBorder(HDC hdc, int nWidth) const;
    const std::vector<int>& GetItems() const { return m_layout.items; }

    static BOOL ReadLayout(HINSTANCE hInstance, int nIDResource, CToolBarLayout& layout);

private:
    static constexpr int kBorderHeight = 2; // the two one-pixel lines of an etched edge

    HWND m_hWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    HBITMAP m_hbmButtons = nullptr;
    CToolBarLayout m_layout;
};
