#include "HeadlessRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

std::string CHeadlessRegistry::Lower(const std::string& s) {
    std::string out = s;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string CHeadlessRegistry::KeyName(RegRoot root, const std::string& subKey) {
    static const char* const kRoots[] = {"hkcu\\", "hklm\\", "hkcr\\"};
    return kRoots[static_cast<int>(root)] + Lower(subKey);
}

long CHeadlessRegistry::CreateKey(RegRoot root, const std::string& subKey, RegKey* pKey) {
    *pKey = 0;
    if (m_bFailCreate) return kRegAccessDenied;
    std::string name = KeyName(root, subKey);
    m_keys[name];
    RegKey h = m_nextHandle++;
    m_open[h] = name;
    *pKey = h;
    return kRegOk;
}

long CHeadlessRegistry::QueryValue(RegKey key, const char* name, unsigned* pType, void* pData,
                                   unsigned* pcbData) {
    auto itKey = m_open.find(key);
    if (itKey == m_open.end()) return kRegInvalidParameter;
    if (m_bFailQuery) return kRegAccessDenied;
    auto& values = m_keys[itKey->second];
    auto it = values.find(Lower(name != nullptr ? name : ""));
    if (it == values.end()) return kRegFileNotFound;
    const CRegValue& value = it->second;
    if (pType != nullptr) *pType = value.nType;
    unsigned nSize = static_cast<unsigned>(value.data.size());
    if (pcbData == nullptr) return pData == nullptr ? kRegOk : kRegInvalidParameter;
    if (pData != nullptr && *pcbData < nSize) {
        *pcbData = nSize;
        return kRegMoreData;
    }
    if (pData != nullptr && nSize > 0) std::memcpy(pData, value.data.data(), nSize);
    *pcbData = nSize;
    return kRegOk;
}

long CHeadlessRegistry::SetValue(RegKey key, const char* name, unsigned type, const void* pData,
                                 unsigned cbData) {
    auto itKey = m_open.find(key);
    if (itKey == m_open.end()) return kRegInvalidParameter;
    if (m_bFailSet) return kRegAccessDenied;
    m_setLog.push_back(name != nullptr ? name : "");
    CRegValue& value = m_keys[itKey->second][Lower(name != nullptr ? name : "")];
    value.nType = type;
    const auto* p = static_cast<const std::uint8_t*>(pData);
    value.data.assign(p, p + cbData);
    return kRegOk;
}

long CHeadlessRegistry::CloseKey(RegKey key) {
    return m_open.erase(key) == 1 ? kRegOk : kRegInvalidParameter;
}

bool CHeadlessRegistry::HasKey(RegRoot root, const std::string& subKey) const {
    return m_keys.count(KeyName(root, subKey)) != 0;
}

const CRegValue* CHeadlessRegistry::FindValue(RegRoot root, const std::string& subKey,
                                              const std::string& name) const {
    auto itKey = m_keys.find(KeyName(root, subKey));
    if (itKey == m_keys.end()) return nullptr;
    auto it = itKey->second.find(Lower(name));
    return it == itKey->second.end() ? nullptr : &it->second;
}

void CHeadlessRegistry::PutValue(RegRoot root, const std::string& subKey, const std::string& name,
                                 unsigned nType, const std::vector<std::uint8_t>& data) {
    m_keys[KeyName(root, subKey)][Lower(name)] = CRegValue{nType, data};
}

void CHeadlessRegistry::DeleteValue(RegRoot root, const std::string& subKey,
                                    const std::string& name) {
    auto itKey = m_keys.find(KeyName(root, subKey));
    if (itKey != m_keys.end()) itKey->second.erase(Lower(name));
}

void CHeadlessRegistry::DeleteKey(RegRoot root, const std::string& subKey) {
    m_keys.erase(KeyName(root, subKey));
}
