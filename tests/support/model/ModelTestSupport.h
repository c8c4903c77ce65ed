// A document on the headless platform, and ways to lay out a table by card codes.
#pragma once

#include "Deal.h"
#include "HeadlessPlatform.h"
#include "QuenlowDoc.h"
#include "View.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A view that only records repaint requests and runs the King fix-up when asked to animate.
class CStubView : public CView, public IDealAnimation {
public:
    explicit CStubView(CHeadlessPlatform& platform) : CView(platform) {}
    void OnDraw(IDrawContext&) override {}
    void AnimateDeal() override;
    int m_nAnimations = 0;
};

class ModelTest : public ::testing::Test {
protected:
    // A document as the program makes it at start-up: constructed, then its first view.
    void MakeDoc(std::uint32_t nTime = 1);
    // Fans by codes ("QH TC", "" for empty); foundations by their top codes ("3H").
    void SetTable(const std::vector<std::string>& fans, const std::vector<std::string>& tops = {},
                  BOOL bInProgress = TRUE);
    // Scores as a start finds them stored; a document already made reads its state again.
    void StoreScores(int nWins, int nLosses);
    // Codes of a fan's cards bottom to top, joined by blanks.
    std::string Fan(int f) const;
    // Runs the framework's idle pass.
    void Idle() { m_pDoc->OnIdleUpdate(); }
    // Destroys the document, which saves the state, as closing the program does.
    void CloseDoc();
    // Every card exactly once on the table (fans plus the runs below the foundation tops).
    void ExpectAllCardsOnce() const;

    CHeadlessPlatform m_platform;
    std::unique_ptr<CQuenlowDoc> m_pDoc;
    std::unique_ptr<CStubView> m_pView;
};

// The same layouts on any document: fans by codes, foundations by their top codes, a game in
// play unless told.
void SetTableByCodes(CQuenlowDoc& doc, const std::vector<std::string>& fans,
                     const std::vector<std::string>& tops = {}, BOOL bInProgress = TRUE);
// The table as it stands, with the game ended.
void EndGame(CQuenlowDoc& doc);
void StoreScores(CHeadlessPlatform& platform, int nWins, int nLosses);
std::string FanCodes(const CQuenlowDoc& doc, int f);

std::vector<std::uint8_t> StoredValue(const CHeadlessPlatform& platform, const char* name);
