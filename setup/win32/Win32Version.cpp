// Version records of program files.
#include "SystemLibrary.h"
#include "Win32SetupSystem.h"

#include <vector>

namespace {

// The product version of the record's fixed part, "1.0.0.1"; empty without one.
std::string FixedVersion(const std::vector<char>& data) {
    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT cbFixed = 0;
    if (!VersionQueryValue(data.data(), "\\", reinterpret_cast<void**>(&pFixed), &cbFixed) ||
        cbFixed < sizeof(VS_FIXEDFILEINFO))
        return std::string();
    // The system's formatter: the C library's brings in its floating-point code. Four 16-bit
    // numbers always fit, so its count is not needed.
    char szVersion[48];
    wsprintfA(szVersion, "%u.%u.%u.%u", static_cast<unsigned>(HIWORD(pFixed->dwProductVersionMS)),
              static_cast<unsigned>(LOWORD(pFixed->dwProductVersionMS)),
              static_cast<unsigned>(HIWORD(pFixed->dwProductVersionLS)),
              static_cast<unsigned>(LOWORD(pFixed->dwProductVersionLS)));
    return szVersion;
}

// The maker's name in the record's first language; empty without one.
std::string CompanyName(const std::vector<char>& data) {
    WORD* pLanguage = nullptr;
    UINT cbLanguage = 0;
    if (!VersionQueryValue(data.data(), "\\VarFileInfo\\Translation",
                           reinterpret_cast<void**>(&pLanguage), &cbLanguage) ||
        cbLanguage < 2 * sizeof(WORD))
        return std::string();
    // 36 characters: the count of the system's formatter is not needed.
    char szQuery[64];
    wsprintfA(szQuery, "\\StringFileInfo\\%04x%04x\\CompanyName",
              static_cast<unsigned>(pLanguage[0]), static_cast<unsigned>(pLanguage[1]));
    char* pszName = nullptr;
    UINT cchName = 0;
    if (!VersionQueryValue(data.data(), szQuery, reinterpret_cast<void**>(&pszName), &cchName) ||
        cchName == 0)
        return std::string();
    return pszName;
}

} // namespace

bool CWin32SetupSystem::ReadVersionRecord(const std::string& strPath, VersionRecord& record) {
    DWORD nHandle = 0;
    DWORD cbData = VersionInfoSize(strPath.c_str(), &nHandle);
    if (cbData == 0) return false;
    std::vector<char> data(cbData);
    if (!VersionInfo(strPath.c_str(), 0, cbData, data.data())) return false;
    record.m_strVersion = FixedVersion(data);
    record.m_strPublisher = CompanyName(data);
    return true;
}
