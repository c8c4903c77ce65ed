#include "SetupTestSupport.h"
#include "SetupTexts.h"

// A removal beside what the user still has: the other build, which shares the player's data
// beneath the user's key while each has its own keys in its own view of the machine's registry,
// and a game that is running.
class RemoveInUseTest : public SetupTest {
protected:
    void SetUp() override {
        Install();
        m_sys.m_registry.PutValue(RegRoot::CurrentUser, "Software\\Halvane\\Quenlow\\1.0", "game",
                                  kRegSz, "state");
        m_sys.m_files.AddFile(kSettings, "[Recent File List]\r\nFile1=C:\\mine.qnl\r\n");
        ForgetHistory();
    }
    void InstallOtherBuild() {
        m_sys.m_registry.PutValue(RegRoot::OtherLocalMachine, kProductKey, "DestinationPath",
                                  kRegSz, "C:\\Program Files (x86)\\Halvane\\Quenlow");
    }
    bool Installed(const char* szName) const { return m_sys.m_files.HasFile(Dest(szName)); }
    bool HasGroupLink(const char* szName) const {
        return m_sys.m_files.HasFile(std::string(kCommonGroup) + "\\" + szName + ".lnk");
    }
    bool HasPlayersData() const {
        bool bKey =
            m_sys.m_registry.HasKey(RegRoot::CurrentUser, "Software\\Halvane\\Quenlow\\1.0");
        EXPECT_EQ(bKey, m_sys.m_files.HasFile(kSettings)) << "the key and the settings go together";
        return bKey;
    }
    // The document type as the game registers it at its start.
    void RegisterDocumentType(RegRoot root, const std::string& strProgram) {
        std::string strType = "Software\\Classes\\Quenlow.Document";
        m_sys.m_registry.PutValue(root, strType, "", kRegSz, "Quenlow Game");
        m_sys.m_registry.PutValue(root, strType + "\\shell\\open\\command", "", kRegSz,
                                  "\"" + strProgram + "\" \"%1\"");
        m_sys.m_registry.PutValue(root, "Software\\Classes\\.QNL", "", kRegSz, "Quenlow.Document");
        m_sys.m_registry.PutValue(root, "Software\\Classes\\.QNL\\ShellNew", "NullFile", kRegSz,
                                  "");
    }
    bool HasDocumentType(RegRoot root) const {
        return m_sys.m_registry.HasKey(root, "Software\\Classes\\Quenlow.Document") ||
               m_sys.m_registry.HasKey(root, "Software\\Classes\\.QNL");
    }
    static constexpr const char* kSettings = "C:\\users\\me\\AppData\\Roaming\\QUENLOW.INI";
};

TEST_F(RemoveInUseTest, ThePlayersDataGoWithTheLastBuildOnly) {
    InstallOtherBuild();
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(), std::vector<std::string>{kRemoveSucceeded});
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
    EXPECT_TRUE(HasPlayersData());
}

TEST_F(RemoveInUseTest, WithoutTheOtherBuildThePlayersDataGo) {
    // Another product of the maker in the other view is not this product.
    m_sys.m_registry.AddKey(RegRoot::OtherLocalMachine, "Software\\Halvane\\Other\\UserInfo");
    Remove();
    EXPECT_FALSE(HasPlayersData());
}

TEST_F(RemoveInUseTest, ARunningGameIsAskedForBeforeAnythingGoes) {
    std::string strGame = Dest("QUENLOW.EXE");
    std::string strQuestion = strGame + kFileInUse;
    m_sys.m_files.Lock(strGame);
    m_sys.m_answers = {BoxAnswer::Retry, BoxAnswer::Cancel};
    Remove();
    // Retry while it still runs asks again; Cancel deletes nothing and says nothing more.
    EXPECT_EQ(m_sys.MessageTexts(), (std::vector<std::string>{strQuestion, strQuestion}));
    EXPECT_EQ(m_sys.m_messages[0].m_kind, BoxKind::RetryCancel);
    for (const char* szChange : {"delete", "shelldelete", "rmdir", "regdelete"})
        EXPECT_EQ(JournalIndex(szChange), -1) << szChange;

    // Retry once the game has ended removes everything.
    ForgetHistory();
    m_sys.m_onMessage = [&](const std::string& strText) {
        if (strText == strQuestion) m_sys.m_files.Unlock(strGame);
    };
    m_sys.m_answers = {BoxAnswer::Retry};
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(), (std::vector<std::string>{strQuestion, kRemoveSucceeded}));
    EXPECT_FALSE(m_sys.m_files.HasFolder(kDest));
    EXPECT_FALSE(HasPlayersData());
}

TEST_F(RemoveInUseTest, AFileThatStaysKeepsWhatRemovesItLater) {
    // The game started again after the question: its file cannot go.
    m_sys.m_context.m_faults.ResetCounts();
    m_sys.m_context.m_faults.FailAt(FakeOp::RemoveFile, 1);
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(),
              (std::vector<std::string>{kRemoveFilesIncomplete, kRemoveFinished}));
    EXPECT_FALSE(Installed("license.txt"));
    for (const char* szName : {"QUENLOW.EXE", "setup.exe", "setup.ini"})
        EXPECT_TRUE(Installed(szName)) << szName;
    EXPECT_TRUE(HasGroupLink("Quenlow"));
    EXPECT_TRUE(HasGroupLink("Uninstall Quenlow"));
    EXPECT_TRUE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
    EXPECT_TRUE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kProductKey));
    EXPECT_TRUE(HasPlayersData());

    // The removal run again finishes it; the files already gone count as missing.
    ForgetHistory();
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(),
              (std::vector<std::string>{kRemoveFilesIncomplete, kRemoveFinished}));
    EXPECT_FALSE(m_sys.m_files.HasFolder(kDest));
    EXPECT_FALSE(m_sys.m_files.HasFolder(kCommonGroup));
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
}

TEST_F(RemoveInUseTest, NothingOfTheProductIsLeftBehind) {
    RegisterDocumentType(RegRoot::LocalMachine, Dest("QUENLOW.EXE"));
    // The same type for the user, opening another copy of the game: not this installation's.
    RegisterDocumentType(RegRoot::CurrentUser, "C:\\Games\\QUENLOW.EXE");
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(), std::vector<std::string>{kRemoveSucceeded});
    EXPECT_FALSE(HasDocumentType(RegRoot::LocalMachine));
    EXPECT_TRUE(m_sys.m_registry.HasKey(RegRoot::CurrentUser, "Software\\Classes\\.QNL"));
    EXPECT_FALSE(m_sys.m_files.HasFolder("C:\\Program Files\\Halvane"));
    EXPECT_FALSE(HasPlayersData());

    // The maker's folder holding another product stays, as does a folder the user picked.
    m_sys.m_files.AddFolder("C:\\Program Files\\Halvane\\Other");
    StartFromDist();
    Install();
    Remove();
    EXPECT_TRUE(m_sys.m_files.HasFolder("C:\\Program Files\\Halvane\\Other"));
    m_sys.m_files.AddFolder("C:\\Games");
    StartFromDist();
    m_sys.m_strWizardFolder = "C:\\Games\\Quenlow";
    Install();
    Remove("C:\\Games\\Quenlow");
    EXPECT_FALSE(m_sys.m_files.HasFolder("C:\\Games\\Quenlow"));
    EXPECT_TRUE(m_sys.m_files.HasFolder("C:\\Games"));
}
