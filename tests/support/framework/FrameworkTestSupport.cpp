#include "FrameworkTestSupport.h"

#include "GameDialogs.h"
#include "resource.h"

#include <algorithm>

namespace {
const CCmdEntry<CTestView> kViewCommands[] = {
    {ID_NEXT_PANE, &CTestView::OnNextPane, &CTestView::OnUpdateNextPane},
    {ID_FILE_SAVE, &CTestView::OnSharedCommand, nullptr},
};
const CCmdEntry<CTestFrame> kTestFrameCommands[] = {
    {ID_FILE_SAVE, &CTestFrame::OnSharedCommand, nullptr},
    {ID_HELP_FINDER, &CTestFrame::OnSharedCommand, nullptr},
};
const CCmdEntry<CTestApp> kTestAppCommands[] = {
    {ID_APP_ABOUT, &CTestApp::OnAppAbout, nullptr},
};
} // namespace

void CTestView::OnCancelMode() {
    m_log.push_back("view:cancel");
    if (auto* pDoc = static_cast<CQuenlowDoc*>(GetDocument()))
        m_nHistoryAtCancel = pDoc->GetHistoryCount();
}

BOOL CTestView::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return DispatchCmdMsg(this, kViewCommands, nID, pCmdUI);
}

BOOL CTestFrame::LoadFrame(int nIDResource, CCreateContext& context) {
    m_log.push_back("frame:load " + std::to_string(nIDResource));
    if (m_bFailLoad) return FALSE;
    TakeView(context);
    m_pView->Attach(m_platform.CreateView(594, 380), context.m_pCurrentDoc);
    return TRUE;
}

void CTestFrame::DestroyFrame() {
    // The saved state is in the store by the time the window goes, or it is not.
    bool bSaved = m_platform.m_registry.FindValue(RegRoot::CurrentUser, kSettingsKey, "game");
    m_log.push_back(bSaved ? "frame:destroy (saved)" : "frame:destroy");
}

BOOL CTestFrame::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    if (DispatchCmdMsg(this, kTestFrameCommands, nID, pCmdUI)) return TRUE;
    return CFrameWnd::OnCmdMsg(nID, pCmdUI);
}

std::string CTestFrame::LoadString(int nID) const {
    auto it = m_strings.find(nID);
    return it == m_strings.end() ? std::string() : it->second;
}

CTestApp::CTestApp(CHeadlessPlatform& platform, CEventLog& log)
    : m_headless(platform), m_log(log) {}

BOOL CTestApp::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return DispatchCmdMsg(this, kTestAppCommands, nID, pCmdUI) || CWinApp::OnCmdMsg(nID, pCmdUI);
}

void CTestApp::OnAppAbout() {
    CAboutDlg dlg;
    dlg.DoModal(m_headless);
}

BOOL CTestApp::OnIdle(long nCount) {
    if (auto* pDoc = static_cast<CQuenlowDoc*>(GetDocument())) pDoc->OnIdleUpdate();
    return CWinApp::OnIdle(nCount);
}

BOOL CTestApp::InitInstance() {
    auto makeDoc = [this] { return std::make_unique<CLoggedDoc>(m_headless, m_log); };
    auto makeFrame = [this]() -> std::unique_ptr<CFrameWnd> {
        auto pFrame = std::make_unique<CTestFrame>(*this, m_headless, m_log);
        pFrame->m_bFailLoad = m_bFailFrame;
        pFrame->m_bFailShow = m_bFailShow;
        m_pFrame = pFrame.get();
        return pFrame;
    };
    auto makeView = [this] { return std::make_unique<CTestView>(m_headless, m_log); };
    AddDocTemplate(
        std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, makeDoc, makeFrame, makeView));
    GetDocTemplate()->SetDocString("Quenlow\n\nQuenlow\nQuenlow Files (*.QNL)\n.QNL\n"
                                   "Quenlow.Document\nQuenlowDocument");
    return GetDocTemplate()->OpenDocumentFile(nullptr) != nullptr;
}

void FrameworkTest::SetUp() {
    m_platform.m_nTime = 7;
    m_pApp = std::make_unique<CTestApp>(m_platform, m_log);
    ASSERT_TRUE(m_pApp->InitInstance());
    Frame().m_strings[ID_EDIT_UNDO] = "Undo the last move\nUndo";
    Frame().m_strings[ID_APP_EXIT] = "Quit Quenlow\nExit";
    Frame().m_strings[IDS_IDLE_MESSAGE] = "For Help, press F1";
    Idle();
    m_log.clear();
}

CQuenlowDoc& FrameworkTest::Doc() const {
    return *static_cast<CQuenlowDoc*>(m_pApp->GetDocument());
}

void FrameworkTest::Idle() {
    for (long n = 0; m_pApp->OnIdle(n); ++n) {
    }
}

bool FrameworkTest::Logged(const std::string& event) const {
    return std::find(m_log.begin(), m_log.end(), event) != m_log.end();
}

std::string FrameworkTest::FanCodes() const {
    std::string out;
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s) {
            const CCard& card = Doc().GetCard(f, s);
            out += card.HasCard() ? CardCode(card.GetSuit(), card.GetRank()) : "--";
        }
        out += '|';
    }
    return out;
}
