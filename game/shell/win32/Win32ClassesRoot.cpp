#include "Win32ClassesRoot.h"

#include "Win32Api.h"

#include <algorithm>
#include <vector>

namespace {
// A document type's texts are short; anything longer is not one of ours.
constexpr DWORD kMaxText = 4096;

const char* ValueName(const std::string& value) {
    return value.empty() ? nullptr : value.c_str();
}
} // namespace

bool CWin32ClassesRoot::SetText(const std::string& key, const std::string& value,
                                const std::string& data) {
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return false;
    LONG nResult = RegSetValueExA(hKey, ValueName(value), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(data.c_str()),
                                  static_cast<DWORD>(data.size()) + 1);
    RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}

bool CWin32ClassesRoot::GetText(const std::string& key, const std::string& value,
                                std::string& data) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return false;
    std::vector<char> buffer(kMaxText + 1, '\0');
    DWORD nType = 0;
    DWORD cbData = kMaxText;
    LONG nResult = RegQueryValueExA(hKey, ValueName(value), nullptr, &nType,
                                    reinterpret_cast<BYTE*>(buffer.data()), &cbData);
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS || (nType != REG_SZ && nType != REG_EXPAND_SZ)) return false;
    // The stored text may or may not carry its terminating zero.
    data.assign(buffer.data(), std::min<DWORD>(cbData, kMaxText));
    data.resize(data.find('\0') == std::string::npos ? data.size() : data.find('\0'));
    return true;
}

bool CWin32ClassesRoot::DeleteKey(const std::string& key) {
    LONG nResult = RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
    return nResult == ERROR_SUCCESS || nResult == ERROR_FILE_NOT_FOUND;
}
