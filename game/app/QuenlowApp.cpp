#include "QuenlowApp.h"

#include "GameDialogs.h"
#include "QuenlowDoc.h"
#include "QuenlowView.h"
#include "Win32Platform.h"
#include "resource.h"

namespace {
const CCmdEntry<CQuenlowApp> kQuenlowAppCommands[] = {
    {ID_APP_ABOUT, &CQuenlowApp::OnAppAbout, nullptr},
};
} // namespace

std::unique_ptr<CSingleDocTemplate> CQuenlowApp::MakeDocTemplate() {
    CWin32Platform& platform = m_win32;
    CDocManager& manager = GetDocManager();
    auto makeDoc = [&platform, &manager] {
        auto pDoc = std::make_unique<CQuenlowDoc>(platform);
        pDoc->SetDocManager(&manager);
        return pDoc;
    };
    auto makeFrame = [this] { return MakeMainFrame(); };
    auto makeView = [&platform] { return std::make_unique<CQuenlowView>(platform); };
    return std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, makeDoc, makeFrame, makeView);
}

BOOL CQuenlowApp::OnIdle(long nCount) {
    if (auto* pDoc = dynamic_cast<CQuenlowDoc*>(GetDocument())) pDoc->OnIdleUpdate();
    return CWin32App::OnIdle(nCount);
}

BOOL CQuenlowApp::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return DispatchCmdMsg(this, kQuenlowAppCommands, nID, pCmdUI) ||
           CWin32App::OnCmdMsg(nID, pCmdUI);
}

void CQuenlowApp::OnAppAbout() {
    CAboutDlg dlg;
    // The result does not matter; a dialog that cannot be shown is simply not shown.
    dlg.DoModal(m_win32);
}
