#include "SetupShell.h"

#include "SetupNames.h"
#include "SetupUser.h"

namespace {

std::string FolderWithSlash(ISetupSystem& system, SpecialFolder folder) {
    std::string strPath = system.FindSpecialFolder(folder);
    return strPath.empty() ? strPath : strPath + "\\";
}

std::string FirstGiven(ISetupSystem& system, SpecialFolder common, SpecialFolder personal) {
    std::string strPath = FolderWithSlash(system, common);
    return strPath.empty() ? FolderWithSlash(system, personal) : strPath;
}

void SetGroup(SetupState& state, const std::string& strPrograms) {
    // A bare product name would be a folder relative to wherever the program runs.
    state.m_folders.m_strGroup =
        strPrograms.empty()
            ? std::string()
            : strPrograms + ProductTitle(*state.m_pSystem, state.m_config.m_strProduct) + "\\";
}

} // namespace

void LocateShellFolders(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    state.m_folders.m_strDesktop =
        FirstGiven(system, SpecialFolder::CommonDesktop, SpecialFolder::Desktop);
    state.m_folders.m_strStartup =
        FirstGiven(system, SpecialFolder::CommonStartup, SpecialFolder::Startup);
    SetGroup(state, FirstGiven(system, SpecialFolder::CommonPrograms, SpecialFolder::Programs));
}

void LocatePersonalFolders(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    state.m_folders.m_strDesktop = FolderWithSlash(system, SpecialFolder::Desktop);
    state.m_folders.m_strStartup = FolderWithSlash(system, SpecialFolder::Startup);
    SetGroup(state, FolderWithSlash(system, SpecialFolder::Programs));
}

long CreateShortcut(SetupState& state, const std::string& strTarget, const std::string& strLinkPath,
                    const std::string& strDescription, const std::string& strArguments,
                    const std::string& strWorkingFolder) {
    std::string strLinkFile = strLinkPath + ".lnk";
    if (!CheckPathLength(state, strLinkFile) || !CheckPathLength(state, strTarget))
        return kLinkFail;
    ShellLink link;
    link.m_strTarget = strTarget;
    link.m_strDescription = strDescription;
    link.m_strArguments = strArguments;
    link.m_strWorkingFolder = strWorkingFolder;
    long nStatus = state.m_pSystem->SaveLink(link, strLinkFile);
    if (nStatus == kLinkOk)
        Log(state, "Link made: " + strLinkFile);
    else
        LogFailure(state, "Link not made: " + strLinkFile, nStatus);
    return nStatus;
}

bool DeleteLinkFile(SetupState& state, const std::string& strLinkFile,
                    const std::string& strTarget) {
    if (!CheckPathLength(state, strLinkFile) || HasWildcard(strLinkFile)) return false;
    ISetupSystem& system = *state.m_pSystem;
    if (!system.FileExists(strLinkFile)) return true;
    // The other build, or a new installation in another folder, saves links of the same names:
    // those stay. A folder inside this one is another folder too.
    std::string strLinked;
    if (system.ReadLinkTarget(strLinkFile, strLinked) &&
        !EqualsNoCase(strLinked, strTarget.c_str()))
        return true;
    int nResult = system.ShellDeleteFile(strLinkFile);
    if (nResult == 0)
        Log(state, "Link deleted: " + strLinkFile);
    else
        LogFailure(state, "Link not deleted: " + strLinkFile, nResult);
    return nResult == 0;
}
