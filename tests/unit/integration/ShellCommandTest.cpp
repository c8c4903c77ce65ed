// The command line's effects, DDE open and dropped files, on the real document.
#include "ShellTestSupport.h"

#include "resource.h"

namespace {
const CDocumentType kQuenlowType{"Quenlow.Document", "QuenlowDocument", ".QNL"};

TEST_F(ShellTest, AFileNameOpensAnEmptyTableAndNewGameRestoresTheSavedGame) {
    auto pApp = Start({"C:\\games\\a.qnl"});
    CQuenlowDoc& doc = *pApp->Doc();
    EXPECT_EQ((CEventLog{"doc:create", "frame:load 128", "frame:show"}), m_log)
        << "no new-document step, and the frame is shown";
    EXPECT_EQ("C:\\games\\a.qnl", doc.GetPathName());
    EXPECT_FALSE(doc.IsInProgress());
    for (int f = 0; f < kFanCount; ++f)
        EXPECT_EQ(0, doc.GetCardCount(f)) << "fan " << f;
    EXPECT_FALSE(pApp->m_pFrame->QueryCmdState(ID_EDIT_UNDO).bEnabled);
    EXPECT_FALSE(pApp->m_pFrame->QueryCmdState(ID_START_OVER).bEnabled);
    EXPECT_FALSE(pApp->m_pFrame->ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(std::vector<std::string>{"C:\\games\\a.qnl"},
              pApp->m_shell.GetDocManager().GetRecentFileList().GetFiles());

    // New Game asks nothing, as no game is in play, and brings back the saved one.
    EXPECT_TRUE(pApp->m_pFrame->ExecuteCommand(ID_FILE_NEW));
    EXPECT_TRUE(m_platform.m_dialogLog.empty());
    EXPECT_TRUE(doc.IsInProgress());
    EXPECT_EQ(m_savedTable, Table(doc));
    EXPECT_EQ(0, doc.GetLosses());
    EXPECT_EQ("", doc.GetPathName()) << "a new document has no file";
}

TEST_F(ShellTest, ClosingAfterAFileStartKeepsTheSavedGame) {
    auto pApp = Start({"C:\\games\\a.qnl"});
    pApp->m_pFrame->OnClose();
    pApp.reset();
    EXPECT_EQ(m_savedGame, SavedGame());

    // And the next plain start plays it on.
    pApp = Start({});
    EXPECT_EQ(m_savedTable, Table(*pApp->Doc()));
}

TEST_F(ShellTest, AFileThatCannotBeOpenedIsReportedAndEndsTheProgram) {
    m_services.m_readErrors["C:\\games\\locked.qnl"] = 5;
    auto pApp = Start({"C:\\games\\missing.qnl"});
    EXPECT_EQ(std::vector<std::string>{"61730: C:\\games\\missing.qnl"}, m_services.m_messages);
    EXPECT_EQ((CEventLog{"start:ended"}), m_log) << "no document, no frame";
    EXPECT_EQ(1, pApp->m_shell.GetExitCode());

    m_services.m_messages.clear();
    pApp = Start({"C:\\games\\locked.qnl"});
    EXPECT_EQ(std::vector<std::string>{"61733: C:\\games\\locked.qnl"}, m_services.m_messages);
    EXPECT_EQ(nullptr, pApp->GetDocument());
    EXPECT_EQ(m_savedGame, SavedGame());
}

TEST_F(ShellTest, ARelativeNameIsOpenedByItsFullName) {
    m_services.m_files.insert("C:\\work\\c.qnl");
    auto pApp = Start({"c.qnl"});
    ASSERT_NE(nullptr, pApp->Doc());
    EXPECT_EQ("C:\\work\\c.qnl", pApp->Doc()->GetPathName());
}

TEST_F(ShellTest, PrintingOpensTheFileHiddenAndEnds) {
    for (auto args :
         {std::vector<std::string>{"/p", "C:\\games\\a.qnl"},
          std::vector<std::string>{"-PT", "C:\\games\\a.qnl", "Printer", "drv", "LPT1:"}}) {
        m_log.clear();
        auto pApp = Start(args);
        EXPECT_EQ((CEventLog{"doc:create", "frame:hidden", "frame:load 128", "frame:show",
                             "start:ended"}),
                  m_log)
            << "the print command finds no handler";
        EXPECT_EQ(0, pApp->m_shell.GetExitCode());
        EXPECT_FALSE(pApp->Doc()->IsInProgress());
        pApp.reset();
        EXPECT_EQ(m_savedGame, SavedGame());
    }
    auto pApp = Start({"/p", "C:\\games\\missing.qnl"});
    EXPECT_EQ(1, pApp->m_shell.GetExitCode());
    EXPECT_EQ(nullptr, pApp->GetDocument());
}

TEST_F(ShellTest, UnregisterRemovesTheTypeAndSaysSo) {
    auto pApp = std::make_unique<CShellTestApp>(m_platform, m_log, m_services);
    RegisterShellFileTypes(pApp->m_classes, kQuenlowType, "C:\\QUENLOW.EXE", true);
    ASSERT_FALSE(pApp->InitInstance({"/Unregister"}));
    EXPECT_EQ(std::vector<std::string>{"61707: %1"}, m_services.m_messages);
    EXPECT_TRUE(pApp->m_classes.m_keys.empty());
    EXPECT_EQ(0, pApp->m_shell.GetExitCode());
    EXPECT_EQ(nullptr, pApp->GetDocument());

    m_services.m_messages.clear();
    pApp = std::make_unique<CShellTestApp>(m_platform, m_log, m_services);
    RegisterShellFileTypes(pApp->m_classes, kQuenlowType, "C:\\QUENLOW.EXE", true);
    pApp->m_classes.m_locked.insert("Quenlow.Document\\DefaultIcon");
    ASSERT_FALSE(pApp->InitInstance({"-unregserver"}));
    EXPECT_EQ(std::vector<std::string>{"61708: %1"}, m_services.m_messages);
    EXPECT_EQ(1, pApp->m_shell.GetExitCode());
}

TEST_F(ShellTest, DdeWaitsWithoutAWindowForItsOpenCommand) {
    auto pApp = Start({"/dde"});
    EXPECT_TRUE(m_log.empty()) << "no document and no window yet";
    EXPECT_TRUE(pApp->m_shell.IsWaitingForDde());

    EXPECT_FALSE(CShellIntegration::IsDdeCommandSupported("[print(\"C:\\games\\a.qnl\")]"));
    EXPECT_FALSE(CShellIntegration::IsDdeCommandSupported("[open()]"));
    EXPECT_FALSE(CShellIntegration::IsDdeCommandSupported("open(\"a\")"));
    ASSERT_TRUE(CShellIntegration::IsDdeCommandSupported("[open(\"C:\\games\\a.qnl\")]"));
    EXPECT_TRUE(pApp->m_shell.RunDdeCommands("[open(\"C:\\games\\a.qnl\")]"));
    EXPECT_EQ((CEventLog{"doc:create", "frame:load 128", "frame:show"}), m_log);
    EXPECT_EQ("C:\\games\\a.qnl", pApp->Doc()->GetPathName());
    EXPECT_FALSE(pApp->Doc()->IsInProgress());
    EXPECT_FALSE(pApp->m_shell.IsWaitingForDde());
    EXPECT_FALSE(pApp->m_shell.OnDdeWaitOver()) << "the program lives on after its command";
}

TEST_F(ShellTest, DdeEndsTheProgramWithoutACommandOrWithAFailedOne) {
    auto pApp = Start({"/dde"});
    EXPECT_TRUE(pApp->m_shell.OnDdeWaitOver());
    EXPECT_EQ(nullptr, pApp->GetDocument());

    pApp = Start({"/dde"});
    EXPECT_FALSE(pApp->m_shell.RunDdeCommands("[open(\"C:\\games\\missing.qnl\")]"));
    EXPECT_EQ(std::vector<std::string>{"61730: C:\\games\\missing.qnl"}, m_services.m_messages);
}

TEST_F(ShellTest, DdeOpenWhileAGameIsPlayedLeavesTheGame) {
    auto pApp = Start({});
    CQuenlowDoc& doc = *pApp->Doc();
    std::string table = Table(doc);
    int nHistory = doc.GetHistoryCount();
    auto* pView = static_cast<CShellTestView*>(doc.GetFirstView());
    EXPECT_FALSE(pApp->m_shell.IsWaitingForDde());
    EXPECT_TRUE(
        pApp->m_shell.RunDdeCommands("[open(\"C:\\games\\a.qnl\")][open(\"C:\\games\\b.qnl\")]"));
    EXPECT_EQ("C:\\games\\b.qnl", doc.GetPathName());
    EXPECT_EQ(table, Table(doc));
    EXPECT_EQ(nHistory, doc.GetHistoryCount());
    EXPECT_TRUE(doc.IsInProgress());
    EXPECT_LE(1, pView->m_nCancels) << "a gesture in progress ends first";
    EXPECT_FALSE(pApp->m_shell.OnDdeWaitOver()) << "only a program started for DDE waits";
}

TEST_F(ShellTest, DroppedFilesAreOpenedAndLeaveTheGame) {
    auto pApp = Start({});
    CQuenlowDoc& doc = *pApp->Doc();
    std::string table = Table(doc);
    m_platform.m_invalidations.clear();
    auto* pView = static_cast<CShellTestView*>(doc.GetFirstView());
    pView->m_nCancels = 0;
    pApp->m_shell.OnDropFiles({"C:\\games\\a.qnl", "C:\\games\\missing.qnl", "C:\\games\\b.qnl"});
    EXPECT_EQ("C:\\games\\b.qnl", doc.GetPathName());
    EXPECT_EQ(std::vector<std::string>{"61730: C:\\games\\missing.qnl"}, m_services.m_messages);
    EXPECT_EQ((std::vector<std::string>{"C:\\games\\b.qnl", "C:\\games\\a.qnl"}),
              pApp->m_shell.GetDocManager().GetRecentFileList().GetFiles());
    EXPECT_EQ(table, Table(doc));
    EXPECT_TRUE(doc.IsInProgress());
    EXPECT_LE(1, pView->m_nCancels) << "a gesture in progress ends first";
    ASSERT_FALSE(m_platform.m_invalidations.empty()) << "the table is repainted";
    EXPECT_TRUE(m_platform.m_invalidations.back().bWhole);
}

} // namespace
