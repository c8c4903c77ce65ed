#include "SetupNames.h"
#include "SetupTestSupport.h"
#include "SetupTexts.h"

TEST_F(InstallTest, TheDistributionInstallsWhole) {
    m_sys.m_versionRecords[Dest("QUENLOW.EXE")] = VersionRecord{"1.0.0.1", "Halvane Games"};
    Install();
    for (const char* szFile : {"QUENLOW.EXE", "setup.exe", "setup.ini", "license.txt"})
        EXPECT_EQ(m_sys.m_files.Content(Dest(szFile)),
                  m_sys.m_files.Content(std::string("C:\\dist\\") + szFile))
            << szFile;
    const ShellLink* pGame = m_sys.m_files.Link(GroupLink("Quenlow"));
    ASSERT_NE(pGame, nullptr);
    EXPECT_EQ(pGame->m_strTarget, Dest("QUENLOW.EXE"));
    EXPECT_EQ(pGame->m_strDescription, "Quenlow");
    EXPECT_EQ(pGame->m_strArguments, "");
    EXPECT_EQ(pGame->m_strWorkingFolder, kDest);
    const ShellLink* pRemove = m_sys.m_files.Link(GroupLink("Uninstall Quenlow"));
    ASSERT_NE(pRemove, nullptr);
    EXPECT_EQ(pRemove->m_strTarget, Dest("setup.exe"));
    EXPECT_EQ(pRemove->m_strArguments, "/u");
    EXPECT_NE(m_sys.m_files.Link(std::string(kCommonDesktop) + "\\Quenlow.lnk"), nullptr);
    EXPECT_EQ(m_sys.m_files.Below(kCommonStartup).size(), 1u); // the folder alone

    CFakeRegistry& reg = m_sys.m_registry;
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kProductKey, "DestinationPath"), kDest);
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "DisplayName"),
              "Quenlow (Remove only)");
    // Quoted: the folder holds a blank.
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "UninstallString"),
              "\"C:\\Program Files\\Halvane\\Quenlow\\setup.exe\" /u");
    EXPECT_EQ(reg.Value(RegRoot::LocalMachine, kProductKey, "DestinationPath")->m_nType, kRegSz);
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "DisplayIcon"),
              Dest("QUENLOW.EXE") + ",0");
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "DisplayVersion"), "1.0.0.1");
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "Publisher"), "Halvane Games");
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "InstallLocation"), kDest);
    // The four files hold 14,253 bytes: 14 KB, rounded up.
    ASSERT_EQ(9008 + 5009 + 9 + std::string(kStandardIni).size(), 14253u);
    const std::pair<const char*, unsigned char> kNumbers[] = {
        {"EstimatedSize", 14}, {"NoModify", 1}, {"NoRepair", 1}};
    for (const auto& number : kNumbers) {
        const CFakeValue* pValue = reg.Value(RegRoot::LocalMachine, kUninstallEntry, number.first);
        ASSERT_NE(pValue, nullptr) << number.first;
        EXPECT_EQ(pValue->m_nType, kRegDword) << number.first;
        EXPECT_EQ(pValue->m_data, (std::vector<unsigned char>{number.second, 0, 0, 0}))
            << number.first;
    }
    EXPECT_TRUE(reg.KeysBelow(RegRoot::CurrentUser, "SOFTWARE\\Halvane\\Quenlow").empty());

    EXPECT_EQ(m_sys.m_nProgressRange, 4);
    EXPECT_EQ(m_sys.m_nProgressSteps, 4);
    EXPECT_GE(m_sys.m_nProgressRepaints, 1);
    EXPECT_FALSE(m_sys.m_bProgressOpen);
    ASSERT_EQ(m_sys.m_messages.size(), 2u);
    EXPECT_EQ(m_sys.m_messages[0].m_strText, kAskDesktop);
    EXPECT_EQ(m_sys.m_messages[0].m_strCaption, "Setup");
    EXPECT_EQ(m_sys.m_messages[0].m_kind, BoxKind::YesNo);
    EXPECT_EQ(m_sys.m_messages[0].m_owner, BoxOwner::None);
    ExpectClosing("Installation was successful.");
    ASSERT_EQ(m_sys.m_launches.size(), 1u);
    EXPECT_EQ(m_sys.m_launches[0].m_strApplication, "");
    EXPECT_EQ(m_sys.m_launches[0].m_strCommandLine,
              "\"C:\\Program Files\\Halvane\\Quenlow\\QUENLOW.EXE\"");
    EXPECT_EQ(m_sys.m_files.OpenFiles(), 0);
    EXPECT_EQ(m_sys.m_registry.OpenKeys(), 0);
    EXPECT_EQ(m_sys.m_nUnscripted, 0);
}

TEST_F(InstallTest, StepsComeInTheirOrder) {
    WriteIni("[Names]\nproduct=Quenlow\ndesktop=Ask\nstartup=Ask\n[Files]\n+QUENLOW.EXE;Quenlow;;\n"
             "+setup.exe;;\n");
    m_sys.m_answers = {BoxAnswer::No};
    Install(BoxAnswer::Yes);
    int nRecord =
        JournalIndex("regset hklm\\software\\halvane\\quenlow\\userinfo\\DestinationPath");
    int nOpen = JournalIndex("progress open");
    int nParent = JournalIndex("mkdir C:\\Program Files\\Halvane");
    int nDest = JournalIndex(std::string("mkdir ") + kDest);
    int nCopy = JournalIndex("write " + Dest("QUENLOW.EXE"));
    int nDesktopQuestion = JournalIndex(std::string("message ") + kAskDesktop);
    int nStartupQuestion = JournalIndex(std::string("message ") + kAskStartup);
    int nSecondCopy = JournalIndex("write " + Dest("setup.exe"));
    int nUninstall = JournalIndex("regset hklm\\software\\microsoft");
    int nClose = JournalIndex("progress close");
    std::vector<int> order = {JournalIndex("wizard"),
                              nRecord,
                              nOpen,
                              JournalIndex("mkdir " + std::string(kCommonGroup)),
                              nParent,
                              nDest,
                              nCopy,
                              nDesktopQuestion,
                              nStartupQuestion,
                              nSecondCopy,
                              nUninstall,
                              nClose,
                              JournalIndex("message Installation was successful.")};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_GE(order[i], 0) << i;
        if (i > 0) {
            EXPECT_LT(order[i - 1], order[i]) << i;
        }
    }
    EXPECT_TRUE(m_sys.m_launches.empty());
    // Asked with the answers given: the desktop No, the start-up Yes.
    EXPECT_EQ(m_sys.m_files.Link(std::string(kCommonDesktop) + "\\Quenlow.lnk"), nullptr);
    EXPECT_NE(m_sys.m_files.Link(std::string(kCommonStartup) + "\\Quenlow.lnk"), nullptr);
}

TEST_F(InstallTest, OnlyTheFirstEntryGetsDesktopAndStartupLinks) {
    WriteIni(
        "[Names]\nproduct=Quenlow\ndesktop=yes\nstartup=yes\n[Files]\n+QUENLOW.EXE;Quenlow;-q;\n"
        "+setup.exe;Uninstall Quenlow;/u;\n");
    Install();
    const ShellLink* pGroup = m_sys.m_files.Link(GroupLink("Quenlow"));
    ASSERT_NE(pGroup, nullptr);
    for (const char* szFolder : {kCommonDesktop, kCommonStartup}) {
        const ShellLink* pLink = m_sys.m_files.Link(std::string(szFolder) + "\\Quenlow.lnk");
        ASSERT_NE(pLink, nullptr) << szFolder;
        EXPECT_EQ(pLink->m_strTarget, pGroup->m_strTarget);
        EXPECT_EQ(pLink->m_strArguments, "-q");
        EXPECT_EQ(pLink->m_strWorkingFolder, pGroup->m_strWorkingFolder);
        EXPECT_EQ(m_sys.m_files.Below(szFolder).size(), 2u) << szFolder;
    }
    EXPECT_EQ(m_sys.m_messages.size(), 1u); // no question, the closing message
    EXPECT_EQ(m_sys.m_answers.size(), 1u);
}

TEST_F(InstallTest, AFirstEntryWithoutShortcutAsksNothing) {
    WriteIni(
        "[Names]\nproduct=Quenlow\ndesktop=Ask\nstartup=yes\nlaunch=yes\n[Files]\n+readme.txt;;\n"
        "+QUENLOW.EXE;Quenlow;;\n");
    m_sys.m_files.AddFile("C:\\dist\\readme.txt", "r");
    Install();
    EXPECT_EQ(m_sys.MessageTexts(), std::vector<std::string>{kInstallSucceeded});
    EXPECT_NE(m_sys.m_files.Link(GroupLink("Quenlow")), nullptr);
    EXPECT_EQ(m_sys.m_files.Below(kCommonDesktop).size(), 1u);
    EXPECT_EQ(m_sys.m_files.Below(kCommonStartup).size(), 1u);
    // The program started is the first entry, whatever it is.
    EXPECT_EQ(m_sys.m_launches[0].m_strCommandLine, "\"" + Dest("readme.txt") + "\"");
}

TEST_F(InstallTest, AFileTheDistributionLacksIsPassedOverQuietly) {
    WriteIni(std::string(kStandardIni) + "+QUENLOW.HLP;Help;;\r\n");
    Install();
    EXPECT_FALSE(m_sys.m_files.HasFile(Dest("QUENLOW.HLP")));
    const ShellLink* pHelp = m_sys.m_files.Link(GroupLink("Help"));
    ASSERT_NE(pHelp, nullptr);
    EXPECT_EQ(pHelp->m_strTarget, Dest("QUENLOW.HLP"));
    ExpectClosing(kInstallSucceeded);
}

TEST_F(InstallTest, InstallingIntoTheDistributionFolderLeavesItsFilesWhole) {
    std::string strGame = m_sys.m_files.Content("C:\\dist\\QUENLOW.EXE");
    m_sys.m_strWizardFolder = kDist;
    Install();
    EXPECT_EQ(m_sys.m_files.Content("C:\\dist\\QUENLOW.EXE"), strGame);
    EXPECT_EQ(m_sys.m_files.Content("C:\\dist\\setup.ini"), kStandardIni);
    ExpectClosing(kInstallSucceeded);
}

TEST_F(InstallTest, WithoutRightsForAllUsersTheUsersOwnFoldersAreUsed) {
    m_sys.m_files.Protect(kCommonPrograms);
    Install();
    EXPECT_NE(m_sys.m_files.Link(std::string(kUserPrograms) + "\\Quenlow\\Quenlow.lnk"), nullptr);
    EXPECT_NE(m_sys.m_files.Link(std::string(kUserDesktop) + "\\Quenlow.lnk"), nullptr);
    EXPECT_EQ(m_sys.m_files.Below(kCommonDesktop).size(), 1u);
    ExpectClosing(kInstallSucceeded);
}

TEST_F(InstallTest, OneMissingLevelAboveTheDestinationIsMade) {
    m_sys.m_strWizardFolder = "C:\\Games\\Halvane\\Cards";
    m_sys.m_files.AddFolder("C:\\Games");
    Install();
    EXPECT_TRUE(m_sys.m_files.HasFile("C:\\Games\\Halvane\\Cards\\QUENLOW.EXE"));
    ExpectClosing(kInstallSucceeded);
    // Two missing levels are not made, and the files that cannot be written say so.
    ForgetHistory();
    m_sys.m_strWizardFolder = "C:\\Deep\\Halvane\\Cards";
    Install();
    EXPECT_FALSE(m_sys.m_files.HasFolder("C:\\Deep"));
    std::vector<std::string> texts = m_sys.MessageTexts();
    EXPECT_EQ(texts[0], "Unable to copy file: QUENLOW.EXE");
    EXPECT_EQ(texts[texts.size() - 2], kFilesIncomplete);
    ExpectClosing(kInstallFinished);
}

class CopyFailureTest : public InstallTest, public ::testing::WithParamInterface<FakeOp> {};

TEST_P(CopyFailureTest, ACopyThatIsNotWholeFailsTheInstall) {
    // Fail the first call of the kind made while copying, after those of reading setup.ini.
    ASSERT_TRUE(Load());
    CFaultPlan& faults = m_sys.m_context.m_faults;
    int nLoadCalls = faults.Calls(GetParam());
    faults.ResetCounts();
    faults.FailAt(GetParam(), nLoadCalls + 1);
    Install();
    std::vector<std::string> texts = m_sys.MessageTexts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Unable to copy file: QUENLOW.EXE");
    EXPECT_EQ(m_sys.m_messages[0].m_strCaption, "Setup-ERROR");
    EXPECT_EQ(texts[2], kFilesIncomplete);
    ExpectClosing(kInstallFinished);
    EXPECT_TRUE(m_sys.m_launches.empty());
    EXPECT_EQ(m_sys.m_files.OpenFiles(), 0);
    // No file cut short is left to pass for an installed one; the others went on being copied.
    EXPECT_FALSE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
    EXPECT_TRUE(m_sys.m_files.HasFile(Dest("license.txt")));
}

INSTANTIATE_TEST_SUITE_P(EachStep, CopyFailureTest,
                         ::testing::Values(FakeOp::OpenRead, FakeOp::Read, FakeOp::OpenWrite,
                                           FakeOp::Write, FakeOp::CloseWrite));

TEST_F(InstallTest, ALinkThatCannotBeSavedIsReportedAtTheEnd) {
    m_sys.m_context.m_faults.FailAt(FakeOp::SaveLink, 2); // the desktop link
    Install();
    std::vector<std::string> texts = m_sys.MessageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], kShortcutsIncomplete);
    ExpectClosing(kInstallFinished);
    EXPECT_TRUE(m_sys.m_launches.empty());
}

TEST_F(InstallTest, RegistryFailuresChangeNothingShown) {
    m_sys.m_registry.m_bMachineReadOnly = true;
    Install();
    EXPECT_EQ(m_sys.m_messages.size(), 2u);
    ExpectClosing(kInstallSucceeded);
}

TEST_F(InstallTest, TooLongPathsAreRefusedBeforeTheSystemSeesThem) {
    std::string strFolder = "C:\\" + std::string(237, 'd'); // 259 with "\\setup.exe"
    m_sys.m_files.AddFolder(strFolder);
    m_sys.m_strWizardFolder = strFolder + "\\Quenlow";
    Install();
    std::vector<std::string> texts = m_sys.MessageTexts();
    EXPECT_EQ(texts[0], "The path is too long: " + strFolder + "\\Quenlow\\QUENLOW.EXE");
    EXPECT_EQ(m_sys.m_messages[0].m_strCaption, "Setup-ERROR");
    EXPECT_TRUE(m_sys.m_files.HasFile(strFolder + "\\Quenlow\\setup.exe"));
    ExpectClosing(kInstallFinished);
    EXPECT_TRUE(m_sys.m_context.m_longPaths.empty());
}

TEST_F(InstallTest, TooLongLinkPathsAreRefused) {
    std::string strPrograms = "C:\\" + std::string(220, 'p');
    m_sys.m_specialFolders[SpecialFolder::CommonPrograms] = strPrograms;
    m_sys.m_files.AddFolder(strPrograms);
    WriteIni("[Names]\nproduct=Quenlow\n[Files]\n+QUENLOW.EXE;" + std::string(31, 'S') + ";;\n");
    Install();
    std::vector<std::string> texts = m_sys.MessageTexts();
    EXPECT_EQ(texts[0], "The path is too long: " + strPrograms + "\\Quenlow\\" +
                            std::string(31, 'S') + ".lnk");
    EXPECT_TRUE(m_sys.m_context.m_longPaths.empty());
}

TEST_F(InstallTest, WithoutAProgramsFolderNoGroupIsMadeBesideTheProgram) {
    m_sys.m_specialFolders.erase(SpecialFolder::CommonPrograms);
    m_sys.m_specialFolders.erase(SpecialFolder::Programs);
    Install();
    EXPECT_FALSE(m_sys.m_files.HasFolder("C:\\dist\\Quenlow"));
    EXPECT_EQ(m_sys.m_files.Below(kDist).size(), 5u);
    EXPECT_TRUE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
    ExpectClosing(kInstallFinished);
}

TEST_F(InstallTest, LaunchOnlyOnYes) {
    for (const char* szLaunch : {"ask", "no"}) {
        WriteIni(std::string("[Names]\nproduct=Quenlow\nlaunch=") + szLaunch +
                 "\n[Files]\n+QUENLOW.EXE;;\n");
        Install();
        EXPECT_TRUE(m_sys.m_launches.empty()) << szLaunch;
        EXPECT_EQ(m_sys.m_nUnscripted, 0);
    }
}

TEST_F(InstallTest, CancellingTheWizardLeavesNothingBehind) {
    m_sys.m_bWizardFinishes = false;
    Install();
    EXPECT_EQ(m_sys.m_nWizardRuns, 1);
    EXPECT_TRUE(m_sys.m_messages.empty());
    ExpectNothingWritten();
    EXPECT_FALSE(m_sys.m_files.HasFolder(kDest));
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, "Software\\Halvane\\Quenlow"));
}

TEST_F(InstallTest, APickedFolderGetsTheProductName) {
    ASSERT_TRUE(Load());
    std::string strDest = DefaultDestination(m_sys, "Quenlow");
    EXPECT_EQ(strDest, "C:\\Program Files\\Halvane\\Quenlow");
    // The system's program folder for this build, or the usual one where it names none.
    m_sys.m_specialFolders[SpecialFolder::ProgramFiles] = "C:\\Program Files (x86)";
    EXPECT_EQ(DefaultDestination(m_sys, "Quenlow"), "C:\\Program Files (x86)\\Halvane\\Quenlow");
    m_sys.m_specialFolders.erase(SpecialFolder::ProgramFiles);
    EXPECT_EQ(DefaultDestination(m_sys, "Quenlow"), "C:\\Program Files\\Halvane\\Quenlow");
    EXPECT_TRUE(PickedDestination(m_sys, "Quenlow", "D:\\Games", strDest));
    EXPECT_EQ(strDest, "D:\\Games\\Quenlow");
    EXPECT_TRUE(PickedDestination(m_sys, "Quenlow", "D:\\", strDest));
    EXPECT_EQ(strDest, "D:\\Quenlow");
    EXPECT_TRUE(PickedDestination(m_sys, "Quenlow", "\\\\server\\share", strDest));
    EXPECT_EQ(strDest, "\\\\server\\share\\Quenlow");
    std::string strLong = "D:\\" + std::string(252, 'x');
    EXPECT_FALSE(PickedDestination(m_sys, "Quenlow", strLong, strDest));
    EXPECT_EQ(strDest, "\\\\server\\share\\Quenlow");
    EXPECT_EQ(m_sys.MessageTexts(),
              std::vector<std::string>{"The path is too long: " + strLong + "\\Quenlow"});
}
