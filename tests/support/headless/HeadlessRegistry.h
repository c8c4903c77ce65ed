// An in-memory settings store with the real one's rules: key paths and value names compare
// without regard to case, a value larger than the caller's buffer fails to read
// (kRegMoreData), and the stored type is reported but never checked.
#pragma once

#include "ShellTypes.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct CRegValue {
    unsigned nType = 0;
    std::vector<std::uint8_t> data;
};

class CHeadlessRegistry {
public:
    long CreateKey(RegRoot root, const std::string& subKey, RegKey* pKey);
    long QueryValue(RegKey key, const char* name, unsigned* pType, void* pData, unsigned* pcbData);
    long SetValue(RegKey key, const char* name, unsigned type, const void* pData, unsigned cbData);
    long CloseKey(RegKey key);

    // Direct access for tests.
    bool HasKey(RegRoot root, const std::string& subKey) const;
    const CRegValue* FindValue(RegRoot root, const std::string& subKey,
                               const std::string& name) const;
    void PutValue(RegRoot root, const std::string& subKey, const std::string& name, unsigned nType,
                  const std::vector<std::uint8_t>& data);
    void DeleteValue(RegRoot root, const std::string& subKey, const std::string& name);
    void DeleteKey(RegRoot root, const std::string& subKey);
    int OpenKeyCount() const { return static_cast<int>(m_open.size()); }

    std::vector<std::string> m_setLog; // names of the values written, in order

    // Injected failures.
    bool m_bFailCreate = false;
    bool m_bFailSet = false;
    bool m_bFailQuery = false;

private:
    static std::string KeyName(RegRoot root, const std::string& subKey);
    static std::string Lower(const std::string& s);

    std::map<std::string, std::map<std::string, CRegValue>> m_keys; // lower-case names
    std::map<RegKey, std::string> m_open;
    RegKey m_nextHandle = 0x100;
};
