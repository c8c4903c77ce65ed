#include "QuenlowDoc.h"

#include "GameDialogs.h"
#include "View.h"
#include "resource.h"

const char* const kSettingsKey = "Software\\Halvane\\Quenlow\\1.0";

namespace {
const CCmdEntry<CQuenlowDoc> kDocCommands[] = {
    {ID_EDIT_UNDO, &CQuenlowDoc::OnEditUndo, &CQuenlowDoc::OnUpdateEditUndo},
    {ID_START_OVER, &CQuenlowDoc::OnStartOver, &CQuenlowDoc::OnUpdateStartOver},
    {ID_SCORES, &CQuenlowDoc::OnScores, nullptr},
    {ID_KINGS, &CQuenlowDoc::OnKings, &CQuenlowDoc::OnUpdateKings},
};
} // namespace

CQuenlowDoc::CQuenlowDoc(IPlatform& platform) : m_platform(platform) {
    m_pDeck = new CDeck();
    m_pDeck->LoadFaces(m_platform);
    m_bInProgress = m_bChanged = m_bDealPending = FALSE;
    m_nHistory = 0;
    // m_bmEmptyFoundation is indexed Spades, Clubs, Diamonds, Hearts.
    m_bmEmptyFoundation[1].LoadBitmap(m_platform, IDB_EMPTY_CLUBS);
    m_bmEmptyFoundation[3].LoadBitmap(m_platform, IDB_EMPTY_HEARTS);
    m_bmEmptyFoundation[0].LoadBitmap(m_platform, IDB_EMPTY_SPADES);
    m_bmEmptyFoundation[2].LoadBitmap(m_platform, IDB_EMPTY_DIAMONDS);
    m_rcFoundation[2] = CRect(522, 18, 582, 100);  // Hearts
    m_rcFoundation[1] = CRect(522, 111, 582, 193); // Clubs
    m_rcFoundation[3] = CRect(522, 204, 582, 286); // Diamonds
    m_rcFoundation[0] = CRect(522, 297, 582, 379); // Spades
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

namespace {
// m_foundation holds Clubs, Diamonds, Spades, Hearts.
const int kFoundationSuits[4] = {kClubs, kDiamonds, kSpades, kHearts};
} // namespace

void CQuenlowDoc::ClearFoundations() {
    for (int i = 0; i < 4; ++i) {
        m_foundation[i].Clear();
        m_foundation[i].SetSuit(kFoundationSuits[i]);
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
    m_pDeck->Reset();
    m_pDeck->Shuffle();
    auto dealInto = [this](int f, int s) {
        CCard& slot = m_fan[f][s];
        if (const CCard* pCard = m_pDeck->NextCard())
            slot = *pCard;
        else
            slot.Clear();
        m_initial.m_nInitialSuit[3 * f + s] = slot.GetSuit();
        m_initial.m_nInitialRank[3 * f + s] = slot.GetRank();
    };
    for (int f = 0; f < kFanCount; ++f) {
        dealInto(f, 0);
        dealInto(f, 1);
    }
    for (int f = 0; f < 16; ++f)
        dealInto(f, 2);
    for (int f = 16; f < kFanCount; ++f) {
        m_fan[f][2].Clear();
        m_initial.m_nInitialSuit[3 * f + 2] = 0;
        m_initial.m_nInitialRank[3 * f + 2] = 0;
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
            slot.SetSuit(m_saved.m_nSavedSuit[3 * f + s]);
            slot.SetRank(m_saved.m_nSavedRank[3 * f + s]);
            SetFaceFromDeck(slot);
        }
    }
    for (int i = 0; i < 4; ++i) {
        m_foundation[i].SetSuit(m_saved.m_nSavedFoundation[i][0]);
        m_foundation[i].SetRank(m_saved.m_nSavedFoundation[i][1]);
        SetFaceFromDeck(m_foundation[i]);
    }
    for (int i = 0; i < 4; ++i) {
        if (!m_foundation[i].HasCard()) {
            m_foundation[i].SetSuit(kFoundationSuits[i]);
            m_foundation[i].SetRank(0);
        }
    }
    m_bDealPending = FALSE;
    RecordStartPosition();
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
