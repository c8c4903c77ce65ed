// A registry in memory, the other width's view of HKEY_LOCAL_MACHINE a tree of its own, with the
// rules the setup program meets: key paths and value names compare
// without regard to case, creating a key makes its parents, a plain delete refuses a key with
// subkeys, a delete needs a handle opened for writing, a tree delete of an empty name empties
// the parent itself, and a value larger than the caller's room is not copied (kErrMoreData).
#pragma once

#include "FakeContext.h"
#include "SetupSystem.h"

#include <map>
#include <string>
#include <vector>

struct CFakeValue {
    unsigned m_nType = kRegSz;
    std::vector<unsigned char> m_data;
};

class CFakeRegistry {
public:
    explicit CFakeRegistry(CFakeContext& context) : m_pContext(&context) {}

    // Set-up and read-back for tests.
    void PutValue(RegRoot root, const std::string& strKey, const std::string& strName,
                  unsigned nType, const std::string& strData);
    void AddKey(RegRoot root, const std::string& strKey);
    bool HasKey(RegRoot root, const std::string& strKey) const;
    // The value's bytes, or nullptr when it is missing.
    const CFakeValue* Value(RegRoot root, const std::string& strKey,
                            const std::string& strName) const;
    std::string Text(RegRoot root, const std::string& strKey, const std::string& strName) const;
    // Every key at or below the path.
    std::vector<std::string> KeysBelow(RegRoot root, const std::string& strKey) const;
    int OpenKeys() const { return static_cast<int>(m_handles.size()); }
    int BadCloses() const { return m_nBadCloses; }
    // Writing under HKEY_LOCAL_MACHINE is refused, as for a user without rights.
    bool m_bMachineReadOnly = false;

    // ISetupSystem's registry services.
    long KeyCreate(RegRoot root, const std::string& strPath, RegHandle* phKey);
    long KeyOpen(RegRoot root, const std::string& strPath, RegAccess access, RegHandle* phKey);
    long ValueSetText(RegHandle hKey, const std::string& strName, const std::string& strText);
    long ValueSetNumber(RegHandle hKey, const std::string& strName, std::uint32_t nValue);
    long ValueQuery(RegHandle hKey, const std::string& strName, unsigned* pnType, void* pData,
                    unsigned* pcbData);
    long KeyDelete(RegHandle hParent, const std::string& strSubKey);
    long KeyDeleteTree(RegHandle hParent, const std::string& strSubKey);
    long KeyCountEntries(RegHandle hKey, unsigned* pnSubKeys, unsigned* pnValues);
    void KeyClose(RegHandle hKey);

private:
    struct COpenKey {
        std::string m_strKey;
        RegAccess m_access;
    };
    using ValueMap = std::map<std::string, CFakeValue>; // lower-case names

    static std::string Key(RegRoot root, const std::string& strPath);
    bool HasSubkeys(const std::string& strKey) const;
    const COpenKey* Handle(RegHandle hKey) const;
    // The key a delete names, once the handle, the access and the fault plan allow it.
    long KeyToDelete(RegHandle hParent, const std::string& strSubKey, std::string& strKey);
    long SetValue(RegHandle hKey, const std::string& strName, unsigned nType, const void* pData,
                  std::size_t cbData);
    void Create(const std::string& strKey);
    bool Denied(RegRoot root, RegAccess access) const;

    CFakeContext* m_pContext;
    std::map<std::string, ValueMap> m_keys; // lower-case paths with a root prefix
    std::map<RegHandle, COpenKey> m_handles;
    RegHandle m_nNextHandle = 0x40;
    int m_nBadCloses = 0;
};
