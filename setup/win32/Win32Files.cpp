// Files and folders.
#include "Win32File.h"
#include "Win32SetupSystem.h"

#include <objbase.h>

namespace {

DWORD Attributes(const std::string& strPath) {
    return GetFileAttributesA(strPath.c_str());
}

// Identifies a file by its volume and index, whatever path names it.
bool FileIdentity(const std::string& strPath, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE hFile =
        CreateFileA(strPath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    BOOL bGot = GetFileInformationByHandle(hFile, &info);
    CloseHandle(hFile); // opened for no access: nothing to lose
    return bGot != FALSE;
}

// Only files on a disk: a name the system takes for a device (a console, a printer port, a
// pipe) would read or write something else, or wait for good.
std::unique_ptr<ISetupFile> OpenDiskFile(const std::string& strPath, DWORD nAccess, DWORD nShare,
                                         DWORD nDisposition) {
    HANDLE hFile = CreateFileA(strPath.c_str(), nAccess, nShare, nullptr, nDisposition,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return nullptr;
    auto pFile = std::make_unique<CWin32File>(hFile);
    if (GetFileType(hFile) != FILE_TYPE_DISK) return nullptr; // closed unwritten
    return pFile;
}

} // namespace

std::unique_ptr<ISetupFile> CWin32SetupSystem::OpenRead(const std::string& strPath) {
    // Others may go on reading and writing, as with the runtime's own file opening.
    return OpenDiskFile(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

std::unique_ptr<ISetupFile> CWin32SetupSystem::OpenWrite(const std::string& strPath) {
    return OpenDiskFile(strPath, GENERIC_WRITE, 0, CREATE_ALWAYS);
}

std::unique_ptr<ISetupFile> CWin32SetupSystem::OpenNew(const std::string& strPath) {
    return OpenDiskFile(strPath, GENERIC_WRITE, 0, CREATE_NEW);
}

bool CWin32SetupSystem::FileExists(const std::string& strPath) {
    DWORD nAttributes = Attributes(strPath);
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool CWin32SetupSystem::FolderExists(const std::string& strPath) {
    DWORD nAttributes = Attributes(strPath);
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CWin32SetupSystem::SameFile(const std::string& strPath1, const std::string& strPath2) {
    BY_HANDLE_FILE_INFORMATION info1 = {};
    BY_HANDLE_FILE_INFORMATION info2 = {};
    if (!FileIdentity(strPath1, info1) || !FileIdentity(strPath2, info2)) return false;
    return info1.dwVolumeSerialNumber == info2.dwVolumeSerialNumber &&
           info1.nFileIndexHigh == info2.nFileIndexHigh &&
           info1.nFileIndexLow == info2.nFileIndexLow;
}

bool CWin32SetupSystem::RemoveFile(const std::string& strPath) {
    return DeleteFileA(strPath.c_str()) != FALSE;
}

long CWin32SetupSystem::CreateFolder(const std::string& strPath) {
    if (CreateDirectoryA(strPath.c_str(), nullptr)) return kErrNone;
    return static_cast<long>(GetLastError());
}

std::string CWin32SetupSystem::CreateUniqueFolder(const std::string& strParent,
                                                  const std::string& strPrefix) {
    // A GUID of the system's random kind: 122 bits no other program can foresee. A name taken
    // already is never used; another is drawn.
    for (int nTry = 0; nTry < 4; ++nTry) {
        GUID guid;
        if (FAILED(CoCreateGuid(&guid))) return std::string();
        // Spelled in hex by hand: the C library's formatter would bring its floating-point code
        // into setup.exe.
        const auto* pBytes = reinterpret_cast<const unsigned char*>(&guid);
        std::string strName;
        for (size_t i = 0; i < sizeof(guid); ++i) {
            strName += "0123456789abcdef"[pBytes[i] >> 4];
            strName += "0123456789abcdef"[pBytes[i] & 15];
        }
        std::string strPath = strParent + "\\";
        strPath += strPrefix;
        strPath += strName;
        // No security attributes: the user's default protection, inherited from the parent.
        if (CreateDirectoryA(strPath.c_str(), nullptr)) return strPath;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return std::string();
    }
    return std::string();
}

bool CWin32SetupSystem::RemoveFolder(const std::string& strPath) {
    return RemoveDirectoryA(strPath.c_str()) != FALSE;
}

bool CWin32SetupSystem::FileSize(const std::string& strPath, std::uint64_t* pnBytes) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(strPath.c_str(), GetFileExInfoStandard, &data)) return false;
    *pnBytes = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

bool CWin32SetupSystem::FileInUse(const std::string& strPath) {
    // Opened as the copy opens it, but without emptying it.
    HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile != INVALID_HANDLE_VALUE) {
        CloseHandle(hFile); // nothing was written
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}
