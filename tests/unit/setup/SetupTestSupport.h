// A machine in memory as the setup program finds it: a distribution folder C:\dist holding the
// program, its setup.ini and the product's files, the shell's folders as Wine gives them, and
// a temporary folder.
#pragma once

#include "FakeSetupSystem.h"
#include "SetupState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

constexpr const char* kDist = "C:\\dist";
constexpr const char* kDest = "C:\\Program Files\\Halvane\\Quenlow";
constexpr const char* kCommonPrograms = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
constexpr const char* kCommonGroup =
    "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Quenlow";
constexpr const char* kCommonDesktop = "C:\\users\\Public\\Desktop";
constexpr const char* kCommonStartup =
    "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp";
constexpr const char* kUserPrograms = "C:\\users\\me\\Start Menu\\Programs";
constexpr const char* kUserDesktop = "C:\\users\\me\\Desktop";
constexpr const char* kUserStartup = "C:\\users\\me\\Start Menu\\Programs\\StartUp";
constexpr const char* kUserAppData = "C:\\users\\me\\AppData\\Roaming";
constexpr const char* kProductKey = "Software\\Halvane\\Quenlow\\UserInfo";
constexpr const char* kUninstallEntry =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quenlow";

// The distribution's setup.ini: desktop=Ask, startup=No, launch=Yes, the main program's
// document type and settings file, four entries.
extern const char* const kStandardIni;

// A file in the default destination folder.
inline std::string Dest(const std::string& strName) {
    return std::string(kDest) + "\\" + strName;
}

// Fills a fresh fake system with the machine described above, C:\dist current.
void PrepareMachine(CFakeSetupSystem& sys);

class SetupTest : public ::testing::Test {
protected:
    SetupTest();

    // Replaces C:\dist\setup.ini.
    void WriteIni(const std::string& strText);
    // Reads C:\dist\setup.ini into the state; false on failure.
    bool Load(SetupMode mode = SetupMode::Install);
    // Runs the install job from C:\dist, answering the desktop question.
    void Install(BoxAnswer desktopAnswer = BoxAnswer::Yes);
    // Runs the remove job in-process from the installed folder, as the temporary copy does.
    void Remove(const char* szInstalled = kDest);
    // Back in the distribution folder, as a new start of its setup.exe.
    void StartFromDist();
    // Drops the messages and journal of what ran so far.
    void ForgetHistory();

    bool JournalHas(const std::string& strLine) const;
    // Position of the first journal line that begins with the text; -1 when none.
    int JournalIndex(const std::string& strPrefix) const;
    int CountJournal(const std::string& strPrefix) const;

    CFakeSetupSystem m_sys;
    SetupState m_state{m_sys};
};

// The install job's own checks.
class InstallTest : public SetupTest {
protected:
    std::string GroupLink(const std::string& strName) const {
        return std::string(kCommonGroup) + "\\" + strName + ".lnk";
    }
    void ExpectClosing(const char* szText) {
        ASSERT_FALSE(m_sys.m_messages.empty());
        const CFakeMessage& last = m_sys.m_messages.back();
        EXPECT_EQ(last.m_strText, szText);
        EXPECT_EQ(last.m_strCaption, "Setup Complete");
        EXPECT_EQ(last.m_owner, BoxOwner::MainWindow);
    }
    void ExpectNothingWritten() {
        for (const char* szChange : {"write", "mkdir", "link", "regset"})
            EXPECT_EQ(JournalIndex(szChange), -1) << szChange;
    }
};
