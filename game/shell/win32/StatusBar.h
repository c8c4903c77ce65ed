// The main window's status bar: a message pane followed by key indicators.
#pragma once

#include "Win32Api.h"

#include <string>
#include <vector>

class CStatusBar {
public:
    CStatusBar() = default;
    CStatusBar(const CStatusBar&) = delete;
    CStatusBar& operator=(const CStatusBar&) = delete;

    BOOL Create(HWND hParent, int nID, HINSTANCE hInstance);
    // The message pane, then one pane per indicator id; each indicator shows its string
    // resource while its key is toggled on.
    BOOL SetIndicators(const std::vector<int>& indicatorIds, HINSTANCE hInstance);

    void SetPaneText(int nIndex, const std::string& text, BOOL bUpdate);
    std::string GetPaneText(int nIndex) const;
    // The panes' widths follow the bar's width; called when the frame changes size.
    void RecalcPanes();
    // The indicators follow their keys; called on the first idle pass.
    void UpdateIndicators();

    HWND GetSafeHwnd() const { return m_hWnd; }
    BOOL IsVisible() const { return m_hWnd != nullptr && IsWindowVisible(m_hWnd); }
    int GetHeight() const;

private:
    struct CIndicator {
        int nID;
        int nVirtKey;
        std::string strText;
        int nWidth;
    };

    HWND m_hWnd = nullptr;
    std::vector<CIndicator> m_indicators;
};

// The main window's status bar while the window exists; the game writes "Game Over!" and a
// card's name through it.
extern CStatusBar* g_pStatusBar;
