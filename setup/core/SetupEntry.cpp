#include "FileCopy.h"
#include "RunSetup.h"
#include "SetupNames.h"
#include "SetupTexts.h"

#include <cstring>

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
        if (system.LaunchProgram(strCopy, "\"" + strCopy + "\" /r")) return true;
        system.RemoveFile(strCopy); // a failure leaves it to the temporary folder's cleaning
    }
    system.RemoveFolder(strPrivate); // as above
    return false;
}

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
