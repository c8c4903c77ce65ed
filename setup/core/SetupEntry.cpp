#include "FileCopy.h"
#include "RunSetup.h"
#include "SetupTexts.h"

#include <cstring>

std::string TempFolderOrFallback(ISetupSystem& system) {
    std::string strFolder = system.TempFolder();
    if (strFolder.empty()) return kTempFallback;
    if (strFolder.back() != '\\') strFolder += '\\';
    return strFolder;
}

bool RelaunchFromTemp(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    std::string strModule = system.ModulePath();
    std::size_t nSlash = strModule.rfind('\\');
    if (nSlash == std::string::npos) return false;
    std::string strFolder = strModule.substr(0, nSlash + 1);
    // Stays current for the rest of the run, so an in-process removal reads the installed
    // setup.ini; a failure shows when setup.ini cannot be found.
    system.ChangeFolder(strFolder);
    std::string strSource = strFolder + kSetupFileName;
    std::string strCopy = TempFolderOrFallback(system) + kSetupFileName;
    if (strSource.size() > kMaxPathChars || strCopy.size() > kMaxPathChars) return false;
    // Already running from the temporary folder: copying onto itself would empty the file.
    if (system.SameFile(strSource, strCopy)) return false;
    // A copy that is not whole is never started.
    if (!CopyWholeFile(system, strSource, strCopy)) return false;
    return system.LaunchProgram(strCopy, "\"" + strCopy + "\" /r");
}

namespace {

// The temporary copy that a removal runs from cannot delete its own file while it runs: the
// system deletes it at its next start. Only that one file, and only when this program is it.
void ScheduleCopyDeletion(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    std::string strModule = system.ModulePath();
    std::string strCopy = TempFolderOrFallback(system) + kSetupFileName;
    if (strModule.empty() || !system.SameFile(strModule, strCopy)) return;
    // Refused (no rights to ask): the copy stays behind, as temporary files may.
    system.DeleteAtRestart(strModule);
}

} // namespace

int SetupMain(SetupState& state, const char* szCommandLine) {
    ISetupSystem& system = *state.m_pSystem;
    // The switches are matched with their letter case, anywhere on the line.
    bool bUninstall = std::strstr(szCommandLine, "/u") != nullptr;
    bool bRemove = bUninstall || std::strstr(szCommandLine, "/r") != nullptr;
    if (bUninstall && RelaunchFromTemp(state)) return 0;
    // The copy runs with "/r" alone.
    if (bRemove && !bUninstall) ScheduleCopyDeletion(state);
    if (!system.PrepareMainWindow()) return 0;
    if (bRemove) {
        if (system.ShowMessage(BoxOwner::None, kConfirmRemove, kCaptionUninstall,
                               BoxKind::OkCancel) != BoxAnswer::Ok)
            return 0;
        state.m_mode = SetupMode::Remove;
    }
    return system.RunMainWindow([&state]() { RunSetup(state); });
}
