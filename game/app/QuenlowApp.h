// The game's application object: its document template (the game's document and table view in
// the main window), the document's idle step and the About box.
#pragma once

#include "Win32App.h"

class CQuenlowApp : public CWin32App {
public:
    using CWin32App::CWin32App;

    // The document's idle step first, then the framework's own idle work.
    BOOL OnIdle(long nCount) override;
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnAppAbout();

protected:
    std::unique_ptr<CSingleDocTemplate> MakeDocTemplate() override;
};
