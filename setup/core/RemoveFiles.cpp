#include "RemoveFiles.h"

#include "SetupNames.h"
#include "SetupShell.h"
#include "SetupTexts.h"
#include "SetupUser.h"

namespace {

bool RemoveInstalledFile(SetupState& state, const FileEntry& entry) {
    std::string strPath = state.m_strDestination + "\\" + entry.m_strFile;
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
    if (IsMade(state.m_config.m_desktop) && !folders.m_strDesktop.empty())
        DeleteLinkFile(state, folders.m_strDesktop + entry.m_strShortcut + ".lnk");
    if (IsMade(state.m_config.m_startup) && !folders.m_strStartup.empty())
        DeleteLinkFile(state, folders.m_strStartup + entry.m_strShortcut + ".lnk");
}

} // namespace

bool RemoveFiles(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    bool bSuccess = true;
    LocateShellFolders(state);
    const std::string& strGroup = state.m_folders.m_strGroup;
    if (strGroup.empty() || !system.FolderExists(strGroup)) LocatePersonalFolders(state);
    const std::vector<FileEntry>& entries = state.m_config.m_entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FileEntry& entry = entries[i];
        if (!RemoveInstalledFile(state, entry)) bSuccess = false;
        if (entry.m_strShortcut.empty()) continue;
        if (i == 0) RemoveMainProgramLinks(state, entry);
        if (!strGroup.empty() && !DeleteLinkFile(state, strGroup + entry.m_strShortcut + ".lnk"))
            bSuccess = false;
    }
    // Folders still holding something stay, without a word.
    system.RemoveFolder(state.m_strDestination);
    if (!strGroup.empty()) system.RemoveFolder(strGroup);
    if (!bSuccess) Tell(state, BoxOwner::None, kRemoveFilesIncomplete, kCaptionError, BoxKind::Ok);
    return bSuccess;
}
