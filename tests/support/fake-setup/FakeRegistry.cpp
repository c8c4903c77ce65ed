#include "FakeRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool IsBelow(const std::string& strKey, const std::string& strParent) {
    return strKey.size() > strParent.size() + 1 &&
           strKey.compare(0, strParent.size() + 1, strParent + "\\") == 0;
}

} // namespace

std::string CFakeRegistry::Key(RegRoot root, const std::string& strPath) {
    std::string strKey = Lower(strPath);
    while (!strKey.empty() && strKey.back() == '\\')
        strKey.pop_back();
    switch (root) {
    case RegRoot::LocalMachine:
        return "hklm\\" + strKey;
    case RegRoot::OtherLocalMachine:
        return "hklm-other\\" + strKey;
    case RegRoot::CurrentUser:
        break;
    }
    return "hkcu\\" + strKey;
}

bool CFakeRegistry::HasSubkeys(const std::string& strKey) const {
    auto it = m_keys.lower_bound(strKey + "\\");
    return it != m_keys.end() && IsBelow(it->first, strKey);
}

const CFakeRegistry::COpenKey* CFakeRegistry::Handle(RegHandle hKey) const {
    auto it = m_handles.find(hKey);
    return it == m_handles.end() ? nullptr : &it->second;
}

void CFakeRegistry::Create(const std::string& strKey) {
    for (std::size_t nSlash = strKey.find('\\', 5); nSlash != std::string::npos;
         nSlash = strKey.find('\\', nSlash + 1))
        m_keys[strKey.substr(0, nSlash)];
    m_keys[strKey];
}

bool CFakeRegistry::Denied(RegRoot root, RegAccess access) const {
    return m_bMachineReadOnly && root != RegRoot::CurrentUser && access != RegAccess::Query;
}

void CFakeRegistry::PutValue(RegRoot root, const std::string& strKey, const std::string& strName,
                             unsigned nType, const std::string& strData) {
    std::string strFull = Key(root, strKey);
    Create(strFull);
    CFakeValue& value = m_keys[strFull][Lower(strName)];
    value.m_nType = nType;
    value.m_data.assign(strData.begin(), strData.end());
}

void CFakeRegistry::AddKey(RegRoot root, const std::string& strKey) {
    Create(Key(root, strKey));
}

bool CFakeRegistry::HasKey(RegRoot root, const std::string& strKey) const {
    return m_keys.count(Key(root, strKey)) != 0;
}

const CFakeValue* CFakeRegistry::Value(RegRoot root, const std::string& strKey,
                                       const std::string& strName) const {
    auto itKey = m_keys.find(Key(root, strKey));
    if (itKey == m_keys.end()) return nullptr;
    auto it = itKey->second.find(Lower(strName));
    return it == itKey->second.end() ? nullptr : &it->second;
}

std::string CFakeRegistry::Text(RegRoot root, const std::string& strKey,
                                const std::string& strName) const {
    const CFakeValue* pValue = Value(root, strKey, strName);
    return pValue == nullptr ? std::string()
                             : std::string(pValue->m_data.begin(), pValue->m_data.end());
}

std::vector<std::string> CFakeRegistry::KeysBelow(RegRoot root, const std::string& strKey) const {
    std::string strFull = Key(root, strKey);
    std::vector<std::string> keys;
    for (const auto& item : m_keys) {
        if (item.first == strFull || IsBelow(item.first, strFull)) keys.push_back(item.first);
    }
    return keys;
}

long CFakeRegistry::KeyCreate(RegRoot root, const std::string& strPath, RegHandle* phKey) {
    *phKey = 0;
    if (m_pContext->m_faults.Fails(FakeOp::KeyCreate) || Denied(root, RegAccess::All))
        return kErrAccessDenied;
    std::string strKey = Key(root, strPath);
    Create(strKey);
    *phKey = m_nNextHandle++;
    m_handles[*phKey] = COpenKey{strKey, RegAccess::All};
    return kErrNone;
}

long CFakeRegistry::KeyOpen(RegRoot root, const std::string& strPath, RegAccess access,
                            RegHandle* phKey) {
    *phKey = 0;
    if (m_pContext->m_faults.Fails(FakeOp::KeyOpen) || Denied(root, access))
        return kErrAccessDenied;
    std::string strKey = Key(root, strPath);
    if (m_keys.count(strKey) == 0) return kErrFileNotFound;
    *phKey = m_nNextHandle++;
    m_handles[*phKey] = COpenKey{strKey, access};
    return kErrNone;
}

long CFakeRegistry::SetValue(RegHandle hKey, const std::string& strName, unsigned nType,
                             const void* pData, std::size_t cbData) {
    const COpenKey* pKey = Handle(hKey);
    if (pKey == nullptr || pKey->m_access == RegAccess::Query) return kErrInvalidParameter;
    if (m_pContext->m_faults.Fails(FakeOp::ValueSet)) return kErrAccessDenied;
    CFakeValue& value = m_keys[pKey->m_strKey][Lower(strName)];
    value.m_nType = nType;
    const auto* pBytes = static_cast<const unsigned char*>(pData);
    value.m_data.assign(pBytes, pBytes + cbData);
    m_pContext->Note("regset " + pKey->m_strKey + "\\" + strName);
    return kErrNone;
}

long CFakeRegistry::ValueSetText(RegHandle hKey, const std::string& strName,
                                 const std::string& strText) {
    return SetValue(hKey, strName, kRegSz, strText.data(), strText.size());
}

long CFakeRegistry::ValueSetNumber(RegHandle hKey, const std::string& strName,
                                   std::uint32_t nValue) {
    // Little-endian, as the system keeps it.
    unsigned char bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(nValue >> (8 * i));
    return SetValue(hKey, strName, kRegDword, bytes, sizeof(bytes));
}

long CFakeRegistry::ValueQuery(RegHandle hKey, const std::string& strName, unsigned* pnType,
                               void* pData, unsigned* pcbData) {
    const COpenKey* pKey = Handle(hKey);
    if (pKey == nullptr) return kErrInvalidParameter;
    if (m_pContext->m_faults.Fails(FakeOp::ValueQuery)) return kErrAccessDenied;
    const ValueMap& values = m_keys[pKey->m_strKey];
    auto it = values.find(Lower(strName));
    if (it == values.end()) return kErrFileNotFound;
    *pnType = it->second.m_nType;
    unsigned nSize = static_cast<unsigned>(it->second.m_data.size());
    unsigned nRoom = *pcbData;
    *pcbData = nSize;
    if (nSize > nRoom) return kErrMoreData;
    if (nSize > 0) std::memcpy(pData, it->second.m_data.data(), nSize);
    return kErrNone;
}

long CFakeRegistry::KeyToDelete(RegHandle hParent, const std::string& strSubKey,
                                std::string& strKey) {
    const COpenKey* pParent = Handle(hParent);
    if (pParent == nullptr) return kErrInvalidParameter;
    if (m_pContext->m_faults.Fails(FakeOp::KeyDelete) || pParent->m_access == RegAccess::Query)
        return kErrAccessDenied;
    strKey = strSubKey.empty() ? pParent->m_strKey : pParent->m_strKey + "\\" + Lower(strSubKey);
    return m_keys.count(strKey) == 0 ? kErrFileNotFound : kErrNone;
}

long CFakeRegistry::KeyDelete(RegHandle hParent, const std::string& strSubKey) {
    std::string strKey;
    if (long nError = KeyToDelete(hParent, strSubKey, strKey); nError != kErrNone) return nError;
    if (HasSubkeys(strKey)) return kErrAccessDenied;
    m_keys.erase(strKey);
    m_pContext->Note("regdelete " + strKey);
    return kErrNone;
}

long CFakeRegistry::KeyDeleteTree(RegHandle hParent, const std::string& strSubKey) {
    // An empty name deletes everything beneath the parent and its values.
    std::string strKey;
    if (long nError = KeyToDelete(hParent, strSubKey, strKey); nError != kErrNone) return nError;
    for (auto it = m_keys.begin(); it != m_keys.end();)
        it = IsBelow(it->first, strKey) ? m_keys.erase(it) : std::next(it);
    if (strSubKey.empty())
        m_keys[strKey].clear();
    else
        m_keys.erase(strKey);
    m_pContext->Note("regdeletetree " + strKey);
    return kErrNone;
}

long CFakeRegistry::KeyCountEntries(RegHandle hKey, unsigned* pnSubKeys, unsigned* pnValues) {
    const COpenKey* pKey = Handle(hKey);
    if (pKey == nullptr) return kErrInvalidParameter;
    // A query like the value queries, and failing with them.
    if (m_pContext->m_faults.Fails(FakeOp::ValueQuery)) return kErrAccessDenied;
    *pnSubKeys = 0;
    for (const auto& item : m_keys) {
        if (IsBelow(item.first, pKey->m_strKey) &&
            item.first.find('\\', pKey->m_strKey.size() + 1) == std::string::npos)
            ++*pnSubKeys;
    }
    *pnValues = static_cast<unsigned>(m_keys[pKey->m_strKey].size());
    return kErrNone;
}

void CFakeRegistry::KeyClose(RegHandle hKey) {
    if (m_handles.erase(hKey) == 0) ++m_nBadCloses;
}
