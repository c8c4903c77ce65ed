// The shell's folders, links and delete operation, and processes.
#include "Win32SetupSystem.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

namespace {

int FolderId(SpecialFolder folder) {
    switch (folder) {
    case SpecialFolder::CommonDesktop:
        return CSIDL_COMMON_DESKTOPDIRECTORY;
    case SpecialFolder::Desktop:
        return CSIDL_DESKTOPDIRECTORY;
    case SpecialFolder::CommonStartup:
        return CSIDL_COMMON_STARTUP;
    case SpecialFolder::Startup:
        return CSIDL_STARTUP;
    case SpecialFolder::CommonPrograms:
        return CSIDL_COMMON_PROGRAMS;
    case SpecialFolder::ProgramFiles:
        return CSIDL_PROGRAM_FILES;
    case SpecialFolder::AppData:
        return CSIDL_APPDATA;
    case SpecialFolder::Programs:
        break;
    }
    return CSIDL_PROGRAMS;
}

// A link file's name as the persistence interface takes it; false when it cannot be converted.
bool WideFileName(const std::string& strFile, WCHAR (&szFile)[MAX_PATH]) {
    return MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, strFile.c_str(), -1, szFile, MAX_PATH) != 0;
}

// Sets the link's fields and saves it; the link object is released by the caller.
HRESULT SaveLinkObject(IShellLinkA* pLink, const ShellLink& link, const std::string& strFile) {
    // Their results are deliberately not looked at: a target that does not exist yet gives
    // S_FALSE, and the saved file tells whether the link is usable.
    pLink->SetPath(link.m_strTarget.c_str());
    pLink->SetDescription(link.m_strDescription.c_str());
    pLink->SetArguments(link.m_strArguments.c_str());
    pLink->SetWorkingDirectory(link.m_strWorkingFolder.c_str());
    IPersistFile* pFile = nullptr;
    HRESULT hr = pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile));
    if (FAILED(hr)) return hr;
    WCHAR szFile[MAX_PATH];
    if (!WideFileName(strFile, szFile))
        hr = E_INVALIDARG;
    else
        hr = pFile->Save(szFile, TRUE);
    pFile->Release();
    return hr;
}

} // namespace

std::string CWin32SetupSystem::FindSpecialFolder(SpecialFolder folder) {
    LPITEMIDLIST pItems = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, FolderId(folder), &pItems) != S_OK)
        return std::string();
    char szPath[MAX_PATH] = "";
    BOOL bPath = SHGetPathFromIDListA(pItems, szPath);
    CoTaskMemFree(pItems);
    return bPath ? std::string(szPath) : std::string();
}

long CWin32SetupSystem::SaveLink(const ShellLink& link, const std::string& strLinkFile) {
    IShellLinkA* pLink = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&pLink));
    if (FAILED(hr)) return hr;
    hr = SaveLinkObject(pLink, link, strLinkFile);
    pLink->Release();
    return hr;
}

bool CWin32SetupSystem::ReadLinkTarget(const std::string& strLinkFile, std::string& strTarget) {
    IShellLinkA* pLink = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&pLink));
    if (FAILED(hr)) return false;
    IPersistFile* pFile = nullptr;
    hr = pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile));
    WCHAR szFile[MAX_PATH];
    if (SUCCEEDED(hr) && !WideFileName(strLinkFile, szFile)) hr = E_INVALIDARG;
    if (SUCCEEDED(hr)) hr = pFile->Load(szFile, STGM_READ);
    char szTarget[MAX_PATH] = "";
    // S_FALSE: a link without a path.
    if (SUCCEEDED(hr)) hr = pLink->GetPath(szTarget, MAX_PATH, nullptr, SLGP_RAWPATH);
    if (pFile != nullptr) pFile->Release();
    pLink->Release();
    if (hr != S_OK) return false;
    strTarget = szTarget;
    return true;
}

int CWin32SetupSystem::ShellDeleteFile(const std::string& strPath) {
    std::vector<char> from(strPath.begin(), strPath.end());
    from.push_back('\0');
    from.push_back('\0'); // the list of paths ends with an empty one
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = m_hWndMain;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.data();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    int nResult = SHFileOperationA(&operation);
    return nResult == 0 && operation.fAnyOperationsAborted ? ERROR_CANCELLED : nResult;
}

std::string CWin32SetupSystem::ModulePath() {
    char szPath[MAX_PATH];
    DWORD nLength = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH) return std::string(); // cut short: not a path to use
    return std::string(szPath, nLength);
}

bool CWin32SetupSystem::LaunchProgram(const std::string& strApplication,
                                      const std::string& strCommandLine) {
    std::vector<char> commandLine(strCommandLine.begin(), strCommandLine.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(strApplication.empty() ? nullptr : strApplication.c_str(),
                        commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_DEFAULT_ERROR_MODE | DETACHED_PROCESS, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread); // never waited for
    CloseHandle(process.hProcess);
    return true;
}

std::string CWin32SetupSystem::TempFolder() {
    char szPath[MAX_PATH];
    DWORD nLength = GetTempPathA(MAX_PATH, szPath);
    if (nLength == 0 || nLength >= MAX_PATH) return std::string();
    return std::string(szPath, nLength);
}

bool CWin32SetupSystem::DeleteAtRestart(const std::string& strPath) {
    // Recorded by the system for its next start; the file itself is not touched now.
    return MoveFileExA(strPath.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

bool CWin32SetupSystem::ChangeFolder(const std::string& strPath) {
    return SetCurrentDirectoryA(strPath.c_str()) != FALSE;
}
