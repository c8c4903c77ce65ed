#include "RemoveLeftovers.h"

#include "SetupNames.h"
#include "SetupRegistry.h"
#include "SetupTexts.h"

namespace {

constexpr const char* kClassesKey = "Software\\Classes";

// The program a command line starts: quoted, or up to the first blank.
std::string CommandProgram(const std::string& strCommand) {
    if (!strCommand.empty() && strCommand[0] == '"')
        return strCommand.substr(1, strCommand.find('"', 1) - 1);
    return strCommand.substr(0, strCommand.find(' '));
}

bool OpensInstalledProgram(SetupState& state, RegRoot root) {
    const SetupConfig& config = state.m_config;
    std::string strCommand;
    if (!ReadString(state, root,
                    std::string(kClassesKey) + "\\" + config.m_strDocumentType +
                        "\\shell\\open\\command",
                    "", strCommand))
        return false;
    std::string strProgram = CommandProgram(strCommand);
    if (strProgram.empty()) return false;
    for (const FileEntry& entry : config.m_entries) {
        if (state.m_pSystem->SameFile(strProgram, state.m_strDestination + "\\" + entry.m_strFile))
            return true;
    }
    return false;
}

} // namespace

std::vector<RegRoot> DocumentTypeRoots(SetupState& state) {
    std::vector<RegRoot> roots;
    if (state.m_config.m_strDocumentType.empty()) return roots;
    for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser}) {
        if (OpensInstalledProgram(state, root)) roots.push_back(root);
    }
    return roots;
}

void RemoveDocumentType(SetupState& state, const std::vector<RegRoot>& roots) {
    const SetupConfig& config = state.m_config;
    for (RegRoot root : roots) {
        // Whether they go is deliberately not looked at: the product is removed either way.
        DeleteKeyTree(state, root, kClassesKey, config.m_strDocumentType);
        std::string strType;
        if (!config.m_strExtension.empty() &&
            ReadString(state, root, std::string(kClassesKey) + "\\" + config.m_strExtension, "",
                       strType) &&
            EqualsNoCase(strType, config.m_strDocumentType.c_str()))
            DeleteKeyTree(state, root, kClassesKey, config.m_strExtension);
    }
}

void RemoveMakerFolder(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    std::string strDefault = DefaultDestination(system, state.m_config.m_strProduct);
    std::string strMaker = strDefault.substr(0, strDefault.rfind('\\'));
    const std::string& strDest = state.m_strDestination;
    std::size_t nSlash = strDest.rfind('\\');
    // A folder the user picked, and whatever holds something, stay.
    if (nSlash != std::string::npos && EqualsNoCase(strDest.substr(0, nSlash), strMaker.c_str()))
        system.RemoveFolder(strMaker);
}

void RemoveSettingsFile(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    const std::string& strName = state.m_config.m_strSettingsFile;
    std::string strFolder = system.FindSpecialFolder(SpecialFolder::AppData);
    if (strName.empty() || strFolder.empty()) return;
    system.RemoveFile(strFolder + "\\" + strName); // deliberately not looked at: there may be none
}
