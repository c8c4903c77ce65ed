#include "SetupTestSupport.h"

#include "RunSetup.h"
#include "SetupIni.h"

#include <algorithm>

const char* const kStandardIni = "[Names]\r\n"
                                 "product=Quenlow\r\n"
                                 "desktop=Ask\r\n"
                                 "startup=No\r\n"
                                 "launch=Yes\r\n"
                                 "document=Quenlow.Document\r\n"
                                 "extension=.QNL\r\n"
                                 "settings=QUENLOW.INI\r\n"
                                 "\r\n"
                                 "[Files]\r\n"
                                 "+QUENLOW.EXE;Quenlow;;\r\n"
                                 "+setup.exe;Uninstall Quenlow;/u;\r\n"
                                 "+setup.ini;;\r\n"
                                 "+license.txt;;\r\n";

void PrepareMachine(CFakeSetupSystem& sys) {
    sys.m_specialFolders = {{SpecialFolder::CommonPrograms, kCommonPrograms},
                            {SpecialFolder::CommonDesktop, kCommonDesktop},
                            {SpecialFolder::CommonStartup, kCommonStartup},
                            {SpecialFolder::Programs, kUserPrograms},
                            {SpecialFolder::Desktop, kUserDesktop},
                            {SpecialFolder::Startup, kUserStartup},
                            {SpecialFolder::ProgramFiles, "C:\\Program Files"},
                            {SpecialFolder::AppData, kUserAppData}};
    for (const auto& item : sys.m_specialFolders)
        sys.m_files.AddFolder(item.second);
    sys.m_files.AddFolder("C:\\temp");
    sys.m_files.AddFile("C:\\dist\\QUENLOW.EXE", "MZ game " + std::string(9000, 'g'));
    sys.m_files.AddFile("C:\\dist\\setup.exe", "MZ setup " + std::string(5000, 's'));
    sys.m_files.AddFile("C:\\dist\\license.txt", "Licence\r\n");
    sys.m_files.AddFile("C:\\dist\\setup.ini", kStandardIni);
    sys.m_files.SetCurrent(kDist);
    sys.m_registry.AddKey(RegRoot::LocalMachine, "Software\\Halvane\\Other");
    sys.m_registry.AddKey(RegRoot::CurrentUser, "SOFTWARE\\Halvane\\Other\\1.0");
}

SetupTest::SetupTest() {
    PrepareMachine(m_sys);
}

void SetupTest::WriteIni(const std::string& strText) {
    m_sys.m_files.AddFile("C:\\dist\\setup.ini", strText);
}

bool SetupTest::Load(SetupMode mode) {
    m_state.m_mode = mode;
    return LoadSetupConfig(m_state);
}

void SetupTest::Install(BoxAnswer desktopAnswer) {
    m_sys.m_answers.push_back(desktopAnswer);
    m_state.m_mode = SetupMode::Install;
    RunSetup(m_state);
}

void SetupTest::Remove(const char* szInstalled) {
    m_sys.m_files.SetCurrent(szInstalled);
    m_sys.m_strModulePath = "C:\\temp\\setup.exe";
    SetupState state(m_sys);
    state.m_mode = SetupMode::Remove;
    RunSetup(state);
    m_state = state;
}

void SetupTest::StartFromDist() {
    m_sys.m_files.SetCurrent(kDist);
    m_sys.m_strModulePath = "C:\\dist\\setup.exe";
}

void SetupTest::ForgetHistory() {
    m_sys.m_messages.clear();
    m_sys.m_context.m_journal.clear();
    m_sys.m_launches.clear();
}

bool SetupTest::JournalHas(const std::string& strLine) const {
    const std::vector<std::string>& journal = m_sys.Journal();
    return std::find(journal.begin(), journal.end(), strLine) != journal.end();
}

int SetupTest::JournalIndex(const std::string& strPrefix) const {
    const std::vector<std::string>& journal = m_sys.Journal();
    for (std::size_t i = 0; i < journal.size(); ++i) {
        if (journal[i].compare(0, strPrefix.size(), strPrefix) == 0) return static_cast<int>(i);
    }
    return -1;
}

int SetupTest::CountJournal(const std::string& strPrefix) const {
    const std::vector<std::string>& journal = m_sys.Journal();
    return static_cast<int>(
        std::count_if(journal.begin(), journal.end(), [&](const std::string& s) {
            return s.compare(0, strPrefix.size(), strPrefix) == 0;
        }));
}
