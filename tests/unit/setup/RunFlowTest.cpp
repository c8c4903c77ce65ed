#include "RunSetup.h"
#include "SetupTestSupport.h"
#include "SetupTexts.h"

class RunFlowTest : public SetupTest {
protected:
    // An installed product whose uninstall command is being run: the installed setup.exe.
    void PrepareInstalled() {
        Install();
        ASSERT_EQ(m_sys.MessageTexts().back(), kInstallSucceeded);
        ForgetHistory();
        m_sys.m_strModulePath = Dest("setup.exe");
        m_sys.m_files.SetCurrent("C:\\users\\me");
        m_sys.m_files.AddFolder("C:\\users\\me");
    }
    int Start(const char* szCommandLine) {
        SetupState state(m_sys);
        int nExit = SetupMain(state, szCommandLine);
        m_state = state;
        return nExit;
    }
    bool Confirmed() const {
        return !m_sys.m_messages.empty() && m_sys.m_messages[0].m_strText == kConfirmRemove &&
               m_sys.m_messages[0].m_strCaption == "Uninstall" &&
               m_sys.m_messages[0].m_kind == BoxKind::OkCancel &&
               m_sys.m_messages[0].m_owner == BoxOwner::None;
    }
};

TEST_F(RunFlowTest, SwitchesAreMatchedWithTheirCase) {
    EXPECT_EQ(Start("/U /R"), 0);
    EXPECT_EQ(m_sys.m_nWizardRuns, 1);
    EXPECT_EQ(m_sys.MessageTexts().back(), kInstallSucceeded);
    EXPECT_FALSE(Confirmed());
}

TEST_F(RunFlowTest, UninstallRestartsFromAPrivateTemporaryFolder) {
    PrepareInstalled();
    // Files another program of the user put in the temporary folder beforehand.
    m_sys.m_files.AddFile("C:\\temp\\setup.exe", "MZ planted");
    m_sys.m_files.AddFile("C:\\temp\\setup-1\\version.dll", "MZ planted");
    EXPECT_EQ(Start("/u"), 0);
    const std::string strCopy = "C:\\temp\\setup-2\\setup.exe";
    EXPECT_EQ(m_sys.m_files.Below("C:\\temp\\setup-2"),
              (std::vector<std::string>{"C:\\temp\\setup-2", strCopy}));
    EXPECT_EQ(m_sys.m_files.Content(strCopy), m_sys.m_files.Content(Dest("setup.exe")));
    EXPECT_EQ(m_sys.m_files.Content("C:\\temp\\setup.exe"), "MZ planted");
    ASSERT_EQ(m_sys.m_launches.size(), 1u);
    EXPECT_EQ(m_sys.m_launches[0].m_strApplication, strCopy);
    EXPECT_EQ(m_sys.m_launches[0].m_strCommandLine, "\"" + strCopy + "\" /r");
    // The first process asks nothing and makes no window; the copy inherits the folder.
    EXPECT_TRUE(m_sys.m_messages.empty());
    EXPECT_EQ(m_sys.m_nWindowRuns, 0);
    EXPECT_EQ(m_sys.m_files.Current(), std::string(kDest) + "\\");
    EXPECT_TRUE(m_sys.m_restartDeletes.empty());

    // The copy, started in the installed folder.
    ForgetHistory();
    m_sys.m_strModulePath = strCopy;
    m_sys.m_answers.push_back(BoxAnswer::Ok);
    EXPECT_EQ(Start(("\"" + strCopy + "\" /r").c_str()), 0);
    EXPECT_TRUE(Confirmed());
    EXPECT_EQ(m_sys.MessageTexts().back(), kRemoveSucceeded);
    EXPECT_FALSE(m_sys.m_files.HasFolder(kDest));
    // It cannot delete its own file while it runs: the system does at its next start, then
    // the folder it made for it.
    EXPECT_EQ(m_sys.m_restartDeletes, (std::vector<std::string>{strCopy, "C:\\temp\\setup-2"}));
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, "Software\\Halvane\\Quenlow"));
    EXPECT_TRUE(m_sys.m_launches.empty());
}

TEST_F(RunFlowTest, RemoveSwitchRemovesInProcess) {
    PrepareInstalled();
    m_sys.m_files.SetCurrent(kDest);       // started from the installed folder
    m_sys.m_files.Lock(Dest("setup.exe")); // the running program
    m_sys.m_answers.push_back(BoxAnswer::Ok);
    EXPECT_EQ(Start("/r"), 0);
    EXPECT_TRUE(Confirmed());
    EXPECT_FALSE(m_sys.m_files.HasFile("C:\\temp\\setup.exe"));
    EXPECT_TRUE(m_sys.m_launches.empty());
    EXPECT_TRUE(m_sys.m_restartDeletes.empty()) << "the installed program is not a copy";
    EXPECT_FALSE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
    // The running program itself cannot go, and the removal says so.
    EXPECT_TRUE(m_sys.m_files.HasFile(Dest("setup.exe")));
    EXPECT_EQ(m_sys.MessageTexts(),
              (std::vector<std::string>{kConfirmRemove, kRemoveFilesIncomplete, kRemoveFinished}));
}

TEST_F(RunFlowTest, WhenTheCopyCannotRunTheRemovalRunsHere) {
    struct Case {
        const char* szWhy;
        std::function<void(CFakeSetupSystem&)> prepare;
    } cases[] = {
        {"no temporary folder, or one too long",
         [](CFakeSetupSystem& sys) { sys.m_strTempFolder.clear(); }},
        {"no private folder can be made",
         [](CFakeSetupSystem& sys) { sys.m_context.m_faults.FailAt(FakeOp::CreateFolder, 1); }},
        {"the copy is not written whole",
         [](CFakeSetupSystem& sys) { sys.m_context.m_faults.FailAt(FakeOp::Write, 1); }},
        {"the copy cannot be closed",
         [](CFakeSetupSystem& sys) { sys.m_context.m_faults.FailAt(FakeOp::CloseWrite, 1); }},
        {"the copy cannot be created",
         [](CFakeSetupSystem& sys) { sys.m_context.m_faults.FailAt(FakeOp::OpenWrite, 1); }},
        {"the copy does not start",
         [](CFakeSetupSystem& sys) { sys.m_context.m_faults.FailAt(FakeOp::Launch, 1); }},
    };
    for (const Case& c : cases) {
        CFakeSetupSystem sys;
        PrepareMachine(sys);
        sys.m_files.AddFile(Dest("setup.exe"), "MZ installed");
        sys.m_registry.AddKey(RegRoot::LocalMachine, kUninstallEntry);
        sys.m_files.AddFile(Dest("setup.ini"), kStandardIni);
        sys.m_files.AddFile(Dest("QUENLOW.EXE"), "MZ");
        sys.m_files.AddFile(Dest("license.txt"), "L");
        sys.m_registry.PutValue(RegRoot::LocalMachine, kProductKey, "DestinationPath", kRegSz,
                                kDest);
        sys.m_strModulePath = Dest("setup.exe");
        c.prepare(sys);
        sys.m_answers.push_back(BoxAnswer::Ok);
        SetupState state(sys);
        EXPECT_EQ(SetupMain(state, "/u"), 0);
        EXPECT_TRUE(sys.m_launches.empty()) << c.szWhy;
        EXPECT_FALSE(sys.m_files.HasFolder("C:\\temp\\setup-1")) << c.szWhy;
        EXPECT_EQ(sys.m_nWindowRuns, 1) << c.szWhy;
        ASSERT_FALSE(sys.m_messages.empty());
        EXPECT_EQ(sys.m_messages[0].m_strText, kConfirmRemove) << c.szWhy;
        // setup.ini is read from the program's folder, whatever the folder was at the start.
        EXPECT_EQ(sys.m_messages.back().m_strCaption, "Setup Complete") << c.szWhy;
        EXPECT_FALSE(sys.m_files.HasFile(Dest("QUENLOW.EXE"))) << c.szWhy;
        EXPECT_FALSE(sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry)) << c.szWhy;
    }
}

TEST_F(RunFlowTest, TheCopyNeverGoesToASharedFolder) {
    PrepareInstalled();
    m_sys.m_strTempFolder.clear();
    m_sys.m_files.AddFolder("C:\\TEMP");
    m_sys.m_answers.push_back(BoxAnswer::Cancel);
    EXPECT_EQ(Start("/u"), 0);
    EXPECT_TRUE(m_sys.m_launches.empty());
    EXPECT_EQ(m_sys.m_files.Below("C:\\TEMP").size(), 1u);
    EXPECT_TRUE(Confirmed());

    // A program of the same name elsewhere is no copy of this one: nothing is queued.
    ForgetHistory();
    m_sys.m_strTempFolder = "C:\\temp\\";
    m_sys.m_strModulePath = "C:\\temp\\other\\setup.exe";
    m_sys.m_answers.push_back(BoxAnswer::Cancel);
    EXPECT_EQ(Start("/r"), 0);
    EXPECT_TRUE(m_sys.m_restartDeletes.empty());
}

TEST_F(RunFlowTest, CancellingTheConfirmationReadsNothing) {
    PrepareInstalled();
    m_sys.m_answers.push_back(BoxAnswer::Cancel);
    m_sys.m_context.m_faults.ResetCounts();
    EXPECT_EQ(Start("/r"), 0);
    EXPECT_TRUE(Confirmed());
    EXPECT_EQ(m_sys.m_messages.size(), 1u);
    EXPECT_EQ(m_sys.m_context.m_faults.Calls(FakeOp::OpenRead), 0);
    EXPECT_EQ(m_sys.m_nWindowRuns, 0);
    EXPECT_TRUE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
}

TEST_F(RunFlowTest, AWindowThatCannotBeMadeEndsQuietly) {
    m_sys.m_bPrepareFails = true;
    EXPECT_EQ(Start("/r"), 0);
    EXPECT_TRUE(m_sys.m_messages.empty());
    m_sys.m_bPrepareFails = false;
    m_sys.m_bWindowFails = true;
    EXPECT_EQ(Start(""), 0);
    EXPECT_TRUE(m_sys.m_messages.empty());
    EXPECT_EQ(m_sys.m_nWizardRuns, 0);
}

TEST_F(RunFlowTest, WithoutSetupIniNothingIsWritten) {
    WriteIni("[Names]\r\nproduct=Quenlow\r\nlaunch=yes\r\n");
    EXPECT_EQ(Start(""), 0);
    EXPECT_EQ(m_sys.MessageTexts(),
              std::vector<std::string>{std::string(kInstallPrefix) + kIniMalformed});
    EXPECT_EQ(m_sys.m_nWizardRuns, 0);
    EXPECT_EQ(JournalIndex("write"), -1);
    EXPECT_EQ(JournalIndex("regset"), -1);
}
