// The help viewer: a window of its own beside the game, with the topic finder (the list of the
// help file's topics) on the left and the chosen topic's text on the right. Tab moves between
// the two, the keys of the text scroll it, Escape closes the window; its place and size are
// kept in the profile.
#pragma once

#include "BaseWindow.h"
#include "HelpFile.h"
#include "ShellServices.h"
#include "ShellTypes.h"

#include <string>

class CHelpViewer : public BaseWindow<CHelpViewer> {
public:
    CHelpViewer() = default;
    ~CHelpViewer();

    // Shows the file at the topic (the first, the contents, when null), making the window the
    // first time, with the icon resource nIconId; it belongs to hOwner and goes with it. FALSE
    // when the window cannot be made.
    BOOL Show(HWND hOwner, HINSTANCE hInstance, int nIconId, IShellServices& profile,
              const CHelpFile& file, const CHelpTopic* pTopic);
    // The viewer's own keys, taken before the message is dispatched; TRUE when one was.
    BOOL PreTranslateMessage(const MSG& msg);
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

    static constexpr const char* kClassName = "QuenlowHelp";
    static constexpr const char* kTitle = "Quenlow Help";
    static constexpr const char* kProfileSection = "Help Viewer";
    static constexpr const char* kProfileKey = "Place";

private:
    BOOL Create(HWND hOwner, HINSTANCE hInstance, int nIconId);
    // The remembered place when there is one, else beside the owner; within a work area.
    CRect InitialPlace(HWND hOwner) const;
    void ShowTopic(int nIndex);
    void Layout();
    void RememberPlace();

    CHelpFile m_file;
    IShellServices* m_pProfile = nullptr;
    HWND m_hList = nullptr;
    HWND m_hText = nullptr;
    HWND m_hFocus = nullptr; // the pane that had the keyboard when the window was left
    CRect m_rcPlace;         // the last place and size neither minimised nor maximised
};
