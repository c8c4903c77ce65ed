#include "QuenlowDoc.h"

#include "GameDialogs.h"
#include "View.h"
#include "resource.h"

const char* const kSettingsKey = "Software\\Halvane\\Quenlow\\1.0";

namespace {
struct CFoundationLayout {
    int nEmptyBitmapId;
    CRect rc;
};

// The foundations in pile order, in one column at the right of the fans.
const CFoundationLayout kFoundationLayout[kFoundationCount] = {
    {IDB_EMPTY_HEARTS, CRect(522, 18, 582, 100)},
    {IDB_EMPTY_CLUBS, CRect(522, 111, 582, 193)},
    {IDB_EMPTY_DIAMONDS, CRect(522, 204, 582, 286)},
    {IDB_EMPTY_SPADES, CRect(522, 297, 582, 379)},
};

const CCmdEntry<CQuenlowDoc> kDocCommands[] = {
    {ID_EDIT_UNDO, &CQuenlowDoc::OnEditUndo, &CQuenlowDoc::OnUpdateEditUndo},
    {ID_START_OVER, &CQuenlowDoc::OnStartOver, &CQuenlowDoc::OnUpdateStartOver},
    {ID_SCORES, &CQuenlowDoc::OnScores, nullptr},
    {ID_KINGS, &CQuenlowDoc::OnKings, &CQuenlowDoc::OnUpdateKings},
};
} // namespace

CQuenlowDoc::CQuenlowDoc(IPlatform& platform) : m_platform(platform) {
    m_pDeck = std::make_unique<CDeck>();
    m_pDeck->LoadFaces(m_platform);
    m_bInProgress = m_bChanged = m_bDealPending = FALSE;
    m_nHistory = 0;
    for (int i = 0; i < kFoundationCount; ++i) {
        CFoundation& foundation = m_foundation[i];
        foundation.m_nPile = kFanCount + i;
        foundation.m_nSuit = kFoundationSuitsByPile[i];
        foundation.m_bmEmpty.LoadBitmap(m_platform, kFoundationLayout[i].nEmptyBitmapId);
        foundation.m_rc = kFoundationLayout[i].rc;
    }
    LoadState();
}

CQuenlowDoc::~CQuenlowDoc() {
    SaveState();
}

BOOL CQuenlowDoc::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return DispatchCmdMsg(this, kDocCommands, nID, pCmdUI) || CDocument::OnCmdMsg(nID, pCmdUI);
}

BOOL CQuenlowDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return FALSE;
    if (m_bInProgress) {
        CNewGameDlg dlg;
        // A dialog that cannot be shown counts as Cancel: the game in play stays as it was.
        if (dlg.DoModal(m_platform) != kIdOk) return FALSE;
        CountLoss();
        Deal();
        SaveStateNow();
        return TRUE;
    }
    if (m_saved.m_bSavedGame != 0 && m_saved.m_bSavedInProgress != 0) {
        RestoreSavedGame();
        return TRUE;
    }
    Deal();
    return TRUE;
}

void CQuenlowDoc::ClearFoundations() {
    for (CFoundation& foundation : m_foundation) {
        foundation.m_card.Clear();
        foundation.m_card.SetSuit(foundation.m_nSuit);
    }
}

void CQuenlowDoc::RecordStartPosition() {
    LayoutFans();
    m_nHistory = 0;
    RecordHistory();
    UpdateAllViews(nullptr);
    if (m_bInProgress) m_bChanged = TRUE;
}

void CQuenlowDoc::Deal() {
    m_bInProgress = TRUE;
    m_bTableFromThisRun = TRUE;
    ClearFoundations();
    m_pDeck->Shuffle(m_platform.GetTimeSeconds());
    for (int k = 0; k < kCardCount; ++k) {
        const CSlotPlace place = DealtSlot(k);
        CCard& slot = m_fan[place.nFan][place.nSlot];
        if (const CCard* pCard = m_pDeck->NextCard())
            slot = *pCard;
        else
            slot.Clear();
    }
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s) {
            if (!IsDealtSlot(f, s)) m_fan[f][s].Clear();
            // An undealt slot is recorded as it was cleared: suit 0, rank 0.
            m_initial.m_nInitialSuit[SlotIndex(f, s)] = m_fan[f][s].GetSuit();
            m_initial.m_nInitialRank[SlotIndex(f, s)] = m_fan[f][s].GetRank();
        }
    }
    m_initial.m_bInitialValid = TRUE;
    RecordStartPosition();
    m_bDealPending = TRUE;
}

void CQuenlowDoc::RestoreSavedGame() {
    m_saved.m_bSavedGame = 0;
    m_bInProgress = m_saved.m_bSavedInProgress;
    m_bTableFromThisRun = TRUE;
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s) {
            CCard& slot = m_fan[f][s];
            slot.SetSuit(m_saved.m_nSavedSuit[SlotIndex(f, s)]);
            slot.SetRank(m_saved.m_nSavedRank[SlotIndex(f, s)]);
            SetFaceFromDeck(slot);
        }
    }
    for (int i = 0; i < kFoundationCount; ++i) {
        CCard& card = FoundationOfSuit(kSavedFoundationSuits[i]).m_card;
        card.SetSuit(m_saved.m_nSavedFoundation[i][0]);
        card.SetRank(m_saved.m_nSavedFoundation[i][1]);
        SetFaceFromDeck(card);
    }
    for (CFoundation& foundation : m_foundation) {
        if (!foundation.m_card.HasCard()) {
            foundation.m_card.SetSuit(foundation.m_nSuit);
            foundation.m_card.SetRank(0);
        }
    }
    m_bDealPending = FALSE;
    RecordStartPosition();
}

int CQuenlowDoc::FixUpKings(const KingExchangeHandler& onExchange) {
    const int nExchanges = ::FixUpKings(m_fan, onExchange);
    LayoutFans();
    return nExchanges;
}

void CQuenlowDoc::SetFaceFromDeck(CCard& card) {
    card.SetFace(m_pDeck->GetFaceBitmap(card.GetSuit(), card.GetRank() - 1));
}

void CQuenlowDoc::OnIdleUpdate() {
    if (m_bDealPending) {
        m_bDealPending = FALSE;
        if (auto* pAnimation = dynamic_cast<IDealAnimation*>(GetFirstView()))
            pAnimation->AnimateDeal();
    }
    if (m_bInProgress && m_bChanged) {
        m_bChanged = FALSE;
        RecordHistory();
        SaveStateNow();
        CheckGameOver();
    } else {
        m_bChanged = FALSE;
    }
}

void CQuenlowDoc::InvalidateInViews(const CRect& rc, BOOL bErase) {
    for (CView* pView : GetViews())
        m_platform.InvalidateRect(pView->GetSafeHwnd(), &rc, bErase);
}
