#include "FileCopy.h"
#include "RunSetup.h"
#include "SetupNames.h"
#include "SetupTexts.h"
#include "SetupUser.h"

namespace {

std::string FolderOf(const std::string& strPath) {
    std::size_t nSlash = strPath.rfind('\\');
    return nSlash == std::string::npos ? std::string() : strPath.substr(0, nSlash);
}

std::string WithoutTrailingSlash(std::string strPath) {
    if (!strPath.empty() && strPath.back() == '\\') strPath.pop_back();
    return strPath;
}

// The private folder of a temporary copy: one the original made in the temporary folder.
bool IsCopyFolder(ISetupSystem& system, const std::string& strFolder) {
    std::string strTemp = WithoutTrailingSlash(system.TempFolder());
    std::string strName = strFolder.substr(strFolder.rfind('\\') + 1);
    return !strTemp.empty() && FolderOf(strFolder).size() == strTemp.size() &&
           StartsWithNoCase(strFolder, (strTemp + "\\").c_str()) &&
           StartsWithNoCase(strName, kCopyFolderPrefix);
}

// The temporary copy that a removal runs from cannot delete its own file while it runs: the
// system deletes it, then its folder, at its next start. Only when this program is such a copy.
void ScheduleCopyDeletion(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    std::string strModule = system.ModulePath();
    std::string strFolder = FolderOf(strModule);
    if (strFolder.empty() || !IsCopyFolder(system, strFolder)) return;
    // Refused (no rights to ask): the copy stays behind, as temporary files may.
    if (system.DeleteAtRestart(strModule)) system.DeleteAtRestart(strFolder);
}

} // namespace

bool RelaunchFromTemp(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    std::string strFolder = FolderOf(system.ModulePath());
    if (strFolder.empty()) return false;
    // Stays current for the rest of the run, so an in-process removal reads the installed
    // setup.ini, and the copy inherits it; a failure shows when setup.ini cannot be found.
    system.ChangeFolder(strFolder + "\\");
    std::string strSource = strFolder + "\\" + kSetupFileName;
    // A folder of its own that no other program can foresee, so none can put a file in it
    // before the copy, or a library beside it. Without one the removal runs here.
    std::string strTemp = WithoutTrailingSlash(system.TempFolder());
    if (strSource.size() > kMaxPathChars || strTemp.empty()) return false;
    std::string strPrivate = system.CreateUniqueFolder(strTemp, kCopyFolderPrefix);
    if (strPrivate.empty()) return false;
    std::string strCopy = strPrivate + "\\" + kSetupFileName;
    // A copy that is not whole is never started.
    if (strCopy.size() <= kMaxPathChars && CopyToNewFile(system, strSource, strCopy)) {
        std::string strCommand = "\"" + strCopy + "\" " + CopySwitches(state.m_options);
        if (system.LaunchProgram(strCopy, strCommand)) {
            Log(state, "The removal goes on in: " + strCommand);
            return true;
        }
        system.RemoveFile(strCopy); // a failure leaves it to the temporary folder's cleaning
    }
    system.RemoveFolder(strPrivate); // as above
    return false;
}

namespace {

// The run from the confirmation on; its outcome is the program's exit code with "/S".
int Run(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    const SetupOptions& options = state.m_options;
    if (!system.PrepareMainWindow()) return kExitFailed;
    if (options.m_bRemove) {
        if (Ask(state, kConfirmRemove, kCaptionUninstall, BoxKind::OkCancel, BoxAnswer::Ok) !=
            BoxAnswer::Ok)
            return kExitFailed;
        state.m_mode = SetupMode::Remove;
    }
    // An unattended run makes no window: its job runs at once.
    if (options.m_bUnattended)
        RunSetup(state);
    else
        system.RunMainWindow([&state]() { RunSetup(state); });
    return state.m_bSucceeded ? kExitSuccess : kExitFailed;
}

// The log of the run, when "/LOG=" names one: its full path, so that the temporary copy of a
// removal, started in another folder, appends to the same file.
std::unique_ptr<ISetupLog> OpenRunLog(SetupState& state) {
    SetupOptions& options = state.m_options;
    if (options.m_strLogFile.empty()) return nullptr;
    options.m_strLogFile = state.m_pSystem->FullPath(options.m_strLogFile);
    std::unique_ptr<ISetupLog> pLog = state.m_pSystem->OpenLog(options.m_strLogFile);
    state.m_pLog = pLog.get();
    return pLog;
}

int RunWithOptions(SetupState& state) {
    const SetupOptions& options = state.m_options;
    Log(state, "setup.exe " + options.m_strCommandLine);
    if (!options.m_strNotUnderstood.empty()) {
        Tell(state, BoxOwner::None, kSwitchNotUnderstood + options.m_strNotUnderstood,
             kCaptionConfigError, BoxKind::OkError);
        return kExitBadSwitch;
    }
    if (options.m_bUninstall && RelaunchFromTemp(state)) return kExitSuccess;
    // The copy runs with "/r".
    if (options.m_bRemove && !options.m_bUninstall) ScheduleCopyDeletion(state);
    return Run(state);
}

} // namespace

int SetupMain(SetupState& state, const SetupOptions& options) {
    state.m_options = options;
    std::unique_ptr<ISetupLog> pLog = OpenRunLog(state);
    int nExit = RunWithOptions(state);
    Log(state, "Exit code: " + std::to_string(options.m_bUnattended ? nExit : 0));
    state.m_pLog = &NoSetupLog();
    // Without "/S" the program always ends with 0, whatever happened.
    return options.m_bUnattended ? nExit : kExitSuccess;
}
