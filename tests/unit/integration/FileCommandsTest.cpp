// Open (Ctrl+O), Save (Ctrl+S) and the recent-file list: files change, the game never does.
#include "ShellTestSupport.h"

#include "resource.h"

namespace {

class FileCommandsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_pApp = Start({});
        m_table = Table(Doc());
        m_nHistory = Doc().GetHistoryCount();
        m_log.clear();
    }
    CQuenlowDoc& Doc() const { return *m_pApp->Doc(); }
    CTestFrame& Frame() const { return *m_pApp->m_pFrame; }
    void ExpectGameUnchanged() const {
        EXPECT_EQ(m_table, Table(Doc()));
        EXPECT_EQ(m_nHistory, Doc().GetHistoryCount());
        EXPECT_TRUE(Doc().IsInProgress());
        EXPECT_EQ(0, Doc().GetLosses());
    }
    std::vector<std::string> Recent() const {
        return m_pApp->m_shell.GetDocManager().GetRecentFileList().GetFiles();
    }

    std::unique_ptr<CShellTestApp> m_pApp;
    std::string m_table;
    int m_nHistory = 0;
};

TEST_F(FileCommandsTest, OpenNamesTheDocumentWithoutTouchingTheGame) {
    EXPECT_TRUE(Frame().QueryCmdState(ID_FILE_OPEN).bEnabled);
    m_services.m_answers = {"C:\\games\\a.qnl"};
    EXPECT_TRUE(Frame().ExecuteCommand(ID_FILE_OPEN));
    EXPECT_EQ(std::vector<std::string>{"Open|Quenlow Files (*.QNL)|.QNL|"}, m_services.m_prompts);
    EXPECT_EQ("C:\\games\\a.qnl", Doc().GetPathName());
    EXPECT_EQ(std::vector<std::string>{"C:\\games\\a.qnl"}, Recent());
    EXPECT_TRUE(m_services.m_messages.empty());
    EXPECT_TRUE(m_platform.m_dialogLog.empty()) << "no New Game confirmation";
    ExpectGameUnchanged();
}

TEST_F(FileCommandsTest, OpenCancelledOrFailedChangesNothing) {
    m_services.m_answers = {""};
    Frame().ExecuteCommand(ID_FILE_OPEN);
    m_services.m_answers = {"C:\\games\\gone.qnl"};
    Frame().ExecuteCommand(ID_FILE_OPEN);
    EXPECT_EQ(std::vector<std::string>{"61730: C:\\games\\gone.qnl"}, m_services.m_messages);
    EXPECT_EQ("", Doc().GetPathName());
    EXPECT_TRUE(Recent().empty());
    ExpectGameUnchanged();
}

TEST_F(FileCommandsTest, SaveWithoutAFileAsksForOneAndWritesItEmpty) {
    EXPECT_TRUE(Frame().QueryCmdState(ID_FILE_SAVE).bEnabled);
    m_services.m_answers = {"new.qnl"};
    EXPECT_TRUE(Frame().ExecuteCommand(ID_FILE_SAVE));
    EXPECT_EQ(std::vector<std::string>{"Save As|Quenlow Files (*.QNL)|.QNL|"},
              m_services.m_prompts);
    EXPECT_EQ(std::vector<std::string>{"C:\\work\\new.qnl"}, m_services.m_written);
    EXPECT_EQ("C:\\work\\new.qnl", Doc().GetPathName());
    EXPECT_EQ(std::vector<std::string>{"C:\\work\\new.qnl"}, Recent());
    ExpectGameUnchanged();

    // The document now has its file: the next Save writes it again without asking.
    Frame().ExecuteCommand(ID_FILE_SAVE);
    EXPECT_EQ(1u, m_services.m_prompts.size());
    EXPECT_EQ(2u, m_services.m_written.size());
}

TEST_F(FileCommandsTest, SaveToAReadOnlyFileAsksForAnother) {
    m_services.m_answers = {"C:\\games\\a.qnl"};
    Frame().ExecuteCommand(ID_FILE_OPEN);
    m_services.m_readOnly.insert("C:\\games\\a.qnl");
    m_services.m_answers = {"C:\\games\\copy.qnl"};
    Frame().ExecuteCommand(ID_FILE_SAVE);
    EXPECT_EQ("Save As|Quenlow Files (*.QNL)|.QNL|C:\\games\\a.qnl", m_services.m_prompts.back())
        << "the dialog proposes the document's file";
    EXPECT_EQ(std::vector<std::string>{"C:\\games\\copy.qnl"}, m_services.m_written);
    EXPECT_EQ("C:\\games\\copy.qnl", Doc().GetPathName());
    ExpectGameUnchanged();
}

TEST_F(FileCommandsTest, SaveThatFailsIsReportedAndKeepsTheDocumentsFile) {
    m_services.m_answers = {"C:\\games\\a.qnl"};
    Frame().ExecuteCommand(ID_FILE_OPEN);
    m_services.m_writeErrors["C:\\games\\a.qnl"] = 5;
    Frame().ExecuteCommand(ID_FILE_SAVE);
    m_services.m_writeErrors["C:\\nowhere\\b.qnl"] = 3;
    m_services.m_readOnly.insert("C:\\games\\a.qnl");
    m_services.m_answers = {"C:\\nowhere\\b.qnl"};
    Frame().ExecuteCommand(ID_FILE_SAVE);
    m_services.m_answers = {""};
    Frame().ExecuteCommand(ID_FILE_SAVE);
    EXPECT_EQ((std::vector<std::string>{"61733: C:\\games\\a.qnl", "61731: C:\\nowhere\\b.qnl"}),
              m_services.m_messages);
    EXPECT_EQ("C:\\games\\a.qnl", Doc().GetPathName());
    EXPECT_TRUE(m_services.m_written.empty());
    ExpectGameUnchanged();
}

TEST_F(FileCommandsTest, TheRecentListKeepsFiveAndSurvivesInTheProfile) {
    for (const char* name : {"1.qnl", "2.qnl", "3.qnl", "4.qnl", "5.qnl", "6.qnl", "2.QNL"}) {
        std::string path = std::string("C:\\games\\") + name;
        m_services.m_files.insert(path);
        m_pApp->m_shell.OnDropFiles({path});
    }
    EXPECT_EQ((std::vector<std::string>{"C:\\games\\2.QNL", "C:\\games\\6.qnl", "C:\\games\\5.qnl",
                                        "C:\\games\\4.qnl", "C:\\games\\3.qnl"}),
              Recent());
    m_pApp->m_shell.GetDocManager().SaveRecentFileList();
    EXPECT_EQ("C:\\games\\2.QNL", m_services.m_profile["Recent File List/File1"]);
    EXPECT_EQ("C:\\games\\3.qnl", m_services.m_profile["Recent File List/File5"]);
    EXPECT_EQ(0u, m_services.m_profile.count("Recent File List/File6"));

    CShellIntegration next(m_services);
    EXPECT_EQ(Recent(), next.GetDocManager().GetRecentFileList().GetFiles());

    // A run that never needed the list never read it, and leaves it as it was.
    const auto profile = m_services.m_profile;
    CShellIntegration untouched(m_services);
    untouched.GetDocManager().SaveRecentFileList();
    EXPECT_EQ(profile, m_services.m_profile);
}

TEST_F(FileCommandsTest, WithoutDocumentFilesSaveIsNobodysCommand) {
    CDocument plain;
    CCmdUI cmdUI(ID_FILE_SAVE);
    EXPECT_FALSE(plain.OnCmdMsg(ID_FILE_SAVE, &cmdUI));
    EXPECT_TRUE(Doc().OnCmdMsg(ID_FILE_SAVE, &cmdUI));
}

} // namespace
