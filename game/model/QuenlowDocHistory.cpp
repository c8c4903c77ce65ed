#include "QuenlowDoc.h"

CTableSnapshot g_history[kHistoryLimit];

const int kSnapshotFoundationSuits[kFoundationCount] = {kHearts, kDiamonds, kSpades, kClubs};

void CQuenlowDoc::RecordHistory() {
    if (m_nHistory >= kHistoryLimit || m_nHistory < 0) return;
    CTableSnapshot& snap = g_history[m_nHistory];
    for (int f = 0; f < kFanCount; ++f)
        for (int s = 0; s < kFanSlots; ++s)
            snap.m_card[SlotIndex(f, s)] = m_fan[f][s];
    for (int i = 0; i < kFoundationCount; ++i)
        snap.m_card[kSlotCount + i] = FoundationOfSuit(kSnapshotFoundationSuits[i]).m_card;
    ++m_nHistory;
}

// Restores the snapshot beneath the top one (the position before the last move); the idle
// step then records it again, leaving the history one move shorter.
void CQuenlowDoc::RestoreHistory() {
    if (m_nHistory <= 0) return;
    m_nHistory = m_nHistory > 1 ? m_nHistory - 2 : 0;
    SetPosition(g_history[m_nHistory], m_bInProgress);
    UpdateAllViews(nullptr);
    if (m_bInProgress) m_bChanged = TRUE;
}

void CQuenlowDoc::SetPosition(const CTableSnapshot& position, BOOL bInProgress) {
    for (int f = 0; f < kFanCount; ++f)
        for (int s = 0; s < kFanSlots; ++s)
            m_fan[f][s] = position.m_card[SlotIndex(f, s)];
    for (int i = 0; i < kFoundationCount; ++i)
        FoundationOfSuit(kSnapshotFoundationSuits[i]).m_card = position.m_card[kSlotCount + i];
    m_bInProgress = bInProgress;
    m_bTableFromThisRun = TRUE;
    LayoutFans();
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
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s) {
            CCard& slot = m_fan[f][s];
            if (!IsDealtSlot(f, s)) {
                slot.Clear();
                continue;
            }
            slot.SetSuit(m_initial.m_nInitialSuit[SlotIndex(f, s)]);
            slot.SetRank(m_initial.m_nInitialRank[SlotIndex(f, s)]);
            SetFaceFromDeck(slot);
        }
    }
    RecordStartPosition();
}

void CQuenlowDoc::OnUpdateStartOver(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_initial.m_bInitialValid && m_bInProgress);
}
