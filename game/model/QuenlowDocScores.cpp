#include "QuenlowDoc.h"

#include "GameDialogs.h"
#include "resource.h"

#include <climits>
#include <string>

namespace {
// The counters stop at the largest 32-bit value instead of wrapping to negative.
void CountUp(int& n) {
    if (n < INT_MAX) ++n;
}
} // namespace

void CQuenlowDoc::CountWin() {
    CountUp(m_nWins);
}

void CQuenlowDoc::CountLoss() {
    CountUp(m_nLosses);
}

void CQuenlowDoc::CheckGameOver() {
    if (!m_bInProgress) return;
    for (int f = 0; f < kFanCount; ++f) {
        if (m_fan[f][0].HasCard()) return;
    }
    CountWin();
    m_platform.SetStatusText("Game Over!");
    CGameOverDlg dlg;
    m_platform.PlaySound(IDW_WIN, kSndResource | kSndNoDefault | kSndAsync);
    // The game ends before the dialog runs, so a save made while it is open (the session
    // ending) never stores the won table as a game in progress.
    m_bInProgress = FALSE;
    m_bChanged = FALSE;
    SaveStateNow();
    dlg.DoModal(m_platform);
}

void CQuenlowDoc::OnScores() {
    CScoresDlg dlg;
    dlg.m_strLosses = std::to_string(m_nLosses);
    dlg.m_strWins = std::to_string(m_nWins);
    if (dlg.DoModal(m_platform) == kIdOk && dlg.m_strWins == "0" && dlg.m_strLosses == "0") {
        m_nWins = 0;
        m_nLosses = 0;
        SaveStateNow();
    }
}
