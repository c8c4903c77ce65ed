#include "SetupDialogs.h"
#include "SetupResource.h"

#include <commctrl.h>

HWND OpenProgressDialog(HINSTANCE hInstance, HWND hWndOwner, int nEntries) {
    HWND hDlg = CreateDialogParamA(hInstance, MAKEINTRESOURCEA(IDD_PROGRESS), hWndOwner,
                                   ProgressDialogProc, 0);
    if (hDlg == nullptr) return nullptr;
    ShowWindow(hDlg, SW_SHOW); // answers whether it was visible before, not a failure
    HWND hBar = GetDlgItem(hDlg, IDC_PROGRESS);
    SendMessageA(hBar, PBM_SETRANGE, 0, MAKELPARAM(0, nEntries));
    SendMessageA(hBar, PBM_SETSTEP, 1, 0);
    return hDlg;
}

INT_PTR CALLBACK ProgressDialogProc(HWND hDlg, UINT nMsg, WPARAM, LPARAM) {
    if (nMsg != WM_INITDIALOG) return FALSE;
    // Plays by itself once open; without the file the area stays empty.
    SendDlgItemMessageA(hDlg, IDC_ANIMATION, ACM_OPENA, 0, reinterpret_cast<LPARAM>("setup.avi"));
    return TRUE;
}

void StepProgressDialog(HWND hDlg) {
    SendDlgItemMessageA(hDlg, IDC_PROGRESS, PBM_STEPIT, 0, 0);
    RepaintProgressDialog(hDlg);
}

void RepaintProgressDialog(HWND hDlg) {
    // Paints what is pending now, whether or not messages are dispatched soon.
    RedrawWindow(hDlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CloseProgressDialog(HWND& hDlg) {
    if (hDlg == nullptr) return;
    DestroyWindow(hDlg); // fails only for a window already gone
    hDlg = nullptr;
}
