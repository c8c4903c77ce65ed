// The help viewer: a window of its own beside the game, with the topic finder (the list of the
// help file's topics) on the left and the chosen topic's text on the right.
#pragma once

#include "BaseWindow.h"
#include "HelpFile.h"

#include <string>

class CHelpViewer : public BaseWindow<CHelpViewer> {
public:
    CHelpViewer() = default;
    ~CHelpViewer();

    // Shows the file at the topic (the first, the contents, when null), making the window the
    // first time; it belongs to hOwner and goes with it. FALSE when the window cannot be made.
    BOOL Show(HWND hOwner, HINSTANCE hInstance, const CHelpFile& file, const CHelpTopic* pTopic);
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

    static constexpr const char* kClassName = "QuenlowHelp";
    static constexpr const char* kTitle = "Quenlow Help";

private:
    BOOL Create(HWND hOwner, HINSTANCE hInstance);
    void ShowTopic(int nIndex);
    void Layout();

    CHelpFile m_file;
    HWND m_hList = nullptr;
    HWND m_hText = nullptr;
};
