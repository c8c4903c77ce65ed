// The one document: the whole state of the game, its rules, undo, scores and saved state.
#pragma once

#include "Card.h"
#include "Deck.h"
#include "Document.h"
#include "GameRules.h"
#include "KingFixup.h"
#include "Platform.h"
#include "SavedRecords.h"
#include "TableLayout.h"

#include <memory>

constexpr int kHistoryLimit = 200;

extern const char* const kSettingsKey; // under HKEY_CURRENT_USER

// The view that animates a fresh deal (the document asks its first view).
class IDealAnimation {
public:
    virtual ~IDealAnimation() = default;
    virtual void AnimateDeal() = 0;
};

// One whole table: the 54 fan slots, then the four foundations in the order of
// kSnapshotFoundationSuits.
struct CTableSnapshot {
    CCard m_card[kSlotCount + kFoundationCount];
};
extern const int kSnapshotFoundationSuits[kFoundationCount];
extern CTableSnapshot g_history[kHistoryLimit];

// The game's document. Callers read the table through its queries and change it only through
// its moves and commands; the fans' top-card rectangles follow every change.
class CQuenlowDoc : public CDocument {
public:
    explicit CQuenlowDoc(IPlatform& platform);
    ~CQuenlowDoc() override;

    BOOL OnNewDocument() override;
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;

    // The start of a game.
    void Deal();
    void RestoreSavedGame();
    // Runs the King fix-up on the fans as dealt; the deal animation shows each exchange.
    int FixUpKings(const KingExchangeHandler& onExchange);
    // Lays out a whole table, in play or ended; the undo history and the scores stay as they
    // are.
    void SetPosition(const CTableSnapshot& position, BOOL bInProgress);
    // A new starting position: a fresh undo history, a repaint, and the idle step to follow.
    void RecordStartPosition();
    void SetFaceFromDeck(CCard& card);
    void OnIdleUpdate();

    // The table. Piles are fans 0 to 17 and foundations 18 to 21 (GameRules.h).
    // Where the card at slot nSlot of a fan lies; a foundation's place for any slot.
    void GetCardRect(int nPile, int nSlot, CRect& rc) const;
    // The place the cards of a pile can cover: a fan's three slots, a foundation's card.
    CRect GetPileArea(int nPile) const;
    int GetCardCount(int nFan) const;
    // The card at a slot of a fan: no card (no face) above its top or outside the table.
    CCard GetCard(int nFan, int nSlot) const;
    // A fan's top card, or a foundation's: while a foundation is empty, rank 0 of its own suit
    // and no face.
    CCard GetTopCard(int nPile) const;
    CBitmap* GetTopFace(int nPile) const;
    CBitmap* GetUnderFace(int nFan) const;
    // The marker drawn on a foundation while it is empty.
    const CBitmap& GetEmptyFoundationFace(int nPile) const;
    // Where a fan's top card lies (empty for an empty fan), and the fan whose top card holds a
    // point (-1: none).
    const CRect& GetTopCardRect(int nFan) const;
    int FanWithTopCardAt(CPoint point) const;

    // Rules.
    BOOL CanMove(int nFrom, int nTo) const;
    BOOL MoveCard(int nFrom, int nTo);

    // The game's state.
    BOOL IsInProgress() const { return m_bInProgress; }
    // A change not yet taken by the idle step (recorded for undo and saved).
    BOOL IsChanged() const { return m_bChanged; }
    // A fresh deal the first view has not yet animated: its fans are not painted.
    BOOL IsDealPending() const { return m_bDealPending; }
    BOOL AreKingsAllowed() const { return m_bKingsAllowed; }
    int GetWins() const { return m_nWins; }
    int GetLosses() const { return m_nLosses; }
    // Positions in the undo history.
    int GetHistoryCount() const { return m_nHistory; }
    // The deal of the current game, which Start Over lays out again.
    const CInitialRecord& GetInitialRecord() const { return m_initial; }
    // A game saved at the last exit and not yet restored.
    bool HasSavedGame() const { return m_saved.m_bSavedGame != 0; }

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

private:
    // One foundation: its pile and suit, its place, the marker drawn while it is empty, and the
    // record of its top card (while empty: rank 0, its own suit and no face).
    struct CFoundation {
        int m_nPile = 0;
        int m_nSuit = 0;
        CRect m_rc;
        CBitmap m_bmEmpty;
        CCard m_card;
    };
    // The foundation of a pile number 18 to 21, or of a suit 0 to 3.
    CFoundation& GetFoundation(int nPile) { return m_foundation[nPile - kFanCount]; }
    const CFoundation& GetFoundation(int nPile) const { return m_foundation[nPile - kFanCount]; }
    CFoundation& FoundationOfSuit(int nSuit) { return GetFoundation(FoundationPileOfSuit(nSuit)); }
    const CFoundation& FoundationOfSuit(int nSuit) const {
        return GetFoundation(FoundationPileOfSuit(nSuit));
    }
    // Brings m_rcFanTop in line with the fans; every change of a fan ends with it.
    void LayoutFans();
    void ClearFoundations();
    void InvalidateInViews(const CRect& rc, BOOL bErase);
    void FillSavedGameRecord(CSavedGameRecord& record) const;
    // bRecordsFirst writes the table before the scores: a kill in between then loses a count
    // rather than bringing back an abandoned game whose loss was already counted.
    void WriteState(const CSavedGameRecord& game, bool bRecordsFirst);
    void CountWin();
    void CountLoss();

    IPlatform& m_platform;
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
    std::unique_ptr<CDeck> m_pDeck;
    BOOL m_bKingsAllowed = FALSE;
    // A deal or a restore happened in this run, so the table is the game's to save. A run that
    // opened a file and never dealt leaves the game saved at the last exit as it was.
    BOOL m_bTableFromThisRun = FALSE;
};
