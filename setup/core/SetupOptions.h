// The switches of setup.exe's command line, read in one place.
#pragma once

#include <string>

// Exit codes of an unattended run; without "/S" the program always ends with 0.
constexpr int kExitSuccess = 0;
constexpr int kExitBadSwitch = 87;
constexpr int kExitFailed = 1603;

struct SetupOptions {
    std::string m_strCommandLine;
    // "/u" anywhere: restart from a private copy, then remove. "/r" or "/u": remove.
    bool m_bUninstall = false;
    bool m_bRemove = false;
    // "/S": no wizard, no progress window, no message; the outcome is the exit code.
    bool m_bUnattended = false;
    // "/D=": the destination folder as given, without a trailing "\"; empty when not given.
    std::string m_strDestination;
    // "/LOG=": the log file as given; empty when not given.
    std::string m_strLogFile;
    // The first switch that cannot be understood; empty when every one can.
    std::string m_strNotUnderstood;
};

// "/D=" takes the rest of the line, blanks included, and "/u" or "/r" within it or within the
// log's quoted name are no switches. Elsewhere "/u" and "/r" are matched anywhere, with their
// letter case, as they always were; other words count as not understood only with "/S".
SetupOptions ReadSetupOptions(const std::string& strCommandLine);

// The switches a removal's temporary copy is started with: "/r" and those of this run.
std::string CopySwitches(const SetupOptions& options);
