#include "RemoveFiles.h"
#include "SetupNames.h"
#include "SetupRegistry.h"
#include "SetupTestSupport.h"
#include "SetupTexts.h"

#include <algorithm>
#include <iterator>

class RemoveTest : public SetupTest {
protected:
    // An installed product with its desktop link, then a clean slate of messages and journal,
    // and the game's state beneath the user's product key.
    void SetUp() override {
        Install();
        ASSERT_EQ(m_sys.MessageTexts().back(), kInstallSucceeded);
        m_sys.m_registry.PutValue(RegRoot::CurrentUser, "Software\\Halvane\\Quenlow\\1.0", "game",
                                  3, "state");
        ForgetHistory();
    }
    void ExpectClosing(const char* szText) {
        ASSERT_FALSE(m_sys.m_messages.empty());
        EXPECT_EQ(m_sys.m_messages.back().m_strText, szText);
        EXPECT_EQ(m_sys.m_messages.back().m_strCaption, "Setup Complete");
        EXPECT_EQ(m_sys.m_messages.back().m_owner, BoxOwner::MainWindow);
    }
    void ExpectNothingDeleted() {
        for (const char* szChange : {"delete", "shelldelete", "rmdir", "regdelete"})
            EXPECT_EQ(JournalIndex(szChange), -1) << szChange;
    }
    void PutDestination(unsigned nType, const std::string& strData) {
        m_sys.m_registry.PutValue(RegRoot::LocalMachine, kProductKey, "DestinationPath", nType,
                                  strData);
    }
};

TEST_F(RemoveTest, EverythingInstalledGoes) {
    Remove();
    EXPECT_TRUE(m_sys.m_files.Below(kDest).empty());
    EXPECT_TRUE(m_sys.m_files.Below(kCommonGroup).empty());
    EXPECT_EQ(m_sys.m_files.Below(kCommonDesktop).size(), 1u);
    CFakeRegistry& reg = m_sys.m_registry;
    EXPECT_FALSE(reg.HasKey(RegRoot::LocalMachine, "Software\\Halvane\\Quenlow"));
    EXPECT_FALSE(reg.HasKey(RegRoot::LocalMachine, kUninstallEntry));
    EXPECT_TRUE(reg.KeysBelow(RegRoot::CurrentUser, "Software\\Halvane\\Quenlow").empty());
    // The maker's key and the other products stay.
    EXPECT_TRUE(reg.HasKey(RegRoot::LocalMachine, "Software\\Halvane\\Other"));
    EXPECT_TRUE(reg.HasKey(RegRoot::CurrentUser, "Software\\Halvane\\Other\\1.0"));
    EXPECT_EQ(m_sys.MessageTexts(), std::vector<std::string>{kRemoveSucceeded});
    ExpectClosing(kRemoveSucceeded);
    EXPECT_EQ(m_sys.m_registry.OpenKeys(), 0);
    EXPECT_EQ(m_sys.m_registry.BadCloses(), 0);
}

TEST_F(RemoveTest, TheMakersKeysGoWhenNothingElseIsLeftInThem) {
    for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser}) {
        RegHandle hKey = 0;
        ASSERT_EQ(m_sys.KeyOpen(root, "Software\\Halvane", RegAccess::All, &hKey), kErrNone);
        ASSERT_EQ(m_sys.KeyDeleteTree(hKey, "Other"), kErrNone);
        m_sys.KeyClose(hKey);
    }
    // A value of the maker's own is something else too.
    CFakeRegistry& reg = m_sys.m_registry;
    reg.PutValue(RegRoot::CurrentUser, "Software\\Halvane", "Owner", kRegSz, "me");
    Remove();
    EXPECT_FALSE(reg.HasKey(RegRoot::LocalMachine, "Software\\Halvane"));
    EXPECT_TRUE(reg.HasKey(RegRoot::LocalMachine, "Software"));
    EXPECT_EQ(reg.Text(RegRoot::CurrentUser, "Software\\Halvane", "Owner"), "me");
    ExpectClosing(kRemoveSucceeded);
    EXPECT_EQ(reg.OpenKeys(), 0);
}

TEST_F(RemoveTest, TheInstalledFolderStopsBeingCurrentBeforeAnythingGoes) {
    Remove();
    int nLeave = JournalIndex("cd C:\\temp\\");
    EXPECT_GE(nLeave, 0);
    EXPECT_LT(nLeave, JournalIndex("delete"));
    EXPECT_FALSE(m_sys.m_files.HasFolder(kDest));
}

TEST_F(RemoveTest, KeysGoDeepestFirstAndTheUsersKeyWithItsSubkeys) {
    Remove();
    const std::vector<std::string>& journal = m_sys.Journal();
    std::vector<std::string> deletes;
    std::copy_if(journal.begin(), journal.end(), std::back_inserter(deletes),
                 [](const std::string& s) { return s.compare(0, 9, "regdelete") == 0; });
    EXPECT_EQ(
        deletes,
        (std::vector<std::string>{
            "regdelete hklm\\software\\halvane\\quenlow\\userinfo",
            "regdelete hklm\\software\\halvane\\quenlow",
            "regdelete hklm\\software\\microsoft\\windows\\currentversion\\uninstall\\quenlow",
            "regdeletetree hkcu\\software\\halvane\\quenlow"}));
}

TEST_F(RemoveTest, TheUsersKeyDoesNotCount) {
    // The user's key failing to go changes nothing shown.
    m_sys.m_context.m_faults.FailAt(FakeOp::KeyDelete, 4);
    Remove();
    ExpectClosing(kRemoveSucceeded);
    EXPECT_TRUE(m_sys.m_registry.HasKey(RegRoot::CurrentUser, "Software\\Halvane\\Quenlow\\1.0"));
}

TEST_F(RemoveTest, AMachineKeyDeletedByHandCounts) {
    RegHandle hKey = 0;
    ASSERT_EQ(m_sys.KeyOpen(RegRoot::LocalMachine,
                            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                            RegAccess::All, &hKey),
              kErrNone);
    ASSERT_EQ(m_sys.KeyDelete(hKey, "Quenlow"), kErrNone);
    m_sys.KeyClose(hKey);
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(),
              (std::vector<std::string>{kRemoveKeysIncomplete, kRemoveFinished}));
    EXPECT_EQ(m_sys.m_messages[0].m_strCaption, "Setup-ERROR");
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, "Software\\Halvane\\Quenlow"));
}

TEST_F(RemoveTest, AnInvalidRecordedFolderDeletesNothing) {
    const std::string strLong(260, 'x');
    struct Case {
        unsigned nType;
        std::string strData;
    } cases[] = {{kRegSz, ""},
                 {kRegSz, "C:\\" + std::string(257, 'l')}, // 260 bytes
                 {2, kDest},                               // not plain text
                 {kRegSz, "Program Files\\Halvane\\Quenlow"},
                 {kRegSz, "C:\\"},
                 {kRegSz, "C:"},
                 {kRegSz, "\\\\server\\share"},
                 {kRegSz, "\\\\server\\share\\"},
                 {kRegSz, "\\Program Files"},
                 {kRegSz, "C:\\Program Files\\Halvane\\Quenlow\\.."},
                 {kRegSz, "C:\\Program Files\\\\Quenlow"},
                 {kRegSz, "C:/Program Files/Halvane/Quenlow"},
                 {kRegSz, "C:\\Program Files\\*"}};
    for (const Case& c : cases) {
        PutDestination(c.nType, c.strData);
        ForgetHistory();
        Remove();
        ExpectNothingDeleted();
        EXPECT_EQ(m_sys.MessageTexts(),
                  (std::vector<std::string>{std::string(kRemovePrefix) + kDestinationInvalid,
                                            kRemoveFinished}))
            << c.strData;
        EXPECT_EQ(m_sys.m_messages[0].m_strCaption, "Setup - ERROR");
        EXPECT_EQ(m_sys.m_messages[0].m_kind, BoxKind::OkError);
    }
    // The value missing altogether, then the whole key.
    m_sys.m_registry.PutValue(RegRoot::LocalMachine, kProductKey, "Other", kRegSz, "x");
    RegHandle hKey = 0;
    ASSERT_EQ(
        m_sys.KeyOpen(RegRoot::LocalMachine, "Software\\Halvane\\Quenlow", RegAccess::All, &hKey),
        kErrNone);
    ASSERT_EQ(m_sys.KeyDelete(hKey, "UserInfo"), kErrNone);
    m_sys.KeyClose(hKey);
    ForgetHistory();
    Remove();
    ExpectNothingDeleted();
    EXPECT_TRUE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
    EXPECT_TRUE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
    ExpectClosing(kRemoveFinished);
}

TEST_F(RemoveTest, AFolderThatIsNotThisInstallationKeepsEverything) {
    // Folders holding files of the installation's names, with a setup.exe of the same bytes:
    // none of them is the folder the removal was started from.
    const std::string strInstalledSetup = m_sys.m_files.Content(Dest("setup.exe"));
    for (const std::string strFolder : {"C:\\users\\me\\Documents", "C:\\windows"}) {
        for (const char* szFile : {"license.txt", "setup.ini", "QUENLOW.HLP", "setup.exe"})
            m_sys.m_files.AddFile(strFolder + "\\" + szFile, strInstalledSetup);
        PutDestination(kRegSz, strFolder);
        ForgetHistory();
        Remove();
        ExpectNothingDeleted();
        EXPECT_EQ(m_sys.MessageTexts(),
                  (std::vector<std::string>{std::string(kRemovePrefix) + kDestinationInvalid,
                                            kRemoveFinished}))
            << strFolder;
        EXPECT_EQ(m_sys.m_files.Below(strFolder).size(), 5u) << strFolder;
    }
    EXPECT_TRUE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
    EXPECT_TRUE(m_sys.m_files.HasFile(std::string(kCommonGroup) + "\\Quenlow.lnk"));
    EXPECT_TRUE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
}

TEST_F(RemoveTest, TheRecordedFolderIsReadWithinItsBuffer) {
    std::string strValue;
    for (std::size_t nLength : {259u, 260u, 300u}) {
        PutDestination(kRegSz, std::string(nLength, 'v'));
        EXPECT_EQ(ReadMachineString(m_state, kProductKey, "DestinationPath", strValue),
                  nLength == 259u);
        EXPECT_EQ(strValue.size(), nLength == 259u ? 259u : 0u);
    }
    // A zero stored with the text ends it; a folder with a trailing "\" is the same folder.
    PutDestination(kRegSz, std::string("C:\\Program Files\\Halvane\\Quenlow\\") + '\0');
    Remove();
    ExpectClosing(kRemoveSucceeded);
    EXPECT_TRUE(IsValidDestination("\\\\server\\share\\Games\\Quenlow"));
    EXPECT_TRUE(IsValidDestination("D:\\Quenlow\\"));
}

TEST_F(RemoveTest, DesktopLinksGoByTheOptionNotByTheAnswer) {
    // Declined at install, made by hand since: removed all the same with desktop=Ask.
    ASSERT_TRUE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
    m_sys.m_files.AddFile(std::string(kCommonStartup) + "\\Quenlow.lnk", "mine");
    Remove();
    EXPECT_FALSE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
    EXPECT_TRUE(m_sys.m_files.HasFile(std::string(kCommonStartup) + "\\Quenlow.lnk")); // startup=No
}

TEST_F(RemoveTest, WithDesktopNoADesktopLinkStays) {
    const char* szIni = "[Names]\nproduct=Quenlow\ndesktop=no\n[Files]\n+QUENLOW.EXE;Quenlow;;\n"
                        "+setup.exe;;\n+setup.ini;;\n";
    WriteIni(szIni);
    m_sys.m_files.AddFile(Dest("setup.ini"), szIni);
    m_sys.m_files.RemoveFile(Dest("license.txt"));
    m_sys.m_files.AddFile(std::string(kCommonDesktop) + "\\Quenlow.lnk", "mine");
    Remove();
    EXPECT_TRUE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
    ExpectClosing(kRemoveSucceeded);
}

TEST_F(RemoveTest, AFileOfTheUsersKeepsTheFolder) {
    m_sys.m_files.AddFile(Dest("saved.qnl"), "mine");
    m_sys.m_files.RemoveFile(std::string(kCommonDesktop) + "\\Quenlow.lnk");
    Remove();
    EXPECT_EQ(m_sys.m_files.Below(kDest).size(), 2u); // the folder and the user's file
    ExpectClosing(kRemoveSucceeded);
}

TEST_F(RemoveTest, AMissingFileCounts) {
    m_sys.m_files.RemoveFile(Dest("license.txt"));
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(),
              (std::vector<std::string>{kRemoveFilesIncomplete, kRemoveFinished}));
    EXPECT_EQ(m_sys.m_messages[0].m_strCaption, "Setup-ERROR");
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
}

TEST_F(RemoveTest, WithoutAnAllUsersGroupTheUsersFoldersAreUsed) {
    m_sys.m_files.AddFolder(std::string(kUserPrograms) + "\\Quenlow");
    m_sys.m_files.AddFile(std::string(kUserPrograms) + "\\Quenlow\\Quenlow.lnk", "l");
    m_sys.m_files.AddFile(std::string(kUserDesktop) + "\\Quenlow.lnk", "l");
    for (const char* szLink : {"\\Quenlow.lnk", "\\Uninstall Quenlow.lnk"})
        m_sys.m_files.RemoveFile(kCommonGroup + std::string(szLink));
    m_sys.m_files.RemoveFolder(kCommonGroup);
    Remove();
    EXPECT_FALSE(m_sys.m_files.HasFolder(std::string(kUserPrograms) + "\\Quenlow"));
    EXPECT_FALSE(m_sys.m_files.HasFile(std::string(kUserDesktop) + "\\Quenlow.lnk"));
    EXPECT_TRUE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
}

TEST_F(RemoveTest, ADesktopLinkThatStaysDoesNotCount) {
    m_sys.m_context.m_faults.FailAt(FakeOp::ShellDelete, 1);
    Remove();
    EXPECT_TRUE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
    ExpectClosing(kRemoveSucceeded);
}

TEST_F(RemoveTest, AGroupLinkThatStaysCounts) {
    m_sys.m_context.m_faults.FailAt(FakeOp::ShellDelete, 2); // the group's link
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(),
              (std::vector<std::string>{kRemoveFilesIncomplete, kRemoveFinished}));
}

TEST_F(RemoveTest, TheOtherBuildsLinksStay) {
    // The other build, installed for 32-bit programs, saved its group link over ours.
    std::string strLink = std::string(kCommonGroup) + "\\Quenlow.lnk";
    ShellLink other;
    other.m_strTarget = "C:\\Program Files (x86)\\Halvane\\Quenlow\\QUENLOW.EXE";
    ASSERT_EQ(m_sys.m_files.SaveLink(other, strLink), kLinkOk);
    Remove();
    ExpectClosing(kRemoveSucceeded);
    ASSERT_NE(m_sys.m_files.Link(strLink), nullptr);
    EXPECT_EQ(m_sys.m_files.Link(strLink)->m_strTarget, other.m_strTarget);
    EXPECT_FALSE(m_sys.m_files.HasFile(std::string(kCommonGroup) + "\\Uninstall Quenlow.lnk"));
    EXPECT_FALSE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
    EXPECT_FALSE(m_sys.m_files.HasFolder(kDest));
}

TEST_F(RemoveTest, NamesNeverBecomePatternsOrWholeKeys) {
    // A state that setup.ini can no longer produce: the checks stand on their own.
    m_sys.m_files.AddFile(std::string(kCommonGroup) + "\\Other.lnk", "other");
    ASSERT_TRUE(Load());
    m_state.m_strDestination = kDest;
    m_state.m_config.m_entries[0].m_strShortcut = "*";
    RemoveFiles(m_state);
    EXPECT_TRUE(m_sys.m_files.HasFile(std::string(kCommonGroup) + "\\Other.lnk"));
    for (const std::string& strLine : m_sys.Journal())
        EXPECT_EQ(strLine.find('*'), std::string::npos) << strLine;

    m_state.m_config.m_strProduct.clear();
    RemoveRegistryEntries(m_state);
    EXPECT_TRUE(m_sys.m_registry.HasKey(RegRoot::CurrentUser, "SOFTWARE\\Halvane\\Other\\1.0"));
    EXPECT_TRUE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, "Software\\Halvane\\Other"));
}
