// Reading and clearing a program's settings in the registry.
#include "DriverVerbs.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

HKEY RootOf(const std::string& name) {
    if (name == "HKCU") return HKEY_CURRENT_USER;
    if (name == "HKLM") return HKEY_LOCAL_MACHINE;
    if (name == "HKCR") return HKEY_CLASSES_ROOT;
    throw CDriverError("unknown root " + name);
}

// reg-get ROOT KEY VALUE: "absent", the text of a string value, or the data as signed
// 32-bit integers (a length that is not a multiple of 4 prints "bytes N").
void VerbRegGet(const Args& args) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(RootOf(args.at(0)), args.at(1).c_str(), 0, KEY_READ, &hKey) !=
        ERROR_SUCCESS) {
        std::printf("absent\n");
        return;
    }
    DWORD nType = 0;
    DWORD cbData = 0;
    LONG nResult = RegQueryValueExA(hKey, args.at(2).c_str(), nullptr, &nType, nullptr, &cbData);
    std::vector<BYTE> data(cbData + 1, 0);
    if (nResult == ERROR_SUCCESS)
        nResult = RegQueryValueExA(hKey, args.at(2).c_str(), nullptr, &nType, data.data(), &cbData);
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS) {
        std::printf("absent\n");
        return;
    }
    if (nType == REG_SZ) {
        std::printf("%s\n", reinterpret_cast<const char*>(data.data()));
        return;
    }
    if (cbData % 4 != 0) {
        std::printf("bytes %lu\n", static_cast<unsigned long>(cbData));
        return;
    }
    for (DWORD i = 0; i < cbData; i += 4) {
        std::int32_t n = 0;
        std::memcpy(&n, &data[i], 4);
        std::printf(i == 0 ? "%ld" : " %ld", static_cast<long>(n));
    }
    std::printf("\n");
}

// reg-delete ROOT KEY: the key and everything beneath it; a missing key is fine.
void VerbRegDelete(const Args& args) {
    LONG nResult = RegDeleteTreeA(RootOf(args.at(0)), args.at(1).c_str());
    if (nResult == ERROR_SUCCESS || nResult == ERROR_FILE_NOT_FOUND) return;
    throw CDriverError("cannot delete the key");
}
