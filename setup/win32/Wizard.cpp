#include "SetupDialogs.h"
#include "SetupNames.h"
#include "SetupResource.h"
#include "SystemLibrary.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

// What the pages share for one run of the wizard.
struct WizardRun {
    HINSTANCE m_hInstance = nullptr;
    ISetupSystem* m_pSystem = nullptr;
    std::string m_strProduct;
    std::string m_strDestination;
    bool m_bLicenceAccepted = false; // never cleared during the run
    bool m_bDeclined = false;
    HBITMAP m_hPicture = nullptr;
};

WizardRun g_wizard;

void SetResult(HWND hDlg, LONG_PTR nResult) {
    SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, nResult);
}

// Draws the picture at the page's top-left corner; false without a picture.
bool PaintPicture(HWND hDlg) {
    if (g_wizard.m_hPicture == nullptr) return false;
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    HDC hdcMemory = hdc != nullptr ? CreateCompatibleDC(hdc) : nullptr;
    BITMAP bitmap = {};
    if (hdcMemory != nullptr &&
        GetObjectA(g_wizard.m_hPicture, sizeof(bitmap), &bitmap) == sizeof(bitmap)) {
        // A picture that cannot be drawn leaves the page as it is.
        HGDIOBJ hOld = SelectObject(hdcMemory, g_wizard.m_hPicture);
        BitBlt(hdc, 0, 0, bitmap.bmWidth, bitmap.bmHeight, hdcMemory, 0, 0, SRCCOPY);
        SelectObject(hdcMemory, hOld);
    }
    if (hdcMemory != nullptr) DeleteDC(hdcMemory);
    EndPaint(hDlg, &paint);
    return true;
}

// The answers every page gives alike; -1 when the notification is not one of them.
INT_PTR CommonNotify(HWND hDlg, const NMHDR& header, DWORD nButtons) {
    switch (header.code) {
    case PSN_SETACTIVE:
        PropSheet_SetWizButtons(GetParent(hDlg), nButtons);
        SetResult(hDlg, 0);
        return TRUE;
    case PSN_KILLACTIVE:
    case PSN_WIZBACK:
    case PSN_QUERYCANCEL:
        SetResult(hDlg, FALSE); // leaving, going back and cancelling are always allowed
        return TRUE;
    default:
        return -1;
    }
}

void OnWelcomeNext(HWND hDlg) {
    if (!g_wizard.m_bLicenceAccepted && AcceptLicence(g_wizard.m_hInstance, hDlg))
        g_wizard.m_bLicenceAccepted = true;
    if (g_wizard.m_bLicenceAccepted) {
        SetResult(hDlg, 0);
        return;
    }
    // Declined, or the licence could not be shown: the run ends with nothing installed.
    g_wizard.m_bDeclined = true;
    SetResult(hDlg, -1);
    PostMessageA(GetParent(hDlg), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

// Showing Finish hides Next, which held the focus, and leaves the sheet without a default
// button: Enter would do nothing. Finish takes both once the sheet has shown the page.
void MakeFinishDefault(HWND hDlg) {
    HWND hSheet = GetParent(hDlg);
    HWND hFinish = GetDlgItem(hSheet, IDC_WIZARD_FINISH);
    if (hFinish == nullptr) return; // a sheet without the button: the pointer still works
    SendMessageA(hSheet, DM_SETDEFID, IDC_WIZARD_FINISH, 0);
    // Posted, so that it follows the focus the sheet gives the page itself; a failure leaves
    // Enter as it was.
    PostMessageA(hSheet, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hFinish), TRUE);
}

void ChooseFolder(HWND hDlg) {
    BROWSEINFOA browse = {};
    browse.hwndOwner = hDlg;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    LPITEMIDLIST pItems = SHBrowseForFolderA(&browse);
    if (pItems == nullptr) return; // cancelled
    char szFolder[MAX_PATH] = "";
    if (SHGetPathFromIDListA(pItems, szFolder) &&
        PickedDestination(*g_wizard.m_pSystem, g_wizard.m_strProduct, szFolder,
                          g_wizard.m_strDestination))
        SetDlgItemTextA(hDlg, IDC_DESTINATION, g_wizard.m_strDestination.c_str());
    CoTaskMemFree(pItems);
}

} // namespace

INT_PTR CALLBACK WelcomePageProc(HWND hDlg, UINT nMsg, WPARAM, LPARAM lParam) {
    switch (nMsg) {
    case WM_INITDIALOG:
        g_wizard.m_hPicture = static_cast<HBITMAP>(
            LoadImageA(nullptr, "setup.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        // A wizard that cannot be moved works where it is.
        SetWindowPos(GetParent(hDlg), nullptr, 48, 10, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
        return TRUE;
    case WM_PAINT:
        return PaintPicture(hDlg);
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == PSN_WIZNEXT) {
            OnWelcomeNext(hDlg);
            return TRUE;
        }
        INT_PTR nHandled = CommonNotify(hDlg, header, PSWIZB_NEXT);
        return nHandled < 0 ? FALSE : nHandled;
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK DestinationPageProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_INITDIALOG:
        // The folder given on the command line or the one the product is installed in, else the
        // maker's folder for it.
        if (g_wizard.m_strDestination.empty())
            g_wizard.m_strDestination =
                DefaultDestination(*g_wizard.m_pSystem, g_wizard.m_strProduct);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_CHOOSE_FOLDER && HIWORD(wParam) == BN_CLICKED) ChooseFolder(hDlg);
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == PSN_SETACTIVE)
            SetDlgItemTextA(hDlg, IDC_DESTINATION, g_wizard.m_strDestination.c_str());
        if (header.code == PSN_WIZNEXT) {
            // The box shows the folder kept here; one that cannot be read back keeps it.
            char szFolder[MAX_PATH] = "";
            if (GetDlgItemTextA(hDlg, IDC_DESTINATION, szFolder, MAX_PATH) > 0)
                g_wizard.m_strDestination = szFolder;
            SetResult(hDlg, 0);
            return TRUE;
        }
        INT_PTR nHandled = CommonNotify(hDlg, header, PSWIZB_BACK | PSWIZB_NEXT);
        return nHandled < 0 ? FALSE : nHandled;
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK FinishPageProc(HWND hDlg, UINT nMsg, WPARAM, LPARAM lParam) {
    switch (nMsg) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_PAINT:
        return PaintPicture(hDlg);
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == PSN_WIZFINISH) {
            SetResult(hDlg, FALSE);
            return TRUE;
        }
        INT_PTR nHandled = CommonNotify(hDlg, header, PSWIZB_BACK | PSWIZB_FINISH);
        if (header.code == PSN_SETACTIVE) MakeFinishDefault(hDlg);
        return nHandled < 0 ? FALSE : nHandled;
    }
    default:
        return FALSE;
    }
}

INT_PTR RunWizard(HINSTANCE hInstance, HWND hWndOwner, ISetupSystem& system,
                  const std::string& strProduct, std::string& strDestination) {
    g_wizard = WizardRun();
    g_wizard.m_hInstance = hInstance;
    g_wizard.m_pSystem = &system;
    g_wizard.m_strProduct = strProduct;
    g_wizard.m_strDestination = strDestination;
    const struct {
        int nTemplate;
        DLGPROC pProc;
    } kPages[] = {{IDD_WELCOME, WelcomePageProc},
                  {IDD_DESTINATION, DestinationPageProc},
                  {IDD_FINISH, FinishPageProc}};
    PROPSHEETPAGEA pages[3] = {};
    for (int i = 0; i < 3; ++i) {
        pages[i].dwSize = sizeof(pages[i]);
        pages[i].hInstance = hInstance;
        pages[i].pszTemplate = MAKEINTRESOURCEA(kPages[i].nTemplate);
        pages[i].pfnDlgProc = kPages[i].pProc;
    }
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof(sheet);
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_NOAPPLYNOW;
    sheet.hwndParent = hWndOwner;
    sheet.hInstance = hInstance;
    sheet.pszCaption = "Product Install";
    sheet.nPages = 3;
    sheet.nStartPage = 0;
    sheet.ppsp = pages;
    INT_PTR nResult = ControlsPropertySheet(&sheet);
    if (g_wizard.m_hPicture != nullptr) DeleteObject(g_wizard.m_hPicture);
    // -1 is a wizard that could not be shown: no folder was chosen.
    if (nResult <= 0 || g_wizard.m_bDeclined) return 0;
    strDestination = g_wizard.m_strDestination;
    return nResult;
}
