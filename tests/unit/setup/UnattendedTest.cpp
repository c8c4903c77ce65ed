#include "RunSetup.h"
#include "SetupTestSupport.h"
#include "SetupTexts.h"

#include <algorithm>

namespace {
constexpr const char* kLog = "C:\\logs\\setup.log";
constexpr const char* kGames = "C:\\Games\\Quenlow";
} // namespace

class UnattendedTest : public SetupTest {
protected:
    int Start(const std::string& strCommandLine) {
        SetupState state(m_sys);
        int nExit = SetupMain(state, ReadSetupOptions(strCommandLine));
        m_state = state;
        return nExit;
    }
    const std::vector<std::string>& LogLines() { return m_sys.m_logs[kLog]; }
    bool Logged(const std::string& strLine) {
        const std::vector<std::string>& lines = LogLines();
        return std::find(lines.begin(), lines.end(), strLine) != lines.end();
    }
    // Nothing shown: no message, wizard, progress dialog or window, and nothing started.
    void ExpectNoWindow() {
        EXPECT_TRUE(m_sys.m_messages.empty()) << m_sys.m_messages.front().m_strText;
        EXPECT_EQ(m_sys.m_nWizardRuns, 0);
        EXPECT_EQ(m_sys.m_nProgressRange, -1);
        EXPECT_EQ(m_sys.m_nWindowRuns, 0);
    }
};

TEST_F(UnattendedTest, SwitchesAreReadAsOtherInstallersReadThem) {
    struct Case {
        const char* szLine;
        bool bUnattended, bUninstall, bRemove;
        const char* szDestination;
        const char* szLogFile;
        const char* szNotUnderstood;
    } cases[] = {
        // The folder is the rest of the line, blanks and "/u" included.
        {"/S /D=C:\\Me/utilities\\My Games\\", true, false, false, "C:\\Me\\utilities\\My Games",
         "", ""},
        {"/LOG=\"C:\\a /r\\l.txt\" /S", true, false, false, "", "C:\\a /r\\l.txt", ""},
        {"/u /S /LOG=C:\\l.txt", true, true, true, "", "C:\\l.txt", ""},
        {"/r /S", true, false, true, "", "", ""},
        {"/S /D=", true, false, false, "", "", "/D="},
        {"/S /D=Games", true, false, false, "", "", "/D=Games"},
        {"/S /LOG=", true, false, false, "", "", "/LOG="},
        {"/S /U", true, false, false, "", "", "/U"},
        {"/s", false, false, false, "", "", ""},
        // Without "/S" the line is read as it always was: "/u" anywhere, with its case.
        {"x/uy /R", false, true, true, "", "", ""},
        {"/D=C:\\Games", false, false, false, "C:\\Games", "", ""},
        {"/D=", false, false, false, "", "", "/D="},
    };
    for (const Case& c : cases) {
        SetupOptions options = ReadSetupOptions(c.szLine);
        EXPECT_EQ(options.m_bUnattended, c.bUnattended) << c.szLine;
        EXPECT_EQ(options.m_bUninstall, c.bUninstall) << c.szLine;
        EXPECT_EQ(options.m_bRemove, c.bRemove) << c.szLine;
        EXPECT_EQ(options.m_strDestination, c.szDestination) << c.szLine;
        EXPECT_EQ(options.m_strLogFile, c.szLogFile) << c.szLine;
        EXPECT_EQ(options.m_strNotUnderstood, c.szNotUnderstood) << c.szLine;
    }
}

TEST_F(UnattendedTest, InstallsWithoutAWindowAndLogsEveryChange) {
    m_sys.m_files.AddFile(kLog, "an earlier run\r\n");
    m_sys.m_logs[kLog] = {"an earlier run"};
    EXPECT_EQ(Start(std::string("/S /LOG=\"") + kLog + "\" /D=" + kGames), kExitSuccess);
    ExpectNoWindow();
    EXPECT_TRUE(m_sys.m_launches.empty()) << "the product is not started";
    for (const char* szFile : {"QUENLOW.EXE", "setup.exe", "setup.ini", "license.txt"}) {
        std::string strTarget = std::string(kGames) + "\\" + szFile;
        EXPECT_TRUE(m_sys.m_files.HasFile(strTarget)) << szFile;
        EXPECT_TRUE(Logged("Copied: " + strTarget)) << szFile;
    }
    // desktop=Ask counts as no.
    EXPECT_FALSE(m_sys.m_files.HasFile(std::string(kCommonDesktop) + "\\Quenlow.lnk"));
    EXPECT_TRUE(Logged("Setup: " + std::string(kAskDesktop) + " No"));
    EXPECT_TRUE(Logged("Link made: " + std::string(kCommonGroup) + "\\Quenlow.lnk"));
    CFakeRegistry& reg = m_sys.m_registry;
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kProductKey, "DestinationPath"), kGames);
    std::string strCommand = "\"C:\\Games\\Quenlow\\setup.exe\" /u";
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "UninstallString"), strCommand);
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kUninstallEntry, "QuietUninstallString"),
              strCommand + " /S");
    EXPECT_TRUE(
        Logged("Value written: HKLM\\" + std::string(kUninstallEntry) + " QuietUninstallString"));
    // Appended to what was there, from the switches to the outcome.
    ASSERT_GE(LogLines().size(), 4u);
    EXPECT_EQ(LogLines()[0], "an earlier run");
    EXPECT_EQ(LogLines()[1], "setup.exe /S /LOG=\"C:\\logs\\setup.log\" /D=C:\\Games\\Quenlow");
    EXPECT_EQ(LogLines()[2], "setup.ini: C:\\dist\\setup.ini");
    EXPECT_EQ(LogLines().back(), "Exit code: 0");
    EXPECT_TRUE(Logged("Setup Complete: Installation was successful."));

    // Without "/D=" the folder is the one the wizard suggests, the one the product is installed
    // in; a log that cannot be written changes nothing.
    m_sys.m_unwritableLogs.push_back("C:\\dist\\setup.log");
    EXPECT_EQ(Start("/S /LOG=setup.log"), kExitSuccess);
    EXPECT_FALSE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
    EXPECT_EQ(reg.Text(RegRoot::LocalMachine, kProductKey, "DestinationPath"), kGames);
    EXPECT_TRUE(m_sys.m_logs["C:\\dist\\setup.log"].empty());
}

TEST_F(UnattendedTest, TheExitCodeTellsTheOutcome) {
    struct Case {
        const char* szWhy;
        std::function<void(CFakeSetupSystem&)> prepare;
        const char* szLogged;
    } cases[] = {
        {"a file cannot be written",
         [](CFakeSetupSystem& sys) { sys.m_context.m_faults.FailAt(FakeOp::OpenWrite, 2); },
         "Not copied: C:\\Games\\Quenlow\\setup.exe: error 5"},
        {"setup.ini cannot be read",
         [](CFakeSetupSystem& sys) {
             sys.m_nLastError = kErrFileNotFound;
             sys.m_files.RemoveFile("C:\\dist\\setup.ini");
         },
         "setup.ini cannot be opened: error 2"},
    };
    for (const Case& c : cases) {
        CFakeSetupSystem sys;
        PrepareMachine(sys);
        c.prepare(sys);
        SetupState state(sys);
        std::string strSwitches = std::string("/LOG=") + kLog + " /D=" + kGames;
        EXPECT_EQ(SetupMain(state, ReadSetupOptions("/S " + strSwitches)), kExitFailed) << c.szWhy;
        EXPECT_TRUE(sys.m_messages.empty()) << c.szWhy;
        const std::vector<std::string>& lines = sys.m_logs[kLog];
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.szLogged), lines.end()) << c.szWhy;
        EXPECT_EQ(lines.back(), "Exit code: 1603") << c.szWhy;
        // The same run with the wizard ends with 0, after its messages.
        state = SetupState(sys);
        EXPECT_EQ(SetupMain(state, ReadSetupOptions(strSwitches)), kExitSuccess) << c.szWhy;
        EXPECT_FALSE(sys.m_messages.empty()) << c.szWhy;
    }
    // A switch that cannot be understood: nothing is read or written.
    EXPECT_EQ(Start("/S /LOG=C:\\logs\\setup.log /D="), kExitBadSwitch);
    ExpectNoWindow();
    EXPECT_EQ(JournalIndex("write"), -1);
    EXPECT_TRUE(Logged("Setup - ERROR: " + std::string(kSwitchNotUnderstood) + "/D="));
}

TEST_F(UnattendedTest, RemovesWithoutAWindowThroughItsCopy) {
    Install();
    ForgetHistory();
    m_sys.m_nWizardRuns = 0;
    m_sys.m_nProgressRange = -1;
    m_sys.m_strModulePath = Dest("setup.exe");
    m_sys.m_files.SetCurrent("C:\\users");
    EXPECT_EQ(Start("/u /S /LOG=..\\logs\\setup.log"), kExitSuccess);
    const std::string strCopy = "C:\\temp\\setup-1\\setup.exe";
    ASSERT_EQ(m_sys.m_launches.size(), 1u);
    // The log's full path, as the copy starts in another folder.
    EXPECT_EQ(m_sys.m_launches[0].m_strCommandLine,
              "\"" + strCopy + "\" /r /S /LOG=\"C:\\users\\..\\logs\\setup.log\"");

    m_sys.m_strModulePath = strCopy;
    m_sys.m_files.Lock(strCopy);
    EXPECT_EQ(Start("/r /S /LOG=\"C:\\logs\\setup.log\""), kExitSuccess);
    ExpectNoWindow();
    EXPECT_FALSE(m_sys.m_files.HasFolder(kDest));
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
    EXPECT_TRUE(Logged("Deleted: " + Dest("QUENLOW.EXE")));
    EXPECT_TRUE(Logged("Link deleted: " + std::string(kCommonGroup) + "\\Quenlow.lnk"));
    EXPECT_TRUE(Logged("Key deleted: HKLM\\" + std::string(kUninstallParentKey) + "Quenlow"));
    EXPECT_TRUE(Logged("Uninstall: " + std::string(kConfirmRemove) + " OK"));

    // A removal refused: the recorded folder is not this installation.
    m_state = SetupState(m_sys);
    m_sys.m_files.SetCurrent(kDist);
    Install();
    m_sys.m_registry.PutValue(RegRoot::LocalMachine, kProductKey, "DestinationPath", kRegSz,
                              "C:\\Windows");
    m_sys.m_files.SetCurrent(kDest);
    EXPECT_EQ(Start("/r /S /LOG=C:\\logs\\setup.log"), kExitFailed);
    EXPECT_TRUE(m_sys.m_files.HasFile(Dest("QUENLOW.EXE")));
    EXPECT_EQ(LogLines().back(), "Exit code: 1603");
}
