#include "QuenlowDoc.h"

CTableSnapshot g_history[kHistoryLimit];

namespace {
// Snapshot foundations come Hearts, Diamonds, Spades, Clubs; m_foundation is Clubs, Diamonds,
// Spades, Hearts.
const int kSnapshotFoundation[4] = {3, 1, 2, 0};
} // namespace

void CQuenlowDoc::RecordHistory() {
    if (m_nHistory >= kHistoryLimit || m_nHistory < 0) return;
    CTableSnapshot& snap = g_history[m_nHistory];
    for (int f = 0; f < kFanCount; ++f)
        for (int s = 0; s < kFanSlots; ++s)
            snap.m_card[3 * f + s] = m_fan[f][s];
    for (int i = 0; i < 4; ++i)
        snap.m_card[kSlotCount + i] = m_foundation[kSnapshotFoundation[i]];
    ++m_nHistory;
}

// Restores the snapshot beneath the top one (the position before the last move); the idle
// step then records it again, leaving the history one move shorter.
void CQuenlowDoc::RestoreHistory() {
    if (m_nHistory <= 0) return;
    m_nHistory = m_nHistory > 1 ? m_nHistory - 2 : 0;
    const CTableSnapshot& snap = g_history[m_nHistory];
    for (int f = 0; f < kFanCount; ++f)
        for (int s = 0; s < kFanSlots; ++s)
            m_fan[f][s] = snap.m_card[3 * f + s];
    for (int i = 0; i < 4; ++i)
        m_foundation[kSnapshotFoundation[i]] = snap.m_card[kSlotCount + i];
    LayoutFans();
    UpdateAllViews(nullptr);
    LayoutFans();
    if (m_bInProgress) m_bChanged = TRUE;
}

void CQuenlowDoc::OnEditUndo() {
    if (m_nHistory > 0) RestoreHistory();
}

void CQuenlowDoc::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_nHistory > 1 && m_bInProgress);
}

void CQuenlowDoc::OnStartOver() {
    if (!m_initial.m_bInitialValid) return;
    ClearFoundations();
    auto restoreSlot = [this](int f, int s) {
        CCard& slot = m_fan[f][s];
        slot.SetSuit(m_initial.m_nInitialSuit[3 * f + s]);
        slot.SetRank(m_initial.m_nInitialRank[3 * f + s]);
        SetFaceFromDeck(slot);
    };
    for (int f = 0; f < kFanCount; ++f) {
        restoreSlot(f, 0);
        restoreSlot(f, 1);
    }
    for (int f = 0; f < 16; ++f)
        restoreSlot(f, 2);
    for (int f = 16; f < kFanCount; ++f)
        m_fan[f][2].Clear();
    RecordStartPosition();
}

void CQuenlowDoc::OnUpdateStartOver(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_initial.m_bInitialValid && m_bInProgress);
}
