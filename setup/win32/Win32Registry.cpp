// The registry.
#include "Win32SetupSystem.h"

#include <shlwapi.h>

namespace {

HKEY RootKey(RegRoot root) {
    return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// The other width's view; a 32-bit system ignores the flag and has the one view.
REGSAM View(RegRoot root) {
    if (root != RegRoot::OtherLocalMachine) return 0;
    return sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

REGSAM Access(RegAccess access) {
    switch (access) {
    case RegAccess::Query:
        return KEY_QUERY_VALUE;
    case RegAccess::Write:
        return KEY_WRITE;
    case RegAccess::All:
        break;
    }
    return KEY_ALL_ACCESS;
}

HKEY Key(RegHandle hKey) {
    return reinterpret_cast<HKEY>(hKey);
}

} // namespace

long CWin32SetupSystem::KeyCreate(RegRoot root, const std::string& strPath, RegHandle* phKey) {
    HKEY hKey = nullptr;
    DWORD nDisposition = 0;
    LONG nResult =
        RegCreateKeyExA(RootKey(root), strPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS | View(root), nullptr, &hKey, &nDisposition);
    *phKey = nResult == ERROR_SUCCESS ? reinterpret_cast<RegHandle>(hKey) : 0;
    return nResult;
}

long CWin32SetupSystem::KeyOpen(RegRoot root, const std::string& strPath, RegAccess access,
                                RegHandle* phKey) {
    HKEY hKey = nullptr;
    LONG nResult =
        RegOpenKeyExA(RootKey(root), strPath.c_str(), 0, Access(access) | View(root), &hKey);
    *phKey = nResult == ERROR_SUCCESS ? reinterpret_cast<RegHandle>(hKey) : 0;
    return nResult;
}

long CWin32SetupSystem::ValueSetText(RegHandle hKey, const std::string& strName,
                                     const std::string& strText) {
    return RegSetValueExA(Key(hKey), strName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(strText.data()),
                          static_cast<DWORD>(strText.size()));
}

long CWin32SetupSystem::ValueSetNumber(RegHandle hKey, const std::string& strName,
                                       std::uint32_t nValue) {
    DWORD nData = nValue;
    return RegSetValueExA(Key(hKey), strName.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&nData), sizeof(nData));
}

long CWin32SetupSystem::ValueQuery(RegHandle hKey, const std::string& strName, unsigned* pnType,
                                   void* pData, unsigned* pcbData) {
    DWORD nType = 0;
    DWORD cbData = *pcbData;
    LONG nResult = RegQueryValueExA(Key(hKey), strName.c_str(), nullptr, &nType,
                                    static_cast<BYTE*>(pData), &cbData);
    *pnType = nType;
    *pcbData = cbData;
    return nResult;
}

long CWin32SetupSystem::KeyDelete(RegHandle hParent, const std::string& strSubKey) {
    return RegDeleteKeyA(Key(hParent), strSubKey.c_str());
}

long CWin32SetupSystem::KeyDeleteTree(RegHandle hParent, const std::string& strSubKey) {
    return static_cast<long>(SHDeleteKeyA(Key(hParent), strSubKey.c_str()));
}

long CWin32SetupSystem::KeyCountEntries(RegHandle hKey, unsigned* pnSubKeys, unsigned* pnValues) {
    DWORD nSubKeys = 0;
    DWORD nValues = 0;
    LONG nResult = RegQueryInfoKeyA(Key(hKey), nullptr, nullptr, nullptr, &nSubKeys, nullptr,
                                    nullptr, &nValues, nullptr, nullptr, nullptr, nullptr);
    *pnSubKeys = nSubKeys;
    *pnValues = nValues;
    return nResult;
}

void CWin32SetupSystem::KeyClose(RegHandle hKey) {
    RegCloseKey(Key(hKey)); // a failed close loses nothing: every change was made before
}
