#include "SetupRegistry.h"

#include "RemoveLeftovers.h"
#include "SetupTexts.h"
#include "SetupUser.h"

namespace {

enum class DeleteKind { KeyOnly, WithSubkeys };

std::string WithoutTrailingSlash(std::string strKey) {
    if (!strKey.empty() && strKey.back() == '\\') strKey.pop_back();
    return strKey;
}

std::string KeyName(RegRoot root, const std::string& strKey) {
    return (root == RegRoot::LocalMachine ? "HKLM\\" : "HKCU\\") + strKey;
}

bool DeleteSubKey(SetupState& state, RegRoot root, const std::string& strParent, RegAccess access,
                  const std::string& strSubKey, DeleteKind kind) {
    ISetupSystem& system = *state.m_pSystem;
    // An empty name would make the delete act on the parent itself.
    if (strSubKey.empty()) return false;
    std::string strName = KeyName(root, WithoutTrailingSlash(strParent) + "\\" + strSubKey);
    RegHandle hParent = 0;
    long nResult = system.KeyOpen(root, WithoutTrailingSlash(strParent), access, &hParent);
    if (nResult == kErrNone) {
        nResult = kind == DeleteKind::KeyOnly ? system.KeyDelete(hParent, strSubKey)
                                              : system.KeyDeleteTree(hParent, strSubKey);
        system.KeyClose(hParent);
    }
    if (nResult == kErrNone)
        Log(state, "Key deleted: " + strName);
    else
        LogFailure(state, "Key not deleted: " + strName, nResult);
    return nResult == kErrNone;
}

// Deletes the key only when it holds neither subkeys nor values.
void DeleteKeyIfEmpty(SetupState& state, RegRoot root, const std::string& strKey) {
    ISetupSystem& system = *state.m_pSystem;
    std::string strPath = WithoutTrailingSlash(strKey);
    std::size_t nSlash = strPath.rfind('\\');
    if (nSlash == std::string::npos) return;
    RegHandle hKey = 0;
    if (system.KeyOpen(root, strPath, RegAccess::Query, &hKey) != kErrNone) return;
    unsigned nSubKeys = 0;
    unsigned nValues = 0;
    long nResult = system.KeyCountEntries(hKey, &nSubKeys, &nValues);
    system.KeyClose(hKey);
    if (nResult != kErrNone || nSubKeys != 0 || nValues != 0) return;
    DeleteSubKey(state, root, strPath.substr(0, nSlash), RegAccess::Write,
                 strPath.substr(nSlash + 1), DeleteKind::KeyOnly);
}

} // namespace

void LogValue(SetupState& state, const std::string& strKey, const std::string& strName,
              long nResult) {
    std::string strValue = strKey + " " + strName;
    if (nResult == kErrNone)
        Log(state, "Value written: " + strValue);
    else
        LogFailure(state, "Value not written: " + strValue, nResult);
}

bool WriteMachineString(SetupState& state, const std::string& strKey, const std::string& strName,
                        const std::string& strText) {
    ISetupSystem& system = *state.m_pSystem;
    RegHandle hKey = 0;
    long nResult = system.KeyCreate(RegRoot::LocalMachine, strKey, &hKey);
    if (nResult == kErrNone) {
        nResult = system.ValueSetText(hKey, strName, strText);
        system.KeyClose(hKey);
    }
    LogValue(state, KeyName(RegRoot::LocalMachine, strKey), strName, nResult);
    return nResult == kErrNone;
}

bool WriteDestinationPath(SetupState& state) {
    return WriteMachineString(state, state.m_strProductKey, kDestinationValue,
                              state.m_strDestination);
}

bool ReadMachineString(SetupState& state, const std::string& strKey, const std::string& strName,
                       std::string& strOut) {
    return ReadString(state, RegRoot::LocalMachine, strKey, strName, strOut);
}

bool ReadString(SetupState& state, RegRoot root, const std::string& strKey,
                const std::string& strName, std::string& strOut) {
    ISetupSystem& system = *state.m_pSystem;
    strOut.clear();
    RegHandle hKey = 0;
    if (system.KeyOpen(root, strKey, RegAccess::Query, &hKey) != kErrNone) return false;
    char buffer[kMaxPathChars + 1];
    unsigned nType = 0;
    unsigned cbData = kMaxPathChars;
    long nResult = system.ValueQuery(hKey, strName, &nType, buffer, &cbData);
    system.KeyClose(hKey);
    if (nResult != kErrNone || nType != kRegSz || cbData > kMaxPathChars) return false;
    buffer[cbData] = '\0';
    strOut = buffer; // up to a zero stored with the text
    return true;
}

bool DeleteKeyTree(SetupState& state, RegRoot root, const std::string& strParent,
                   const std::string& strSubKey) {
    return DeleteSubKey(state, root, strParent, RegAccess::Write, strSubKey,
                        DeleteKind::WithSubkeys);
}

bool OtherBuildInstalled(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    RegHandle hKey = 0;
    if (system.KeyOpen(RegRoot::OtherLocalMachine, state.m_strProductKey, RegAccess::Query,
                       &hKey) != kErrNone)
        return false;
    system.KeyClose(hKey);
    return true;
}

bool DeleteUninstallKey(SetupState& state) {
    return DeleteSubKey(state, RegRoot::LocalMachine, kUninstallParentKey, RegAccess::Write,
                        state.m_config.m_strProduct, DeleteKind::KeyOnly);
}

bool RemoveRegistryEntries(SetupState& state) {
    const std::string& strProduct = state.m_config.m_strProduct;
    bool bSuccess = DeleteSubKey(state, RegRoot::LocalMachine, kMakerKey + strProduct,
                                 RegAccess::All, "UserInfo", DeleteKind::KeyOnly);
    bSuccess = DeleteSubKey(state, RegRoot::LocalMachine, kMakerKey, RegAccess::All, strProduct,
                            DeleteKind::KeyOnly) &&
               bSuccess;
    bSuccess = DeleteUninstallKey(state) && bSuccess;
    // The game's own state lies beneath the user's key, shared by both builds: it goes with the
    // last of them, and whether it goes does not count.
    if (!OtherBuildInstalled(state)) {
        DeleteSubKey(state, RegRoot::CurrentUser, kUserMakerKey, RegAccess::Write, strProduct,
                     DeleteKind::WithSubkeys);
        RemoveSettingsFile(state);
    }
    // The maker's keys go with the last of the maker's products; whether they go does not count.
    DeleteKeyIfEmpty(state, RegRoot::LocalMachine, kMakerKey);
    DeleteKeyIfEmpty(state, RegRoot::CurrentUser, kUserMakerKey);
    if (!bSuccess) Tell(state, BoxOwner::None, kRemoveKeysIncomplete, kCaptionError, BoxKind::Ok);
    return bSuccess;
}
