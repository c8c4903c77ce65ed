#include "RemoveFiles.h"

#include "RemoveLeftovers.h"
#include "SetupNames.h"
#include "SetupShell.h"
#include "SetupTexts.h"
#include "SetupUser.h"

namespace {

struct RemoveMarks {
    bool m_bSuccess = true;
    bool m_bFileStays = false;
};

std::string InstalledPath(const SetupState& state, const FileEntry& entry) {
    return state.m_strDestination + "\\" + entry.m_strFile;
}

// What a later removal starts from and reads.
bool IsRemovalProgram(const FileEntry& entry) {
    return EqualsNoCase(entry.m_strFile, kSetupFileName) ||
           EqualsNoCase(entry.m_strFile, kIniFileName);
}

// The file deleted, or the failure written in the log.
bool RemoveInstalledFile(SetupState& state, const std::string& strPath) {
    if (!CheckPathLength(state, strPath)) return false;
    if (!state.m_pSystem->RemoveFile(strPath)) {
        LogFailure(state, "Not deleted: " + strPath, state.m_pSystem->LastError());
        return false;
    }
    Log(state, "Deleted: " + strPath);
    return true;
}

bool IsMade(SetupOption option) {
    return option == SetupOption::Yes || option == SetupOption::Ask;
}

// Desktop and start-up links may have been declined or removed by hand: they never count.
void RemoveMainProgramLinks(SetupState& state, const FileEntry& entry) {
    const ShellFolders& folders = state.m_folders;
    std::string strTarget = InstalledPath(state, entry);
    if (IsMade(state.m_config.m_desktop) && !folders.m_strDesktop.empty())
        DeleteLinkFile(state, folders.m_strDesktop + entry.m_strShortcut + ".lnk", strTarget);
    if (IsMade(state.m_config.m_startup) && !folders.m_strStartup.empty())
        DeleteLinkFile(state, folders.m_strStartup + entry.m_strShortcut + ".lnk", strTarget);
}

// The file, then its links; a file that stays keeps its links.
void RemoveEntry(SetupState& state, std::size_t nIndex, RemoveMarks& marks) {
    ISetupSystem& system = *state.m_pSystem;
    const FileEntry& entry = state.m_config.m_entries[nIndex];
    std::string strPath = InstalledPath(state, entry);
    if (!RemoveInstalledFile(state, strPath)) {
        marks.m_bSuccess = false;
        if (strPath.size() <= kMaxPathChars && system.FileExists(strPath)) {
            marks.m_bFileStays = true;
            return;
        }
    }
    if (entry.m_strShortcut.empty()) return;
    if (nIndex == 0) RemoveMainProgramLinks(state, entry);
    const std::string& strGroup = state.m_folders.m_strGroup;
    if (!strGroup.empty() &&
        !DeleteLinkFile(state, strGroup + entry.m_strShortcut + ".lnk", strPath))
        marks.m_bSuccess = false;
}

} // namespace

bool FilesCanBeRemoved(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    std::string strSelf = system.ModulePath();
    for (const FileEntry& entry : state.m_config.m_entries) {
        std::string strPath = InstalledPath(state, entry);
        // Without a temporary copy the removal runs from the installed setup.exe itself, which
        // the system deletes at its next start.
        if (strPath.size() > kMaxPathChars || system.SameFile(strPath, strSelf)) continue;
        while (system.FileInUse(strPath)) {
            // Unattended, no one can close the program: the removal is refused.
            if (Ask(state, strPath + kFileInUse, kCaptionQuestion, BoxKind::RetryCancel,
                    BoxAnswer::Cancel) != BoxAnswer::Retry)
                return false;
        }
    }
    return true;
}

RemoveResult RemoveFiles(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    LocateShellFolders(state);
    const std::string& strGroup = state.m_folders.m_strGroup;
    if (strGroup.empty() || !system.FolderExists(strGroup)) LocatePersonalFolders(state);
    RemoveMarks marks;
    std::size_t nEntries = state.m_config.m_entries.size();
    for (std::size_t i = 0; i < nEntries; ++i) {
        if (!IsRemovalProgram(state.m_config.m_entries[i])) RemoveEntry(state, i, marks);
    }
    for (std::size_t i = 0; i < nEntries && !marks.m_bFileStays; ++i) {
        if (IsRemovalProgram(state.m_config.m_entries[i])) RemoveEntry(state, i, marks);
    }
    // Folders still holding something stay, without a word.
    system.RemoveFolder(state.m_strDestination);
    RemoveMakerFolder(state);
    if (!strGroup.empty()) system.RemoveFolder(strGroup);
    if (!marks.m_bSuccess)
        Tell(state, BoxOwner::None, kRemoveFilesIncomplete, kCaptionError, BoxKind::Ok);
    if (marks.m_bFileStays) return RemoveResult::Unfinished;
    return marks.m_bSuccess ? RemoveResult::Complete : RemoveResult::Incomplete;
}
