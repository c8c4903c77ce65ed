#include "Win32ShellServices.h"

#include "FileMessages.h"
#include "FileNames.h"
#include "FrameworkIds.h"
#include "Win32Platform.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
constexpr DWORD kProfileValueMax = 1024;

// Wine's file dialogs join the folder and the typed name in a stack buffer of MAX_PATH
// characters without looking at their lengths: a longer path overruns the dialog's stack, and
// the program dies a little later (at Cancel, when a user tried). A name that would not fit,
// with the extension the dialog may add, is refused here before the dialog sees it.
struct CNameGuard {
    WNDPROC pfnDialogProc = nullptr;
    std::string strMessage; // "%1" stands for the name
    std::string strTitle;
    int nExtension = 0;
};
constexpr const char* kGuardProperty = "Quenlow.NameGuard";

// The size a dialog query needs, its terminating zero included; 1 when it fails.
int QuerySize(HWND hDlg, UINT uMsg) {
    return std::max(1, static_cast<int>(SendMessageA(hDlg, uMsg, 0, 0)));
}

BOOL NameTooLong(HWND hDlg, const CNameGuard& guard) {
    int nPath = QuerySize(hDlg, CDM_GETFOLDERPATH) + QuerySize(hDlg, CDM_GETSPEC) - 1;
    return nPath + guard.nExtension >= MAX_PATH;
}

LRESULT CALLBACK GuardedDialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* pGuard = static_cast<CNameGuard*>(GetPropA(hDlg, kGuardProperty));
    if (pGuard == nullptr) return DefDlgProcA(hDlg, uMsg, wParam, lParam);
    WNDPROC pfnDialogProc = pGuard->pfnDialogProc;
    if (uMsg == WM_COMMAND && LOWORD(wParam) == IDOK && NameTooLong(hDlg, *pGuard)) {
        std::string name(static_cast<std::size_t>(QuerySize(hDlg, CDM_GETSPEC)) * 2, '\0');
        SendMessageA(hDlg, CDM_GETSPEC, name.size(), reinterpret_cast<LPARAM>(&name[0]));
        name.resize(std::strlen(name.c_str())); // empty, should the query fail
        MessageBoxA(hDlg, FormatMessageText(pGuard->strMessage, name).c_str(),
                    pGuard->strTitle.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    if (uMsg == WM_NCDESTROY) {
        // Handed back as the window goes: a failure has nothing left to harm.
        SetWindowLongPtrA(hDlg, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnDialogProc));
        RemovePropA(hDlg, kGuardProperty);
    }
    return CallWindowProcA(pfnDialogProc, hDlg, uMsg, wParam, lParam);
}

// The hook's own window is an empty child of the dialog; the guard goes on the dialog.
UINT_PTR CALLBACK FileDialogHook(HWND hHook, UINT uMsg, WPARAM, LPARAM lParam) {
    if (uMsg != WM_INITDIALOG) return 0;
    auto* pGuard =
        reinterpret_cast<CNameGuard*>(reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
    HWND hDlg = GetParent(hHook);
    if (hDlg == nullptr || !SetPropA(hDlg, kGuardProperty, pGuard)) return 0;
    pGuard->pfnDialogProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hDlg, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GuardedDialogProc)));
    if (pGuard->pfnDialogProc == nullptr) RemovePropA(hDlg, kGuardProperty);
    return 0;
}
} // namespace

std::string CWin32ShellServices::ModulePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD nLength =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (nLength == 0) return std::string();
        if (nLength < buffer.size()) return std::string(buffer.data(), nLength);
        buffer.resize(buffer.size() * 2);
    }
}

std::string CWin32ShellServices::FullPath(const std::string& path) {
    DWORD nSize = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (nSize == 0) return path;
    std::vector<char> buffer(nSize + 1);
    DWORD nLength =
        GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (nLength == 0 || nLength >= buffer.size()) return path;
    return std::string(buffer.data(), nLength);
}

unsigned CWin32ShellServices::CheckReadable(const std::string& path) {
    HANDLE hFile = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return GetLastError();
    // Nothing was read or written through the handle: closing it cannot lose anything.
    CloseHandle(hFile);
    return 0;
}

unsigned CWin32ShellServices::WriteEmptyFile(const std::string& path) {
    HANDLE hFile = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return GetLastError();
    if (!CloseHandle(hFile)) return GetLastError();
    return 0;
}

bool CWin32ShellServices::IsReadOnly(const std::string& path) {
    DWORD nAttributes = GetFileAttributesA(path.c_str());
    // A file that is not there is not read-only: saving creates it.
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool CWin32ShellServices::PromptFileName(bool bOpen, const std::string& strTitle,
                                         const std::string& strFilterName,
                                         const std::string& strFilterExt, std::string& path) {
    std::string filter;
    if (!strFilterName.empty() && !strFilterExt.empty())
        filter += strFilterName + '\0' + "*" + strFilterExt + '\0';
    filter += std::string("All Files (*.*)") + '\0' + "*.*" + '\0' + '\0';
    std::vector<char> file(MAX_PATH * 4, '\0');
    path.copy(file.data(), std::min(path.size(), file.size() - 1));
    std::string defExt =
        strFilterExt.empty() || strFilterExt[0] != '.' ? strFilterExt : strFilterExt.substr(1);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_platform.GetMainWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = strTitle.c_str();
    ofn.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
    CNameGuard guard;
    guard.strMessage = LoadString(IDS_INVALID_FILENAME);
    guard.strTitle = AppTitle();
    guard.nExtension = defExt.empty() ? 0 : static_cast<int>(defExt.size()) + 1;
    ofn.lCustData = reinterpret_cast<LPARAM>(&guard);
    ofn.lpfnHook = FileDialogHook;
    // A hook would take the dialog's sizing away unless asked for.
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_HIDEREADONLY |
                OFN_PATHMUSTEXIST | (bOpen ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    // A dialog that fails to open counts as cancelled, as the user could not choose.
    BOOL bChosen = bOpen ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    if (!bChosen) return false;
    path = file.data();
    return true;
}

void CWin32ShellServices::ShowMessage(const std::string& text) {
    // Without its owner (no window yet, or already gone) the box stands alone.
    HWND hOwner = m_platform.GetMainWindow();
    if (hOwner != nullptr && !IsWindow(hOwner)) hOwner = nullptr;
    MessageBoxA(hOwner, text.c_str(), AppTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

std::string CWin32ShellServices::AppTitle() {
    std::string title = LoadString(IDS_APP_TITLE);
    return title.empty() ? "Quenlow" : title;
}

std::string CWin32ShellServices::LoadString(int nID) {
    char buffer[512] = {};
    int nLength = LoadStringA(m_platform.GetInstance(), static_cast<UINT>(nID), buffer,
                              static_cast<int>(sizeof(buffer)));
    return std::string(buffer, static_cast<std::size_t>(nLength > 0 ? nLength : 0));
}

const std::string& CWin32ShellServices::ProfilePath() {
    if (m_bProfileLooked) return m_strProfile;
    m_bProfileLooked = true;
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder)))
        return m_strProfile;
    std::string name = FileNameOf(ChangeFileExtension(ModulePath(), ".INI"));
    if (name == ".INI") name = "QUENLOW.INI";
    m_strProfile = std::string(folder) + "\\" + name;
    return m_strProfile;
}

std::string CWin32ShellServices::ReadProfileText(const std::string& section,
                                                 const std::string& key) {
    const std::string& profile = ProfilePath();
    if (profile.empty()) return std::string();
    char buffer[kProfileValueMax] = {};
    DWORD nLength = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                             kProfileValueMax, profile.c_str());
    return std::string(buffer, nLength);
}

void CWin32ShellServices::WriteProfileText(const std::string& section, const std::string& key,
                                           const std::string& value) {
    const std::string& profile = ProfilePath();
    if (profile.empty()) return;
    // A profile that cannot be written loses the list, which is all it holds.
    WritePrivateProfileStringA(section.c_str(), key.c_str(),
                               value.empty() ? nullptr : value.c_str(), profile.c_str());
}
