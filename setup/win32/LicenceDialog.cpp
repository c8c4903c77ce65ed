#include "SetupDialogs.h"
#include "SetupResource.h"

namespace {

constexpr const char* kLicenceFile = "license.txt";
constexpr const char* kLicenceCaption = "Installation Error";

// The licence file beside the running program, not in the current folder.
std::string LicencePath() {
    char szPath[MAX_PATH];
    DWORD nLength = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH) return kLicenceFile;
    std::string strPath(szPath, nLength);
    return strPath.substr(0, strPath.rfind('\\') + 1) + kLicenceFile;
}

void ShowLicenceError(HWND hDlg, const std::string& strText) {
    MessageBoxA(hDlg, strText.c_str(), kLicenceCaption, MB_OK);
}

// Reads the whole file and hands it to the edit control; false after a message.
bool ShowLicenceText(HWND hDlg, HANDLE hFile, const std::string& strPath) {
    DWORD cbFile = GetFileSize(hFile, nullptr);
    if (cbFile == INVALID_FILE_SIZE) {
        ShowLicenceError(hDlg, "Error reading license file: " + strPath);
        return false;
    }
    char* pText = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, cbFile + 1));
    if (pText == nullptr) {
        ShowLicenceError(hDlg, "Error allocating memory for license text.");
        return false;
    }
    DWORD cbRead = 0;
    bool bRead = ReadFile(hFile, pText, cbFile, &cbRead, nullptr) != FALSE;
    if (bRead) {
        pText[cbRead] = '\0';
        SetDlgItemTextA(hDlg, IDC_LICENCE_TEXT, pText); // an empty box is still a licence shown
    }
    HeapFree(GetProcessHeap(), 0, pText); // the heap keeps no failure worth reporting
    if (!bRead) ShowLicenceError(hDlg, "Error reading license file: " + strPath);
    return bRead;
}

bool LoadLicence(HWND hDlg) {
    std::string strPath = LicencePath();
    HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        ShowLicenceError(hDlg, "Error accessing file: " + strPath);
        return false;
    }
    bool bShown = ShowLicenceText(hDlg, hFile, strPath);
    CloseHandle(hFile); // read only: nothing to lose
    return bShown;
}

} // namespace

bool AcceptLicence(HINSTANCE hInstance, HWND hWndPage) {
    INT_PTR nAnswer =
        DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_LICENCE), hWndPage, LicenceDialogProc, 0);
    return nAnswer == IDC_LICENCE_YES;
}

INT_PTR CALLBACK LicenceDialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM) {
    switch (nMsg) {
    case WM_INITDIALOG:
        if (!LoadLicence(hDlg)) {
            EndDialog(hDlg, IDC_LICENCE_NO);
            return TRUE;
        }
        SetFocus(GetDlgItem(hDlg, IDC_LICENCE_TEXT));
        return FALSE; // the focus is set
    case WM_COMMAND:
        // Only the two buttons close it: Esc and the close box come as IDCANCEL and do nothing.
        if (LOWORD(wParam) == IDC_LICENCE_YES || LOWORD(wParam) == IDC_LICENCE_NO)
            EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        return TRUE;
    default:
        return FALSE;
    }
}
