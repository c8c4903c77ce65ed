// The one document: the whole state of the game, its rules, undo, scores and saved state.
#pragma once

#include "Card.h"
#include "Deck.h"
#include "Document.h"
#include "GameRules.h"
#include "KingFixup.h"
#include "Platform.h"
#include "SavedRecords.h"

#include <string>

constexpr int kHistoryLimit = 200;
constexpr int kCardWidth = 60;
constexpr int kCardHeight = 82;

extern const char* const kSettingsKey; // under HKEY_CURRENT_USER

// The view that animates a fresh deal (the document asks its first view).
class IDealAnimation {
public:
    virtual ~IDealAnimation() = default;
    virtual void AnimateDeal() = 0;
};

// One foundation: its pile and suit, its place, the marker drawn while it is empty, and the
// record of its top card (while empty: rank 0, its own suit and no face).
struct CFoundation {
    int m_nPile = 0;
    int m_nSuit = 0;
    CRect m_rc;
    CBitmap m_bmEmpty;
    CCard m_card;
};

// One whole table: the 54 fan slots, then the four foundations in the order of
// kSnapshotFoundationSuits.
struct CTableSnapshot {
    CCard m_card[kSlotCount + kFoundationCount];
};
extern const int kSnapshotFoundationSuits[kFoundationCount];
extern CTableSnapshot g_history[kHistoryLimit];

class CQuenlowDoc : public CDocument {
public:
    explicit CQuenlowDoc(IPlatform& platform);
    ~CQuenlowDoc() override;

    BOOL OnNewDocument() override;
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;

    // The start of a game.
    void Deal();
    void RestoreSavedGame();
    void SetFaceFromDeck(CCard& card);
    void OnIdleUpdate();

    // Geometry.
    void GetCardRect(int nPile, int nSlot, CRect& rc) const;
    void LayoutFans();
    int GetCardCount(int nFan) const;
    // A fan's top card, or a foundation's: while a foundation is empty, rank 0 of its own suit
    // and no face.
    CCard GetTopCard(int nPile) const;
    CBitmap* GetTopFace(int nFan) const;
    CBitmap* GetUnderFace(int nFan) const;
    // The card at a slot of a fan: no card (no face) above its top or outside the table.
    CCard GetCard(int nFan, int nSlot) const;
    // The place the cards of a pile can cover: a fan's three slots, a foundation's card.
    CRect GetPileArea(int nPile) const;
    // A change not yet taken by the idle step (recorded for undo and saved).
    BOOL IsChanged() const { return m_bChanged; }
    // The foundation of a pile number 18 to 21, or of a suit 0 to 3.
    CFoundation& GetFoundation(int nPile) { return m_foundation[nPile - kFanCount]; }
    const CFoundation& GetFoundation(int nPile) const { return m_foundation[nPile - kFanCount]; }
    CFoundation& FoundationOfSuit(int nSuit) { return GetFoundation(FoundationPileOfSuit(nSuit)); }
    const CFoundation& FoundationOfSuit(int nSuit) const {
        return GetFoundation(FoundationPileOfSuit(nSuit));
    }

    // Rules.
    BOOL CanMove(int nFrom, int nTo) const;
    BOOL MoveCard(int nFrom, int nTo);

    // Undo and Start Over.
    void RecordHistory();
    void RestoreHistory();

    // End of game and scores.
    void CheckGameOver();

    // Commands.
    void OnEditUndo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnStartOver();
    void OnUpdateStartOver(CCmdUI* pCmdUI);
    void OnScores();
    void OnKings();
    void OnUpdateKings(CCmdUI* pCmdUI);

    // Saved state.
    void LoadState();
    void SaveState();
    // Writes the four values from the table as it stands, leaving the document as it is: after
    // every recorded change, every change of the scores, and when the session ends, so that
    // nothing counted is lost if the program is killed.
    void SaveStateNow();
    void OnEndSession() override { SaveStateNow(); }

    IPlatform& m_platform;
    RegKey m_hKey = 0;
    CSavedGameRecord m_saved;
    int m_nWins = 0;
    int m_nLosses = 0;
    CInitialRecord m_initial;
    BOOL m_bDealPending = FALSE;
    int m_nHistory = 0;
    BOOL m_bChanged = FALSE;
    CRect m_rcFanTop[kFanCount];
    CCard m_fan[kFanCount][kFanSlots];
    // In pile order: Hearts, Clubs, Diamonds, Spades, top to bottom at the right of the table.
    CFoundation m_foundation[kFoundationCount];
    BOOL m_bInProgress = FALSE;
    CDeck* m_pDeck = nullptr;
    BOOL m_bKingsAllowed = FALSE;
    // A deal or a restore happened in this run, so the table is the game's to save. A run that
    // opened a file and never dealt leaves the game saved at the last exit as it was.
    BOOL m_bTableFromThisRun = FALSE;

private:
    void ClearFoundations();
    // A new starting position: a fresh undo history, a repaint, and the idle step to follow.
    void RecordStartPosition();
    void InvalidateInViews(const CRect& rc, BOOL bErase);
    void FillSavedGameRecord(CSavedGameRecord& record) const;
    // bRecordsFirst writes the table before the scores: a kill in between then loses a count
    // rather than bringing back an abandoned game whose loss was already counted.
    void WriteState(const CSavedGameRecord& game, bool bRecordsFirst);
    void CountWin();
    void CountLoss();
};
