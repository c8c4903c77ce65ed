// The one document: the whole state of the game, its rules, undo, scores and saved state.
#pragma once

#include "Card.h"
#include "Deck.h"
#include "Document.h"
#include "KingFixup.h"
#include "Platform.h"
#include "SavedRecords.h"

#include <string>

// Pile numbers: fans 0 to 17, then the foundations top to bottom on the table.
constexpr int kPileHearts = 18;
constexpr int kPileClubs = 19;
constexpr int kPileDiamonds = 20;
constexpr int kPileSpades = 21;
constexpr int kPileCount = 22;
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

// One whole table: the 54 fan slots, then the Hearts, Diamonds, Spades and Clubs foundations.
struct CTableSnapshot {
    CCard m_card[kSlotCount + 4];
};
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
    CCard GetTopCard(int nFan) const;
    CBitmap* GetTopFace(int nFan) const;
    CBitmap* GetUnderFace(int nFan) const;
    // The foundation of a pile number 18 to 21: its card record, rectangle and empty marker.
    const CCard& GetFoundation(int nPile) const;
    const CRect& GetFoundationRect(int nPile) const;
    CBitmap& GetEmptyFoundationBitmap(int nPile);
    static int FoundationPileOfSuit(int nSuit);

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

    IPlatform& m_platform;
    RegKey m_hKey = 0;
    CSavedGameRecord m_saved;
    int m_nWins = 0;
    int m_nLosses = 0;
    CInitialRecord m_initial;
    BOOL m_bDealPending = FALSE;
    int m_nHistory = 0;
    CRect m_rcFoundation[4]; // Spades, Clubs, Hearts, Diamonds
    BOOL m_bChanged = FALSE;
    CRect m_rcFanTop[kFanCount];
    CBitmap m_bmEmptyFoundation[4]; // Spades, Clubs, Diamonds, Hearts
    CCard m_fan[kFanCount][kFanSlots];
    CCard m_foundation[4]; // Clubs, Diamonds, Spades, Hearts
    BOOL m_bInProgress = FALSE;
    CDeck* m_pDeck = nullptr;
    BOOL m_bKingsAllowed = FALSE;
    // A deal or a restore happened in this run, so the table is the game's to save. A run that
    // opened a file and never dealt leaves the game saved at the last exit as it was.
    BOOL m_bTableFromThisRun = FALSE;

private:
    static int FoundationIndex(int nPile); // index into m_foundation
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
