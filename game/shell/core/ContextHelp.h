// Context-help mode (Shift+F1): the pointer shows the help cursor until the next click, which
// names the help topic to open; Escape, or a click outside the program, ends it without one.
#pragma once

#include "ShellTypes.h"

#include <string>

class IPointer;

// What the click that ends the mode landed on.
enum class HelpHit {
    Command,   // a menu item or a toolbar button, by its command id
    Table,     // the view
    ToolBar,   // the toolbar outside its buttons
    StatusBar, // the status bar
    Frame,     // the rest of the main window: its caption and borders
    Outside    // anywhere else
};

class CContextHelpMode {
public:
    void Enter(IPointer& pointer);
    bool IsActive() const { return m_bActive; }
    // Keeps the help cursor up while the mode lasts; FALSE when it is not active.
    BOOL OnSetCursor(IPointer& pointer) const;
    // Ends the mode with a click. TRUE when a topic is to be opened for the help context it
    // names: a command id, "table", "toolbar", "statusbar", or empty for the contents.
    BOOL OnClick(IPointer& pointer, HelpHit hit, int nID, std::string& context);
    void Cancel(IPointer& pointer);

private:
    bool m_bActive = false;
    PlatformHandle m_hHelpCursor = 0;
    PlatformHandle m_hPreviousCursor = 0;
};

// The help context of a hit, as the help file's topics list them.
std::string HelpContextOf(HelpHit hit, int nID);
