#include "RunSetup.h"

#include "InstallFiles.h"
#include "RemoveFiles.h"
#include "RemoveLeftovers.h"
#include "SetupIni.h"
#include "SetupNames.h"
#include "SetupRegistry.h"
#include "SetupTexts.h"
#include "SetupUser.h"
#include "UninstallEntry.h"

namespace {

// The closing message, which tells the run's outcome.
void ShowClosing(SetupState& state, bool bSucceeded, const char* szText) {
    state.m_bSucceeded = bSucceeded;
    Tell(state, BoxOwner::MainWindow, szText, kCaptionComplete, BoxKind::Ok);
}

// Whether the recorded folder holds the installation this removal was started for. The
// removal reads setup.ini from the current folder: the installed program's own folder, which
// the temporary copy inherits from the original that started it. That folder's setup.exe is the
// program the uninstall command names, so the recorded folder is this installation only when
// its setup.exe is that very file. A registry value pointing elsewhere (another folder holding
// files of the same names, a system folder) is thus never emptied.
bool HoldsThisInstallation(ISetupSystem& system, const std::string& strFolder) {
    return system.SameFile(kSetupFileName, strFolder + "\\" + kSetupFileName);
}

// The folder recorded for the product, without a trailing "\"; empty when none or not valid.
std::string RecordedFolder(SetupState& state) {
    std::string strPath;
    if (!ReadMachineString(state, state.m_strProductKey, kDestinationValue, strPath) ||
        !IsValidDestination(strPath))
        return std::string();
    if (strPath.back() == '\\') strPath.pop_back();
    return strPath;
}

// The recorded folder, checked so that nothing outside it is ever deleted.
bool ReadDestination(SetupState& state) {
    std::string strPath = RecordedFolder(state);
    if (strPath.empty() || !HoldsThisInstallation(*state.m_pSystem, strPath)) return false;
    state.m_strDestination = strPath;
    return true;
}

// The folder the product is installed in: recorded, and holding its setup.exe.
std::string InstalledFolder(SetupState& state) {
    std::string strPath = RecordedFolder(state);
    if (strPath.empty() || !state.m_pSystem->FileExists(strPath + "\\" + kSetupFileName))
        return std::string();
    return strPath;
}

// Whether the destination chosen is another folder than the installed one, however either is
// spelt: the same folder holds the same setup.exe.
bool IsAnotherFolder(SetupState& state, const std::string& strInstalled) {
    const std::string& strDest = state.m_strDestination;
    if (strInstalled.empty() || strDest.empty()) return false;
    std::string strFolder =
        strDest.back() == '\\' ? strDest.substr(0, strDest.size() - 1) : strDest;
    return !EqualsNoCase(strFolder, strInstalled.c_str()) &&
           !state.m_pSystem->SameFile(strInstalled + "\\" + kSetupFileName,
                                      strFolder + "\\" + kSetupFileName);
}

// The installation the new one replaces: its files, and its links that the new one did not
// save over. Its keys are the new installation's now.
void RemoveEarlierInstallation(SetupState& state, const std::string& strEarlier) {
    std::string strDest = state.m_strDestination;
    state.m_strDestination = strEarlier;
    std::vector<RegRoot> types = DocumentTypeRoots(state);
    // A file that stays is reported; the new installation is whole.
    if (RemoveFiles(state) != RemoveResult::Unfinished) RemoveDocumentType(state, types);
    state.m_strDestination = strDest;
}

void RunRemoval(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    if (!ReadDestination(state)) {
        // Nothing is deleted, registry and links included, and the removal ends as one that
        // did not remove everything.
        Tell(state, BoxOwner::None, std::string(kRemovePrefix) + kDestinationInvalid,
             kCaptionConfigError, BoxKind::OkError);
        ShowClosing(state, false, kRemoveFinished);
        return;
    }
    Log(state, "Removing from: " + state.m_strDestination);
    // The installed folder cannot be removed while it is this process's current folder. A
    // failure, or no temporary folder, only leaves that folder behind.
    std::string strTemp = system.TempFolder();
    if (!strTemp.empty()) system.ChangeFolder(strTemp);
    // Cancel while a program holds a file: nothing is deleted, and nothing more is said.
    if (!FilesCanBeRemoved(state)) {
        Log(state, "The removal was cancelled.");
        return;
    }
    std::vector<RegRoot> types = DocumentTypeRoots(state);
    RemoveResult files = RemoveFiles(state);
    if (files == RemoveResult::Unfinished) {
        // The entry and the recorded folder stay, so that the removal can be run again.
        ShowClosing(state, false, kRemoveFinished);
        return;
    }
    RemoveDocumentType(state, types);
    bool bKeys = RemoveRegistryEntries(state);
    ShowClosing(state, files == RemoveResult::Complete && bKeys,
                files == RemoveResult::Complete && bKeys ? kRemoveSucceeded : kRemoveFinished);
}

// The folder the user chose in the wizard, or in an unattended run the one "/D=" gives or else
// the one the wizard would suggest; false when the user cancelled. The wizard suggests "/D="'s
// folder, else the one the product is installed in.
bool ChooseDestination(SetupState& state, const std::string& strInstalled) {
    const SetupOptions& options = state.m_options;
    const std::string& strProduct = state.m_config.m_strProduct;
    state.m_strDestination =
        options.m_strDestination.empty() ? strInstalled : options.m_strDestination;
    if (!options.m_bUnattended)
        return state.m_pSystem->RunWizard(strProduct, state.m_strDestination);
    if (state.m_strDestination.empty())
        state.m_strDestination = DefaultDestination(*state.m_pSystem, strProduct);
    return true;
}

void RunInstall(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    const SetupConfig& config = state.m_config;
    bool bUnattended = state.m_options.m_bUnattended;
    std::string strInstalled = InstalledFolder(state);
    if (!ChooseDestination(state, strInstalled)) {
        Log(state, "The installation was cancelled.");
        return;
    }
    Log(state, "Installing into: " + state.m_strDestination);
    // Into another folder, the earlier installation stays the recorded one until the new copy
    // is whole, and then goes: there is never an installation without its entry.
    bool bMoving = IsAnotherFolder(state, strInstalled);
    // Deliberately not looked at: removal reports a missing value.
    if (!bMoving) WriteDestinationPath(state);
    if (!bUnattended) system.OpenProgress(static_cast<int>(config.m_entries.size()));
    bool bInstalled = InstallFiles(state);
    if (bMoving && bInstalled) WriteDestinationPath(state);
    if (!bMoving || bInstalled) WriteUninstallEntry(state);
    system.CloseProgress();
    if (bMoving && bInstalled) RemoveEarlierInstallation(state, strInstalled);
    if (!bInstalled) {
        ShowClosing(state, false, kInstallFinished);
        return;
    }
    ShowClosing(state, true, kInstallSucceeded);
    // An unattended run never starts the product: no one may be there to close it.
    if (config.m_launch == SetupOption::Yes && !bUnattended) {
        // Whether the product starts is deliberately not looked at: it is installed.
        system.LaunchProgram(std::string(), "\"" + state.m_strDestination + "\\" +
                                                config.m_entries.front().m_strFile + "\"");
    }
}

} // namespace

void RunSetup(SetupState& state) {
    if (!LoadSetupConfig(state)) return;
    state.m_strProductKey = kMakerKey + state.m_config.m_strProduct + "\\UserInfo";
    if (state.m_mode == SetupMode::Remove)
        RunRemoval(state);
    else
        RunInstall(state);
}
