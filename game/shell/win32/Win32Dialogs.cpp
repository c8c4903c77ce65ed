// Modal dialogs of the platform services: the template from the program's resources, centred
// over the main window, its buttons handed to the dialog object.
#include "Dialog.h"
#include "Win32Platform.h"

#include <algorithm>

namespace {
class CWin32DialogControls : public IDialogControls {
public:
    void SetItemText(int nID, const std::string& text) override {
        // A missing control keeps no text; the dialog reads back what the controls hold.
        SetDlgItemTextA(m_hDlg, nID, text.c_str());
    }
    std::string GetItemText(int nID) const override {
        HWND hItem = GetDlgItem(m_hDlg, nID);
        if (hItem == nullptr) return std::string();
        int nLength = GetWindowTextLengthA(hItem);
        std::string text(static_cast<std::size_t>(nLength) + 1, '\0');
        UINT nCopied = GetDlgItemTextA(m_hDlg, nID, &text[0], nLength + 1);
        text.resize(nCopied);
        return text;
    }
    void EndDialog(int nResult) override { ::EndDialog(m_hDlg, nResult); }

    HWND m_hDlg = nullptr;
};

struct CModalContext {
    CDialog* pDialog;
    HWND hOwner;
    CWin32DialogControls controls;
};

void CentreOver(HWND hDlg, HWND hOwner) {
    RECT rcDlg;
    RECT rcOwner;
    RECT rcWork;
    if (!GetWindowRect(hDlg, &rcDlg)) return;
    if (hOwner == nullptr || !IsWindowVisible(hOwner) || !GetWindowRect(hOwner, &rcOwner))
        rcOwner = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0))
        rcWork = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    int cx = rcDlg.right - rcDlg.left;
    int cy = rcDlg.bottom - rcDlg.top;
    int x = (rcOwner.left + rcOwner.right - cx) / 2;
    int y = (rcOwner.top + rcOwner.bottom - cy) / 2;
    // A main window near the edge of the screen must not push the dialog off it.
    x = std::max(static_cast<int>(rcWork.left), std::min(x, static_cast<int>(rcWork.right) - cx));
    y = std::max(static_cast<int>(rcWork.top), std::min(y, static_cast<int>(rcWork.bottom) - cy));
    SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK ModalDialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_INITDIALOG) {
        auto* pContext = reinterpret_cast<CModalContext*>(lParam);
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        pContext->controls.m_hDlg = hDlg;
        pContext->pDialog->AttachControls(&pContext->controls);
        CentreOver(hDlg, pContext->hOwner);
        return pContext->pDialog->OnInitDialog();
    }
    auto* pContext = reinterpret_cast<CModalContext*>(GetWindowLongPtrA(hDlg, DWLP_USER));
    if (pContext == nullptr) return FALSE;
    // Buttons, Enter, Escape and the title bar's close all arrive as clicks of a button id.
    if (uMsg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        return pContext->pDialog->OnCommand(LOWORD(wParam));
    return FALSE;
}
} // namespace

int CWin32Platform::DoModal(CDialog& dlg) {
    CModalContext context{&dlg, m_hMainWnd, {}};
    INT_PTR nResult =
        DialogBoxParamA(m_hInstance, MAKEINTRESOURCEA(dlg.GetTemplateId()), m_hMainWnd,
                        ModalDialogProc, reinterpret_cast<LPARAM>(&context));
    dlg.AttachControls(nullptr);
    // -1: the template could not be made into a dialog; 0: there was no owner to run it.
    return nResult <= 0 ? kDialogFailed : static_cast<int>(nResult);
}
