// Installing where something is there already: an installed product, a running program.
#include "SetupTestSupport.h"
#include "SetupTexts.h"

TEST_F(InstallTest, ASecondInstallReplacesTheFiles) {
    Install();
    m_sys.m_files.AddFile("C:\\dist\\QUENLOW.EXE", "MZ newer");
    ForgetHistory();
    Install(BoxAnswer::No);
    EXPECT_EQ(m_sys.m_files.Content(Dest("QUENLOW.EXE")), "MZ newer");
    ExpectClosing(kInstallSucceeded);
    EXPECT_EQ(m_sys.m_messages.size(), 2u);
    // The links are saved over the old ones, and the one entry is written again.
    EXPECT_EQ(m_sys.m_files.Below(kCommonGroup).size(), 3u);
    EXPECT_EQ(m_sys.m_registry.KeysBelow(RegRoot::LocalMachine, kUninstallEntry).size(), 1u);
    Remove();
    ExpectClosing(kRemoveSucceeded);
    EXPECT_TRUE(m_sys.m_files.Below(kDest).empty());
    EXPECT_TRUE(m_sys.m_files.Below(kCommonGroup).empty());
    EXPECT_FALSE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
}

TEST_F(InstallTest, SetupIniNamesVersionAndPublisherBeforeTheVersionRecord) {
    m_sys.m_versionRecords[Dest("QUENLOW.EXE")] = VersionRecord{"1.0.0.1", "From the record"};
    WriteIni(std::string(kStandardIni).insert(26, "version=2.1 beta\r\n"));
    Install();
    CFakeRegistry& reg = m_sys.m_registry;
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "DisplayVersion"), "2.1 beta");
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "Publisher"), "From the record");
    // Neither setup.ini nor a record says: neither value is written.
    m_sys.m_versionRecords.clear();
    WriteIni(kStandardIni);
    Install(BoxAnswer::No);
    EXPECT_EQ(reg.Value(RegRoot::LocalMachine, kUninstallEntry, "DisplayVersion"), nullptr);
    EXPECT_EQ(reg.Value(RegRoot::LocalMachine, kUninstallEntry, "Publisher"), nullptr);
    ExpectClosing(kInstallSucceeded);
}

TEST_F(InstallTest, AFileInUseIsAskedForOnceWithRetry) {
    Install();
    std::string strGame = Dest("QUENLOW.EXE");
    std::string strQuestion = strGame + kFileInUse;
    m_sys.m_files.AddFile("C:\\dist\\QUENLOW.EXE", "MZ newer");
    // Retry after the program has ended replaces the file.
    m_sys.m_files.Lock(strGame);
    m_sys.m_onMessage = [&](const std::string& strText) {
        if (strText == strQuestion) m_sys.m_files.Unlock(strGame);
    };
    ForgetHistory();
    m_sys.m_answers = {BoxAnswer::Retry};
    Install(BoxAnswer::No);
    EXPECT_EQ(m_sys.m_files.Content(strGame), "MZ newer");
    ASSERT_EQ(m_sys.m_messages.size(), 3u);
    EXPECT_EQ(m_sys.m_messages[0].m_strText, strQuestion);
    EXPECT_EQ(m_sys.m_messages[0].m_kind, BoxKind::RetryCancel);
    ExpectClosing(kInstallSucceeded);
    // Cancel, or Retry while it still runs, goes on as any failed copy does.
    m_sys.m_onMessage = nullptr;
    m_sys.m_files.Lock(strGame);
    for (BoxAnswer answer : {BoxAnswer::Cancel, BoxAnswer::Retry}) {
        ForgetHistory();
        m_sys.m_answers = {answer};
        Install(BoxAnswer::No);
        std::vector<std::string> texts = m_sys.MessageTexts();
        ASSERT_EQ(texts.size(), 5u);
        EXPECT_EQ(texts[0], strQuestion);
        EXPECT_EQ(texts[1], "Unable to copy file: QUENLOW.EXE");
        EXPECT_EQ(texts[3], kFilesIncomplete);
        ExpectClosing(kInstallFinished);
    }
}

TEST_F(InstallTest, MessagesAreDispatchedWhileALargeFileIsCopied) {
    m_sys.m_files.AddFile("C:\\dist\\QUENLOW.EXE", std::string(64 * 1024, 'g'));
    Install();
    // Once a block of 4,096 bytes at least, besides once a file.
    EXPECT_GE(m_sys.m_nDispatches, 16);
    ExpectClosing(kInstallSucceeded);
}

TEST_F(InstallTest, TheSixtyFourBitBuildTellsItselfApart) {
    m_sys.m_b64Bit = true;
    Install();
    std::string strGroup = std::string(kCommonPrograms) + "\\Quenlow (64-bit)";
    EXPECT_TRUE(m_sys.m_files.HasFile(strGroup + "\\Quenlow.lnk"));
    EXPECT_TRUE(m_sys.m_files.HasFile(strGroup + "\\Uninstall Quenlow.lnk"));
    EXPECT_FALSE(m_sys.m_files.HasFolder(kCommonGroup));
    EXPECT_EQ(m_sys.m_registry.Text(RegRoot::LocalMachine, kUninstallEntry, "DisplayName"),
              "Quenlow (64-bit) (Remove only)");
}

TEST_F(InstallTest, InstallingIntoAnotherFolderReplacesTheEarlierInstallation) {
    Install();
    m_sys.m_files.AddFile(Dest("saved.qnl"), "the user's");
    ForgetHistory();
    const std::string strNew = "C:\\Games\\Quenlow";
    m_sys.m_strWizardFolder = strNew;
    Install(BoxAnswer::No);
    EXPECT_EQ(m_sys.m_strWizardSuggested, kDest);
    ExpectClosing(kInstallSucceeded);
    EXPECT_EQ(m_sys.m_files.Below(kDest).size(), 2u); // the folder and the user's file
    EXPECT_TRUE(m_sys.m_files.HasFile(strNew + "\\QUENLOW.EXE"));
    EXPECT_EQ(m_sys.m_registry.Text(RegRoot::LocalMachine, kProductKey, "DestinationPath"), strNew);
    EXPECT_EQ(m_sys.m_registry.Text(RegRoot::LocalMachine, kUninstallEntry, "InstallLocation"),
              strNew);
    ASSERT_NE(m_sys.m_files.Link(GroupLink("Quenlow")), nullptr);
    EXPECT_EQ(m_sys.m_files.Link(GroupLink("Quenlow"))->m_strTarget, strNew + "\\QUENLOW.EXE");
    // Declined this time: the earlier installation's desktop link goes with it.
    EXPECT_FALSE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));

    // A folder inside the installed one is another folder: its new links stay.
    ForgetHistory();
    m_sys.m_strWizardFolder = strNew + "\\Quenlow";
    Install(BoxAnswer::Yes);
    ExpectClosing(kInstallSucceeded);
    EXPECT_FALSE(m_sys.m_files.HasFile(strNew + "\\QUENLOW.EXE"));
    EXPECT_TRUE(m_sys.m_files.HasFile(strNew + "\\Quenlow\\QUENLOW.EXE"));
    for (const char* szLink : {"Quenlow", "Uninstall Quenlow"})
        EXPECT_TRUE(m_sys.m_files.HasFile(GroupLink(szLink))) << szLink;
    EXPECT_TRUE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
}

TEST_F(InstallTest, AnIncompleteCopyElsewhereLeavesTheInstallationRecorded) {
    Install();
    ForgetHistory();
    m_sys.m_strWizardFolder = "C:\\Games\\Quenlow";
    m_sys.m_context.m_faults.ResetCounts();
    m_sys.m_context.m_faults.FailAt(FakeOp::Write, 1);
    Install(BoxAnswer::No);
    ExpectClosing(kInstallFinished);
    EXPECT_TRUE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
    EXPECT_EQ(m_sys.m_registry.Text(RegRoot::LocalMachine, kProductKey, "DestinationPath"), kDest);
    EXPECT_EQ(m_sys.m_registry.Text(RegRoot::LocalMachine, kUninstallEntry, "InstallLocation"),
              kDest);
}
