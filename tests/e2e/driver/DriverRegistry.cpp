// The registry, as 32-bit little-endian integers (the game's values) or as text.
#include "Driver.h"

#include <cstdio>
#include <cstring>

namespace {
// Prints the key's values and then its subkeys, depth first, each line starting with the path.
void ListKey(HKEY hParent, const std::string& path, const std::string& subKey) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(hParent, subKey.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return;
    std::printf("%s\n", path.c_str());
    char szName[16384];
    DWORD cbMaxData = 0;
    if (RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, &cbMaxData, nullptr, nullptr) != ERROR_SUCCESS) {
        RegCloseKey(hKey); // a key that cannot tell its sizes (performance data) stays unread
        return;
    }
    std::vector<BYTE> data(cbMaxData + 1);
    for (DWORD i = 0;; ++i) {
        DWORD cchName = sizeof(szName);
        DWORD cbData = static_cast<DWORD>(data.size());
        DWORD nType = 0;
        LONG nResult =
            RegEnumValueA(hKey, i, szName, &cchName, nullptr, &nType, data.data(), &cbData);
        if (nResult == ERROR_NO_MORE_ITEMS) break;
        if (nResult != ERROR_SUCCESS) {
            RegCloseKey(hKey);
            throw CDriverError("cannot read a value of " + path);
        }
        std::printf("%s\t%s\t%lu\t", path.c_str(), szName, static_cast<unsigned long>(nType));
        for (DWORD j = 0; j < cbData; ++j)
            std::printf("%02x", data[j]);
        std::printf("\n");
    }
    std::vector<std::string> children;
    for (DWORD i = 0;; ++i) {
        DWORD cchName = sizeof(szName);
        LONG nResult = RegEnumKeyExA(hKey, i, szName, &cchName, nullptr, nullptr, nullptr, nullptr);
        if (nResult != ERROR_SUCCESS) break;
        children.push_back(szName);
    }
    for (const std::string& child : children)
        ListKey(hKey, path + "\\" + child, child);
    RegCloseKey(hKey);
}
} // namespace

// reg-type ROOT KEY VALUE: "text", "number" (32 bits), "other" or "absent".
void VerbRegType(const Args& args) {
    HKEY hKey = nullptr;
    DWORD nType = 0;
    LONG nResult = RegOpenKeyExA(RootOf(args.at(0)), args.at(1).c_str(), 0, KEY_READ, &hKey);
    if (nResult == ERROR_SUCCESS) {
        nResult = RegQueryValueExA(hKey, args.at(2).c_str(), nullptr, &nType, nullptr, nullptr);
        RegCloseKey(hKey);
    }
    if (nResult != ERROR_SUCCESS)
        std::printf("absent\n");
    else
        std::printf("%s\n", nType == REG_SZ ? "text" : nType == REG_DWORD ? "number" : "other");
}

// reg-key ROOT KEY: "present" or "absent".
void VerbRegKey(const Args& args) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(RootOf(args.at(0)), args.at(1).c_str(), 0, KEY_READ, &hKey) !=
        ERROR_SUCCESS) {
        std::printf("absent\n");
        return;
    }
    RegCloseKey(hKey);
    std::printf("present\n");
}

// reg-set ROOT KEY VALUE INT... : a binary value of signed 32-bit integers.
void VerbRegSet(const Args& args) {
    std::vector<BYTE> data;
    for (std::size_t i = 3; i < args.size(); ++i) {
        std::int32_t n = ToInt(args[i]);
        BYTE bytes[4];
        std::memcpy(bytes, &n, 4);
        data.insert(data.end(), bytes, bytes + 4);
    }
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(RootOf(args.at(0)), args.at(1).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        throw CDriverError("cannot create the key");
    LONG nResult = RegSetValueExA(hKey, args.at(2).c_str(), 0, REG_BINARY, data.data(),
                                  static_cast<DWORD>(data.size()));
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS) throw CDriverError("cannot write the value");
}

// reg-list ROOT KEY: every key beneath (paths, one a line) and every value as
// "PATH<tab>NAME<tab>TYPE<tab>HEX DATA"; nothing for a missing key.
void VerbRegList(const Args& args) {
    ListKey(RootOf(args.at(0)), args.at(0) + "\\" + args.at(1), args.at(1));
}
