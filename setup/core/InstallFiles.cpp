#include "InstallFiles.h"

#include "FileCopy.h"
#include "SetupNames.h"
#include "SetupShell.h"
#include "SetupTexts.h"
#include "SetupUser.h"

namespace {

struct InstallMarks {
    bool m_bFiles = true;
    bool m_bShortcuts = true;
};

void MakeGroupFolder(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    if (state.m_folders.m_strGroup.empty()) return;
    if (system.CreateFolder(state.m_folders.m_strGroup) != kErrAccessDenied)
        return; // made, there already, or failing for another reason: the links will tell
    LocatePersonalFolders(state);
    if (!state.m_folders.m_strGroup.empty())
        system.CreateFolder(state.m_folders.m_strGroup); // the links will tell
}

void MakeDestinationFolder(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    const std::string& strFolder = state.m_strDestination;
    if (system.CreateFolder(strFolder) == kErrNone) return;
    // One missing level above is made; the copies tell whether the folder exists in the end.
    std::size_t nSlash = strFolder.rfind('\\');
    if (nSlash == std::string::npos || nSlash <= 2) return;
    system.CreateFolder(strFolder.substr(0, nSlash));
    system.CreateFolder(strFolder);
}

bool CopiedTo(SetupState& state, const std::string& strTarget) {
    Log(state, "Copied: " + strTarget);
    return true;
}

// A file this distribution does not carry is passed over; one that is there must arrive whole.
bool InstallEntryFile(SetupState& state, const FileEntry& entry, const std::string& strTarget) {
    ISetupSystem& system = *state.m_pSystem;
    if (!system.FileExists(entry.m_strFile)) return true;
    // Installing from the destination folder itself: the file is in place already.
    if (system.SameFile(entry.m_strFile, strTarget)) return true;
    long nError = kErrNone;
    if (CopyWholeFile(system, entry.m_strFile, strTarget, &nError))
        return CopiedTo(state, strTarget);
    // A running program's file: the user is asked once to close it, and Retry tries once more.
    if (system.FileInUse(strTarget) &&
        Ask(state, strTarget + kFileInUse, kCaptionQuestion, BoxKind::RetryCancel,
            BoxAnswer::Cancel) == BoxAnswer::Retry &&
        CopyWholeFile(system, entry.m_strFile, strTarget, &nError))
        return CopiedTo(state, strTarget);
    LogFailure(state, "Not copied: " + strTarget, nError);
    Tell(state, BoxOwner::None, kCopyFailed + entry.m_strFile, kCaptionError, BoxKind::Ok);
    return false;
}

bool MakeLink(SetupState& state, const std::string& strFolder, const FileEntry& entry) {
    if (strFolder.empty()) return false;
    const std::string& strDest = state.m_strDestination;
    return CreateShortcut(state, strDest + "\\" + entry.m_strFile, strFolder + entry.m_strShortcut,
                          entry.m_strShortcut, entry.m_strArguments, strDest) == kLinkOk;
}

// An unattended run takes a question as answered No.
bool Agreed(SetupState& state, SetupOption& option, const char* szQuestion) {
    if (option == SetupOption::Ask &&
        Ask(state, szQuestion, kCaptionQuestion, BoxKind::YesNo, BoxAnswer::No) == BoxAnswer::Yes)
        option = SetupOption::Yes;
    return option == SetupOption::Yes;
}

// The desktop and start-up links of the main program, each after its question.
void MakeMainProgramLinks(SetupState& state, const FileEntry& entry, InstallMarks& marks) {
    const ShellFolders& folders = state.m_folders;
    if (Agreed(state, state.m_config.m_desktop, kAskDesktop) && !folders.m_strDesktop.empty() &&
        !MakeLink(state, folders.m_strDesktop, entry))
        marks.m_bShortcuts = false;
    if (Agreed(state, state.m_config.m_startup, kAskStartup) && !folders.m_strStartup.empty() &&
        !MakeLink(state, folders.m_strStartup, entry))
        marks.m_bShortcuts = false;
}

void InstallEntry(SetupState& state, const FileEntry& entry, bool bFirst, InstallMarks& marks) {
    std::string strTarget = state.m_strDestination + "\\" + entry.m_strFile;
    if (!CheckPathLength(state, strTarget)) {
        // Its links would point at a file that cannot exist.
        marks.m_bFiles = false;
        marks.m_bShortcuts = marks.m_bShortcuts && entry.m_strShortcut.empty();
        return;
    }
    if (!InstallEntryFile(state, entry, strTarget)) marks.m_bFiles = false;
    if (entry.m_strShortcut.empty()) return;
    if (!MakeLink(state, state.m_folders.m_strGroup, entry)) marks.m_bShortcuts = false;
    if (bFirst) MakeMainProgramLinks(state, entry, marks);
}

} // namespace

bool InstallFiles(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    system.RepaintProgress();
    InstallMarks marks;
    LocateShellFolders(state);
    MakeGroupFolder(state);
    MakeDestinationFolder(state);
    const std::vector<FileEntry>& entries = state.m_config.m_entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        system.StepProgress();
        system.DispatchMessages();
        InstallEntry(state, entries[i], i == 0, marks);
    }
    if (marks.m_bFiles && marks.m_bShortcuts) return true;
    if (!marks.m_bFiles) Tell(state, BoxOwner::None, kFilesIncomplete, kCaptionError, BoxKind::Ok);
    if (!marks.m_bShortcuts)
        Tell(state, BoxOwner::None, kShortcutsIncomplete, kCaptionError, BoxKind::Ok);
    return false;
}
