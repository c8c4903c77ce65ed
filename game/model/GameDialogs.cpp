#include "GameDialogs.h"

BOOL CScoresDlg::OnCommand(int nID) {
    if (nID == IDC_RESET) {
        OnResetScores();
        return TRUE;
    }
    return CDialog::OnCommand(nID);
}

void CScoresDlg::OnResetScores() {
    m_strWins = "0";
    m_strLosses = "0";
    UpdateData(FALSE);
}

void CScoresDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_WINS, m_strWins);
    DDX_Text(pDX, IDC_LOSSES, m_strLosses);
}
