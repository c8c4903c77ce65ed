#include "Dialog.h"

#include "Platform.h"

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_controls.GetItemText(nIDC);
    else
        pDX->m_controls.SetItemText(nIDC, value);
}

int CDialog::DoModal(IDialogs& dialogs) {
    return dialogs.DoModal(*this);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::OnCommand(int nID) {
    switch (nID) {
    case kIdOk:
        OnOK();
        return TRUE;
    case kIdCancel:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(kIdOk);
}

void CDialog::OnCancel() {
    EndDialog(kIdCancel);
}

void CDialog::EndDialog(int nResult) {
    if (m_pControls != nullptr) m_pControls->EndDialog(nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    if (m_pControls == nullptr) return FALSE;
    CDataExchange dx(*m_pControls, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}
