// What setup.ini gives the setup program.
#pragma once

#include <string>
#include <vector>

enum class SetupOption { No, Yes, Ask };

// One [Files] line: a file of the distribution folder, its optional Start-menu shortcut and the
// shortcut's arguments.
struct FileEntry {
    std::string m_strFile;
    std::string m_strShortcut;
    std::string m_strArguments;
};

constexpr int kMaxFieldChars = 31;
constexpr int kMaxFileEntries = 20;

struct SetupConfig {
    std::string m_strProduct;
    // For the list of removable programs; empty when setup.ini does not say.
    std::string m_strVersion;
    std::string m_strPublisher;
    // What the main program registers or writes for itself, which goes with the product; each
    // empty when setup.ini does not say: the document type's class and extension (".QNL"), and
    // its settings file in the user's application-data folder.
    std::string m_strDocumentType;
    std::string m_strExtension;
    std::string m_strSettingsFile;
    SetupOption m_startup = SetupOption::No;
    SetupOption m_desktop = SetupOption::No;
    SetupOption m_launch = SetupOption::No;
    std::vector<FileEntry> m_entries; // the first is the product's main program
};
