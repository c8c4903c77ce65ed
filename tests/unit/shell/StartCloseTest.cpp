#include "FrameworkTestSupport.h"

#include "resource.h"

namespace {

TEST(StartUp, DocumentThenFrameThenNewGameThenShow) {
    CHeadlessPlatform platform;
    CEventLog log;
    CTestApp app(platform, log);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ((CEventLog{"doc:create", "frame:load 128", "doc:new", "frame:show"}), log);
    ASSERT_NE(nullptr, app.m_pMainWnd);
    EXPECT_EQ(app.GetDocument(), app.m_pMainWnd->GetActiveDocument());

    auto* pDoc = static_cast<CQuenlowDoc*>(app.GetDocument());
    EXPECT_TRUE(pDoc->IsInProgress()) << "an empty store deals a game";
    EXPECT_EQ(0, pDoc->GetLosses());
}

// A frame that cannot be made, or whose bars cannot be made once it shows, ends the start and
// leaves neither the document nor a pointer to the window that is gone.
TEST(StartUp, AFrameThatFailsLeavesNoDocument) {
    struct Case {
        BOOL bFailLoad;
        CEventLog expected;
    };
    const Case cases[] = {
        {TRUE, {"doc:create", "frame:load 128", "frame:destroy", "doc:destroy"}},
        {FALSE,
         {"doc:create", "frame:load 128", "doc:new", "frame:show", "frame:destroy", "doc:destroy"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bFailLoad ? "the frame is not made" : "the bars are not made");
        CHeadlessPlatform platform;
        CEventLog log;
        CTestApp app(platform, log);
        app.m_bFailFrame = c.bFailLoad;
        app.m_bFailShow = !c.bFailLoad;
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(nullptr, app.GetDocument());
        EXPECT_EQ(nullptr, app.m_pMainWnd);
        EXPECT_EQ(c.expected, log);
    }
}

TEST(StartUp, DocumentStringFields) {
    CHeadlessPlatform platform;
    CEventLog log;
    CTestApp app(platform, log);
    ASSERT_TRUE(app.InitInstance());
    const CSingleDocTemplate& tmpl = *app.GetDocTemplate();
    EXPECT_EQ("Quenlow", tmpl.GetDocString(CSingleDocTemplate::windowTitle));
    EXPECT_EQ("", tmpl.GetDocString(CSingleDocTemplate::docName));
    EXPECT_EQ("Quenlow Files (*.QNL)", tmpl.GetDocString(CSingleDocTemplate::filterName));
    EXPECT_EQ(".QNL", tmpl.GetDocString(CSingleDocTemplate::filterExt));
    EXPECT_EQ("QuenlowDocument", tmpl.GetDocString(CSingleDocTemplate::regFileTypeName));
    const CDocumentType type = tmpl.GetDocumentType();
    EXPECT_EQ("Quenlow.Document", type.m_strTypeId);
    EXPECT_EQ("QuenlowDocument", type.m_strTypeName);
    EXPECT_EQ(".QNL", type.m_strExtension);

    CSingleDocTemplate shortOne(1, nullptr, nullptr, nullptr);
    shortOne.SetDocString("Title\nName");
    EXPECT_EQ("Name", shortOne.GetDocString(CSingleDocTemplate::docName));
    EXPECT_EQ("", shortOne.GetDocString(CSingleDocTemplate::filterExt));
}

TEST_F(FrameworkTest, CloseStoresTheGameBeforeTheWindowGoes) {
    Frame().OnClose();
    EXPECT_EQ((CEventLog{"view:cancel", "frame:hide", "doc:destroy", "frame:destroy (saved)"}),
              m_log);
    EXPECT_EQ(nullptr, m_pApp->GetDocument());
    EXPECT_EQ(nullptr, Frame().GetActiveDocument()) << "the view no longer reaches the document";

    // Idle passes between the close and the end of the loop touch nothing.
    m_log.clear();
    Idle();
    EXPECT_TRUE(m_log.empty());
}

TEST_F(FrameworkTest, ExitClosesInTheSameOrder) {
    EXPECT_TRUE(Frame().ExecuteCommand(ID_APP_EXIT));
    EXPECT_EQ((CEventLog{"view:cancel", "view:cancel", "frame:hide", "doc:destroy",
                         "frame:destroy (saved)"}),
              m_log);
}

TEST_F(FrameworkTest, NothingClosesOrRunsUnderAnOpenDialog) {
    // A dialog runs on the document: the code that opened it still uses the document.
    Frame().m_bModal = TRUE;
    Frame().OnClose();
    EXPECT_FALSE(Frame().ExecuteCommand(ID_APP_EXIT));
    BOOL bKings = Doc().AreKingsAllowed();
    EXPECT_FALSE(Frame().ExecuteCommand(ID_KINGS));
    EXPECT_EQ(bKings, Doc().AreKingsAllowed());
    EXPECT_NE(nullptr, m_pApp->GetDocument());
    EXPECT_TRUE(m_log.empty());

    Frame().m_bModal = FALSE;
    Frame().OnClose();
    EXPECT_EQ(nullptr, m_pApp->GetDocument());
}

TEST_F(FrameworkTest, NewGameReusesTheDocumentAndAsksFirst) {
    CDocument* pFirst = m_pApp->GetDocument();
    std::string table = FanCodes();

    // Cancelled (or closed by its title bar, which also ends with 2): nothing changes.
    m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {kIdCancel}});
    EXPECT_TRUE(Frame().ExecuteCommand(ID_FILE_NEW));
    EXPECT_EQ(std::vector<int>{IDD_NEWGAME}, m_platform.m_dialogLog);
    EXPECT_EQ(table, FanCodes());
    EXPECT_EQ(0, Doc().GetLosses());

    m_platform.m_nTime = 99; // a different shuffle
    m_platform.m_dialogScripts.push_back({IDD_NEWGAME, {kIdOk}});
    EXPECT_TRUE(Frame().ExecuteCommand(ID_FILE_NEW));
    EXPECT_EQ(pFirst, m_pApp->GetDocument());
    EXPECT_EQ(1, Doc().GetLosses());
    EXPECT_TRUE(Doc().IsDealPending());
    EXPECT_NE(table, FanCodes());
    EXPECT_EQ((CEventLog{"view:cancel", "doc:new", "view:cancel", "doc:new"}), m_log);
}

TEST_F(FrameworkTest, NewGameAfterAWinDealsWithoutAsking) {
    EndGame(Doc());
    EXPECT_TRUE(Frame().ExecuteCommand(ID_FILE_NEW));
    EXPECT_TRUE(m_platform.m_dialogLog.empty());
    EXPECT_TRUE(Doc().IsInProgress());
    EXPECT_EQ(0, Doc().GetLosses());
}

} // namespace
