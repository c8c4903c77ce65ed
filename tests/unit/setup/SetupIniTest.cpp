#include "SetupIni.h"
#include "SetupTestSupport.h"
#include "SetupTexts.h"

#include <memory>

namespace {

// Reads every piece of a file through the text-mode reader.
std::vector<std::string> Pieces(CFakeSetupSystem& sys, const std::string& strContent) {
    sys.m_files.AddFile("C:\\t.txt", strContent);
    std::unique_ptr<ISetupFile> pFile = sys.OpenRead("C:\\t.txt");
    CTextModeFile file(*pFile);
    std::vector<std::string> pieces;
    std::string strLine;
    while (file.ReadLine(strLine))
        pieces.push_back(strLine);
    return pieces;
}

using Strings = std::vector<std::string>;

} // namespace

class TextModeFileTest : public SetupTest {};

TEST_F(TextModeFileTest, LineEndsReadAsWindowsTextModeDoes) {
    EXPECT_EQ(Pieces(m_sys, "a\r\nb\nc"), (Strings{"a\n", "b\n", "c"}));
    // A lone CR is an ordinary character; a CR before a CR LF too.
    EXPECT_EQ(Pieces(m_sys, "a\rb\r\r\nc\r"), (Strings{"a\rb\r\n", "c\r"}));
    // Ctrl+Z ends the file.
    EXPECT_EQ(Pieces(m_sys, "a\r\nb\x1A\r\nc\r\n"), (Strings{"a\n", "b"}));
    EXPECT_EQ(Pieces(m_sys, "a\r\x1A"
                            "b"),
              (Strings{"a\r"}));
}

TEST_F(TextModeFileTest, CrLfAcrossTheReadBlockIsOneLineEnd) {
    // The CR is the last byte of the first 4,096-byte block, its LF the first of the next.
    std::string strText = std::string(4090, 'y') + "\nabcd\r\nnext";
    ASSERT_EQ(strText[4095], '\r');
    EXPECT_EQ(Pieces(m_sys, strText), (Strings{std::string(4090, 'y') + "\n", "abcd\n", "next"}));
}

TEST_F(TextModeFileTest, LongLinesComeInPiecesOf4095) {
    Strings pieces = Pieces(m_sys, std::string(5000, 'x') + "\r\n" + std::string(4095, 'z') + "\n");
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0], std::string(4095, 'x'));
    EXPECT_EQ(pieces[1], std::string(905, 'x') + "\n");
    EXPECT_EQ(pieces[2], std::string(4095, 'z'));
    EXPECT_EQ(pieces[3], "\n");
}

TEST_F(TextModeFileTest, AFailedReadEndsTheFileAndIsReported) {
    m_sys.m_files.AddFile("C:\\t.txt", std::string(5000, 'x') + "\n");
    std::unique_ptr<ISetupFile> pFile = m_sys.OpenRead("C:\\t.txt");
    CTextModeFile file(*pFile);
    m_sys.m_context.m_faults.FailAt(FakeOp::Read, 2);
    std::string strLine;
    EXPECT_TRUE(file.ReadLine(strLine));
    EXPECT_FALSE(file.ReadLine(strLine));
    EXPECT_TRUE(file.Failed());
}

class SetupIniTest : public SetupTest {
protected:
    // Loads a setup.ini of the given [Names] lines and an entry.
    bool LoadNames(const std::string& strNames) {
        WriteIni("[Names]\n" + strNames + "[Files]\n+a.exe;;\n");
        return Load();
    }
    bool LoadFiles(const std::string& strFiles) {
        WriteIni("[Names]\nproduct=Cards\n[Files]\n" + strFiles);
        return Load();
    }
    // The one message shown, which must be the malformed-file one for the mode.
    void ExpectMalformed(SetupMode mode = SetupMode::Install) {
        ASSERT_EQ(m_sys.m_messages.size(), 1u);
        const CFakeMessage& message = m_sys.m_messages[0];
        EXPECT_EQ(message.m_strText, mode == SetupMode::Install
                                         ? "Unable to install the program. The file "
                                           "\"setup.ini\" is not formatted properly."
                                         : "Unable to Remove/Uninstall the program. The file "
                                           "\"setup.ini\" is not formatted properly.");
        EXPECT_EQ(message.m_strCaption, "Setup - ERROR");
        EXPECT_EQ(message.m_kind, BoxKind::OkError);
        EXPECT_EQ(message.m_owner, BoxOwner::None);
        m_sys.m_messages.clear();
    }
    const SetupConfig& Config() const { return m_state.m_config; }
};

TEST_F(SetupIniTest, TheDistributionFileReadsWhole) {
    ASSERT_TRUE(Load());
    EXPECT_EQ(Config().m_strProduct, "Quenlow");
    EXPECT_EQ(Config().m_desktop, SetupOption::Ask);
    EXPECT_EQ(Config().m_startup, SetupOption::No);
    EXPECT_EQ(Config().m_launch, SetupOption::Yes);
    EXPECT_EQ(Config().m_strDocumentType, "Quenlow.Document");
    EXPECT_EQ(Config().m_strExtension, ".QNL");
    EXPECT_EQ(Config().m_strSettingsFile, "QUENLOW.INI");
    ASSERT_EQ(Config().m_entries.size(), 4u);
    EXPECT_EQ(Config().m_entries[1].m_strFile, "setup.exe");
    EXPECT_EQ(Config().m_entries[1].m_strShortcut, "Uninstall Quenlow");
    EXPECT_EQ(Config().m_entries[1].m_strArguments, "/u");
    EXPECT_TRUE(m_sys.m_messages.empty());
    EXPECT_EQ(m_sys.m_files.OpenFiles(), 0);
}

TEST_F(SetupIniTest, ProductKeyRules) {
    ASSERT_TRUE(LoadNames("PRODUCT=Cards\n"));
    EXPECT_EQ(Config().m_strProduct, "Cards");
    ASSERT_TRUE(LoadNames("product=Cards; main game\n"));
    EXPECT_EQ(Config().m_strProduct, "Cards");
    ASSERT_TRUE(LoadNames("product=" + std::string(40, 'p') + "\n"));
    EXPECT_EQ(Config().m_strProduct, std::string(31, 'p'));
    // The last line wins, even after [Files].
    WriteIni("[Names]\nproduct=First\n[Files]\n+a.exe;;\n[Other]\nproduct=Second\n");
    ASSERT_TRUE(Load());
    EXPECT_EQ(Config().m_strProduct, "Second");
    // Before [Names] it is no setting.
    WriteIni("product=Early\n[Names]\n[Files]\n+a.exe;;\n");
    EXPECT_FALSE(Load());
    ExpectMalformed();
    EXPECT_FALSE(LoadNames("product = Cards\n"));
    ExpectMalformed();
    EXPECT_FALSE(LoadNames(" product=Cards\n"));
    ExpectMalformed();
}

TEST_F(SetupIniTest, OptionRules) {
    struct Case {
        const char* szLines;
        SetupOption expected;
    } cases[] = {
        {"desktop=no\ndesktop=Ask\n", SetupOption::Ask},
        {"desktop=YES please\n", SetupOption::Yes},
        {"desktop=y\n", SetupOption::No},
        {"desktop=ask;yes\n", SetupOption::Ask},
        {"DESKTOP=yes\ndesktop=ask\n", SetupOption::Yes},
        {"desktop =yes\n", SetupOption::No},
        {"[Names2]\ndesktop=yes\n", SetupOption::No}, // the next section ends the search
        {"", SetupOption::No},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(LoadNames(std::string("product=Cards\n") + c.szLines)) << c.szLines;
        EXPECT_EQ(Config().m_desktop, c.expected) << c.szLines;
        EXPECT_EQ(Config().m_startup, SetupOption::No) << c.szLines;
    }
    ASSERT_TRUE(LoadNames("product=Cards\nstartup=ask\nlaunch=Yes\n"));
    EXPECT_EQ(Config().m_startup, SetupOption::Ask);
    EXPECT_EQ(Config().m_launch, SetupOption::Yes);
}

TEST_F(SetupIniTest, SectionsAreFoundFromTheStartInAnyOrderAndCase) {
    WriteIni("junk\n[files] trailing text\n+b.exe;B;;\n[NAMES]\nproduct=Cards\ndesktop=yes\n"
             "[Names]\ndesktop=ask\n");
    ASSERT_TRUE(Load());
    EXPECT_EQ(Config().m_strProduct, "Cards");
    EXPECT_EQ(Config().m_desktop, SetupOption::Yes); // only the first header counts
    ASSERT_EQ(Config().m_entries.size(), 1u);
    EXPECT_EQ(Config().m_entries[0].m_strShortcut, "B");
    WriteIni(" [Names]\nproduct=Cards\n[Files]\n+a;;\n");
    EXPECT_FALSE(Load());
    ExpectMalformed();
}

TEST_F(SetupIniTest, EntryShapes) {
    ASSERT_TRUE(LoadFiles("+readme.txt;;\n+game.exe;Cards;;\n+setup.exe;Remove Cards;/u;x;y\n"
                          ";+skipped.exe;S;;\nskipped.exe;S;;\n+;Nameless;;\nplain comment\n"
                          "+c.exe;;args;\n"));
    const std::vector<FileEntry>& entries = Config().m_entries;
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].m_strFile, "readme.txt");
    EXPECT_EQ(entries[0].m_strShortcut, "");
    EXPECT_EQ(entries[1].m_strShortcut, "Cards");
    EXPECT_EQ(entries[1].m_strArguments, "");
    EXPECT_EQ(entries[2].m_strArguments, "/u");
    EXPECT_EQ(entries[3].m_strFile, "c.exe");
    EXPECT_EQ(entries[3].m_strArguments, ""); // reading stops at the empty field
}

TEST_F(SetupIniTest, EntriesStopAtTwentyAndAtTheNextSection) {
    std::string strFiles;
    for (int i = 0; i < 25; ++i)
        strFiles += "+f" + std::to_string(i) + ".dat;;\n";
    ASSERT_TRUE(LoadFiles(strFiles));
    ASSERT_EQ(Config().m_entries.size(), 20u);
    EXPECT_EQ(Config().m_entries.back().m_strFile, "f19.dat");
    ASSERT_TRUE(LoadFiles("+a.dat;;\n[More]\n+b.dat;;\n"));
    EXPECT_EQ(Config().m_entries.size(), 1u);
    // Entries after a Ctrl+Z are not in the file.
    ASSERT_TRUE(LoadFiles("+a.dat;;\r\n\x1A+b.dat;;\r\n"));
    EXPECT_EQ(Config().m_entries.size(), 1u);
}

TEST_F(SetupIniTest, AnUnclosedLastFieldEndsAtTheLineEnd) {
    ASSERT_TRUE(LoadFiles("+game.exe\r\n+other.exe;Other\r\n+third.exe;Third;-x\n+last.exe"));
    const std::vector<FileEntry>& entries = Config().m_entries;
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].m_strFile, "game.exe");
    EXPECT_EQ(entries[1].m_strShortcut, "Other");
    EXPECT_EQ(entries[2].m_strArguments, "-x");
    EXPECT_EQ(entries[3].m_strFile, "last.exe");
}

TEST_F(SetupIniTest, AFieldOverThirtyOneCharactersRejectsTheFile) {
    std::string str31(31, 'n');
    ASSERT_TRUE(LoadFiles("+" + str31 + ";" + str31 + ";" + str31 + ";\n"));
    EXPECT_EQ(Config().m_entries[0].m_strArguments, str31);
    for (const std::string& strLine :
         {"+" + str31 + "x;;\n", "+a.exe;" + str31 + "x;;\n", "+a.exe;A;" + str31 + "x;\n"}) {
        EXPECT_FALSE(LoadFiles("+first.exe;;\n" + strLine + "+next.exe;;\n")) << strLine;
        ExpectMalformed();
    }
}

TEST_F(SetupIniTest, NamesThatWouldLeaveTheirFolderRejectTheFile) {
    for (const char* szProduct : {"..", "a\\b", "a/b", "C:x", "Ca*ds", "Ca?ds", "  ", ". .",
                                  "Ca\"rds", "Ca|rds", "Ca\trds"}) {
        EXPECT_FALSE(LoadNames(std::string("product=") + szProduct + "\n")) << szProduct;
        ExpectMalformed();
    }
    // The names of what removal deletes beside the product: a key or file of its own.
    for (const char* szLine : {"document=..\\Quenlow.Document\n", "extension=QNL\n",
                               "extension=.Q\\..\n", "settings=..\\win.ini\n", "settings=NUL\n"}) {
        EXPECT_FALSE(LoadNames(std::string("product=Quenlow\n") + szLine)) << szLine;
        ExpectMalformed();
    }
    for (const char* szLine :
         {"+..\\evil.exe;;\n", "+C:\\evil.exe;;\n", "+\\evil.exe;;\n", "+a.exe;..;;\n",
          "+a.exe;x*;;\n", "+a.exe;sub\\x;;\n", "+...;;\n", "+a.exe;Na\rme;;\n"}) {
        EXPECT_FALSE(LoadFiles(szLine)) << szLine;
        ExpectMalformed();
    }
    // Names the system treats as devices, or shortens by a trailing dot or blank, would open a
    // device or reach another product's folder.
    for (const char* szProduct : {"CON", "nul", "Aux.txt", "com1", "LPT9.log", "conin$", "CONOUT$",
                                  "Quenlow.", "Quenlow ", "PRN .x"}) {
        EXPECT_FALSE(LoadNames(std::string("product=") + szProduct + "\n")) << szProduct;
        ExpectMalformed();
    }
    for (const char* szLine :
         {"+NUL;;\n", "+con.ini;;\n", "+a.exe;Com3;;\n", "+a.exe.;;\n", "+a.exe;Play ;;\n"}) {
        EXPECT_FALSE(LoadFiles(szLine)) << szLine;
        ExpectMalformed();
    }
    ASSERT_TRUE(LoadFiles("+CONFIG.SYS;COM10;;\n+lpt0.txt;Nully;;\n"));
    // Arguments are no path: they may hold anything.
    ASSERT_TRUE(LoadFiles("+a.exe;Go;/u \"C:\\x\\..\\y\" *;\n+.hidden;;\n"));
    EXPECT_EQ(Config().m_entries[0].m_strArguments, "/u \"C:\\x\\..\\y\" *");
}

TEST_F(SetupIniTest, FailureMessagesNameTheMode) {
    WriteIni("[Names]\nproduct=Cards\n");
    EXPECT_FALSE(Load(SetupMode::Remove));
    ExpectMalformed(SetupMode::Remove);
    WriteIni("[Names]\nproduct=Cards\n[Files]\nno entries\n");
    EXPECT_FALSE(Load());
    ExpectMalformed();
    WriteIni("[Files]\n+a.exe;;\n");
    EXPECT_FALSE(Load());
    ExpectMalformed();

    m_sys.m_files.RemoveFile("C:\\dist\\setup.ini");
    EXPECT_FALSE(Load(SetupMode::Remove));
    ASSERT_EQ(m_sys.m_messages.size(), 1u);
    EXPECT_EQ(m_sys.m_messages[0].m_strText, "Unable to Remove/Uninstall the program. The file "
                                             "\"setup.ini\" was not found in the distribution "
                                             "file set.");
    EXPECT_EQ(m_sys.m_messages[0].m_strCaption, "Setup - ERROR");
}

TEST_F(SetupIniTest, AnUnreadableFileIsNotUsedInPart) {
    m_sys.m_context.m_faults.FailAt(FakeOp::Read, 3);
    EXPECT_FALSE(Load());
    ASSERT_EQ(m_sys.m_messages.size(), 1u);
    EXPECT_EQ(m_sys.m_messages[0].m_strText, std::string(kInstallPrefix) + kIniMissing);
    EXPECT_EQ(m_sys.m_files.OpenFiles(), 0);
}
