#include "ModelTestSupport.h"

#include "resource.h"

namespace {
class DealTest : public ModelTest {
protected:
    void SetUp() override {
        MakeDoc(1);
        ASSERT_TRUE(m_pDoc->OnNewDocument());
    }
};

CRect Rect(const CQuenlowDoc& doc, int nPile, int nSlot) {
    CRect rc;
    doc.GetCardRect(nPile, nSlot, rc);
    return rc;
}
} // namespace

TEST_F(DealTest, FirstStartWithNoSavedStateDealsAFreshGame) {
    EXPECT_TRUE(m_pDoc->IsInProgress());
    EXPECT_TRUE(m_pDoc->IsDealPending());
    EXPECT_TRUE(m_pDoc->IsChanged());
    EXPECT_EQ(m_pDoc->GetLosses(), 0);
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 1);
    EXPECT_TRUE(m_platform.m_dialogLog.empty()) << "no confirmation without a game in play";
    ExpectAllCardsOnce();
}

TEST_F(DealTest, FansTakeTheDeckTwoCardsAtATimeThenTheThirdCards) {
    const CDeal deal = DealFromSeed(1);
    for (int f = 0; f < 18; ++f) {
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(m_pDoc->GetCard(f, s).GetRank(), deal.m_fan[f][s].GetRank())
                << "the pure deal";
            EXPECT_EQ(m_pDoc->GetCard(f, s).GetSuit(), deal.m_fan[f][s].GetSuit());
        }
        for (int s = 0; s < 3; ++s) {
            CCard card = m_pDoc->GetCard(f, s);
            if (card.HasCard()) m_pDoc->SetFaceFromDeck(card);
            EXPECT_EQ(m_pDoc->GetCard(f, s).GetFace(), card.GetFace()) << "each card its face";
        }
        EXPECT_EQ(m_pDoc->GetCardCount(f), f < 16 ? 3 : 2);
    }
    EXPECT_EQ(Fan(0), "3C KD 4S") << "seed 1";
    for (int p = kPileHearts; p <= kPileSpades; ++p)
        EXPECT_FALSE(m_pDoc->GetTopCard(p).HasCard());
    EXPECT_EQ(m_pDoc->GetTopCard(kPileHearts).GetSuit(), kHearts);
    EXPECT_EQ(m_pDoc->GetTopCard(kPileSpades).GetSuit(), kSpades);
}

TEST_F(DealTest, TheInitialLayoutRecordHoldsTheDealWithTwoZeroSlots) {
    const CInitialRecord& init = m_pDoc->GetInitialRecord();
    EXPECT_EQ(init.m_bInitialValid, 1);
    EXPECT_TRUE(init.IsProperDeal());
    for (int i : {50, 53}) {
        EXPECT_EQ(init.m_nInitialSuit[i], 0);
        EXPECT_EQ(init.m_nInitialRank[i], 0);
    }
    EXPECT_EQ(CardCode(init.m_nInitialSuit[0], init.m_nInitialRank[0]), "3C");
    EXPECT_EQ(CardCode(init.m_nInitialSuit[2], init.m_nInitialRank[2]), "4S");
}

TEST_F(DealTest, GeometryOfSlotsFoundationsAndFanTops) {
    EXPECT_EQ(Rect(*m_pDoc, 0, 0), CRect(10, 14, 70, 96));
    EXPECT_EQ(Rect(*m_pDoc, 17, 2), CRect(450, 290, 510, 372));
    EXPECT_EQ(Rect(*m_pDoc, 6, 1), CRect(20, 152, 80, 234));
    EXPECT_EQ(Rect(*m_pDoc, 20, 2), CRect(522, 204, 582, 286));
    EXPECT_EQ(Rect(*m_pDoc, 18, 0), CRect(522, 18, 582, 100));
    EXPECT_EQ(Rect(*m_pDoc, 19, 7), CRect(522, 111, 582, 193));
    EXPECT_EQ(Rect(*m_pDoc, 21, 0), CRect(522, 297, 582, 379));
    EXPECT_EQ(m_pDoc->GetTopCardRect(0), CRect(30, 42, 90, 124));
    EXPECT_EQ(m_pDoc->GetTopCardRect(16), CRect(356, 276, 416, 358));
}

TEST_F(DealTest, TopAndUnderFaces) {
    SetTable({"5H", "", "2C 3D 4S"});
    EXPECT_EQ(m_pDoc->GetUnderFace(0), nullptr);
    EXPECT_EQ(m_pDoc->GetTopFace(0), m_pDoc->GetCard(0, 0).GetFace());
    EXPECT_EQ(m_pDoc->GetTopFace(1), nullptr);
    EXPECT_EQ(m_pDoc->GetTopCardRect(1), CRect(0, 0, 0, 0));
    EXPECT_EQ(m_pDoc->GetUnderFace(2), m_pDoc->GetCard(2, 1).GetFace());
    EXPECT_EQ(m_pDoc->GetTopFace(kPileHearts), nullptr);
    EXPECT_FALSE(m_pDoc->GetTopCard(kPileClubs).HasCard());
}

TEST_F(DealTest, TheIdleStepAnimatesOnceThenRecordsTheFixedUpLayout) {
    Idle();
    EXPECT_EQ(m_pView->m_nAnimations, 1);
    EXPECT_FALSE(m_pDoc->IsDealPending());
    EXPECT_FALSE(m_pDoc->IsChanged());
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 2);
    Idle();
    EXPECT_EQ(m_pView->m_nAnimations, 1);
    EXPECT_EQ(m_pDoc->GetHistoryCount(), 2) << "an idle step without a change records nothing";
}

TEST(KingFixupTest, AKingInSlotTwoAboveItsSuitInSlotZeroSinksInTwoPasses) {
    CHeadlessPlatform platform;
    CQuenlowDoc doc(platform);
    std::vector<std::string> fans(kFanCount);
    fans[3] = "5H 2C KH";
    fans[16] = "9S KS";
    fans[5] = "KD 4D"; // a King already beneath its suit stays
    SetTableByCodes(doc, fans);
    std::vector<std::pair<int, int>> exchanges;
    int n = doc.FixUpKings([&](int f, int s) { exchanges.emplace_back(f, s); });
    EXPECT_EQ(n, 3);
    std::vector<std::pair<int, int>> expected = {{16, 0}, {3, 1}, {3, 0}};
    EXPECT_EQ(exchanges, expected);
    EXPECT_EQ(FanCodes(doc, 3), "KH 5H 2C");
    EXPECT_EQ(FanCodes(doc, 16), "KS 9S");
    EXPECT_EQ(FanCodes(doc, 5), "KD 4D");
    EXPECT_EQ(doc.FixUpKings(nullptr), 0) << "a second run finds nothing to do";
}

TEST(KingFixupTest, TwoKingsInOneFanEndBelowTheirOwnSuitsWhereTheyCan) {
    CHeadlessPlatform platform;
    CQuenlowDoc doc(platform);
    SetTableByCodes(doc, {"5S KH KS"});
    doc.FixUpKings(nullptr);
    EXPECT_EQ(FanCodes(doc, 0), "KS 5S KH");
}

TEST(KingFixupTest, AfterAnyDealNoKingLiesAboveACardOfItsSuit) {
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        CDeal deal = DealFromSeed(seed);
        FixUpKings(deal.m_fan, nullptr);
        for (int f = 0; f < kFanCount; ++f)
            for (int hi = 1; hi < 3; ++hi)
                for (int lo = 0; lo < hi; ++lo) {
                    const CDealtCard& k = deal.m_fan[f][hi];
                    const CDealtCard& c = deal.m_fan[f][lo];
                    ASSERT_FALSE(k.HasCard() && k.GetRank() == kKing && c.GetSuit() == k.GetSuit())
                        << "seed " << seed << " fan " << f;
                }
    }
}
