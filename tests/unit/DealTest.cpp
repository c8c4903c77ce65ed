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
    EXPECT_TRUE(m_pDoc->m_bInProgress);
    EXPECT_TRUE(m_pDoc->m_bDealPending);
    EXPECT_TRUE(m_pDoc->m_bChanged);
    EXPECT_EQ(m_pDoc->m_nLosses, 0);
    EXPECT_EQ(m_pDoc->m_nHistory, 1);
    EXPECT_TRUE(m_platform.m_dialogLog.empty()) << "no confirmation without a game in play";
    ExpectAllCardsOnce();
}

TEST_F(DealTest, FansTakeTheDeckTwoCardsAtATimeThenTheThirdCards) {
    const CDeck& deck = *m_pDoc->m_pDeck;
    const CDeal deal = DealFromSeed(1);
    for (int f = 0; f < 18; ++f) {
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(m_pDoc->m_fan[f][s].GetRank(), deal.m_fan[f][s].GetRank()) << "the pure deal";
            EXPECT_EQ(m_pDoc->m_fan[f][s].GetSuit(), deal.m_fan[f][s].GetSuit());
        }
        EXPECT_EQ(m_pDoc->m_fan[f][0].GetFace(), deck.GetCardAt(2 * f)->GetFace());
        EXPECT_EQ(m_pDoc->m_fan[f][1].GetFace(), deck.GetCardAt(2 * f + 1)->GetFace());
        if (f < 16) {
            EXPECT_EQ(m_pDoc->m_fan[f][2].GetFace(), deck.GetCardAt(36 + f)->GetFace());
        }
        EXPECT_EQ(m_pDoc->GetCardCount(f), f < 16 ? 3 : 2);
    }
    EXPECT_EQ(Fan(0), "3C KD 4S") << "seed 1";
    for (int p = kPileHearts; p <= kPileSpades; ++p)
        EXPECT_FALSE(m_pDoc->GetFoundation(p).m_card.HasCard());
    EXPECT_EQ(m_pDoc->GetFoundation(kPileHearts).m_card.GetSuit(), kHearts);
    EXPECT_EQ(m_pDoc->GetFoundation(kPileSpades).m_card.GetSuit(), kSpades);
}

TEST_F(DealTest, TheInitialLayoutRecordHoldsTheDealWithTwoZeroSlots) {
    const CInitialRecord& init = m_pDoc->m_initial;
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
    EXPECT_EQ(m_pDoc->m_rcFanTop[0], CRect(30, 42, 90, 124));
    EXPECT_EQ(m_pDoc->m_rcFanTop[16], CRect(356, 276, 416, 358));
}

TEST_F(DealTest, TopAndUnderFaces) {
    SetTable({"5H", "", "2C 3D 4S"});
    EXPECT_EQ(m_pDoc->GetUnderFace(0), nullptr);
    EXPECT_EQ(m_pDoc->GetTopFace(0), m_pDoc->m_fan[0][0].GetFace());
    EXPECT_EQ(m_pDoc->GetTopFace(1), nullptr);
    EXPECT_EQ(m_pDoc->m_rcFanTop[1], CRect(0, 0, 0, 0));
    EXPECT_EQ(m_pDoc->GetUnderFace(2), m_pDoc->m_fan[2][1].GetFace());
    EXPECT_EQ(m_pDoc->GetTopFace(kPileHearts), nullptr);
    EXPECT_FALSE(m_pDoc->GetTopCard(kPileClubs).HasCard());
}

TEST_F(DealTest, TheIdleStepAnimatesOnceThenRecordsTheFixedUpLayout) {
    Idle();
    EXPECT_EQ(m_pView->m_nAnimations, 1);
    EXPECT_FALSE(m_pDoc->m_bDealPending);
    EXPECT_FALSE(m_pDoc->m_bChanged);
    EXPECT_EQ(m_pDoc->m_nHistory, 2);
    Idle();
    EXPECT_EQ(m_pView->m_nAnimations, 1);
    EXPECT_EQ(m_pDoc->m_nHistory, 2) << "an idle step without a change records nothing";
}

TEST(KingFixupTest, AKingInSlotTwoAboveItsSuitInSlotZeroSinksInTwoPasses) {
    CHeadlessPlatform platform;
    CQuenlowDoc doc(platform);
    doc.m_pDeck->Reset();
    auto put = [&](int f, int s, const char* code) {
        int nSuit = 0, nRank = 0;
        ParseCardCode(code, nSuit, nRank);
        doc.m_fan[f][s].SetSuit(nSuit);
        doc.m_fan[f][s].SetRank(nRank);
        doc.SetFaceFromDeck(doc.m_fan[f][s]);
    };
    put(3, 0, "5H");
    put(3, 1, "2C");
    put(3, 2, "KH");
    put(16, 0, "9S");
    put(16, 1, "KS");
    put(5, 0, "KD");
    put(5, 1, "4D"); // a King already beneath its suit stays
    std::vector<std::pair<int, int>> exchanges;
    int n = FixUpKings(doc.m_fan, [&](int f, int s) { exchanges.emplace_back(f, s); });
    EXPECT_EQ(n, 3);
    std::vector<std::pair<int, int>> expected = {{16, 0}, {3, 1}, {3, 0}};
    EXPECT_EQ(exchanges, expected);
    EXPECT_EQ(CardCode(doc.m_fan[3][0].GetSuit(), doc.m_fan[3][0].GetRank()), "KH");
    EXPECT_EQ(CardCode(doc.m_fan[3][1].GetSuit(), doc.m_fan[3][1].GetRank()), "5H");
    EXPECT_EQ(CardCode(doc.m_fan[3][2].GetSuit(), doc.m_fan[3][2].GetRank()), "2C");
    EXPECT_EQ(CardCode(doc.m_fan[16][0].GetSuit(), doc.m_fan[16][0].GetRank()), "KS");
    EXPECT_EQ(doc.m_fan[5][0].GetRank(), kKing);
    EXPECT_EQ(FixUpKings(doc.m_fan, nullptr), 0) << "a second run finds nothing to do";
}

TEST(KingFixupTest, TwoKingsInOneFanEndBelowTheirOwnSuitsWhereTheyCan) {
    CHeadlessPlatform platform;
    CQuenlowDoc doc(platform);
    const char* codes[3] = {"5S", "KH", "KS"};
    for (int s = 0; s < 3; ++s) {
        int nSuit = 0, nRank = 0;
        ParseCardCode(codes[s], nSuit, nRank);
        doc.m_fan[0][s].SetSuit(nSuit);
        doc.m_fan[0][s].SetRank(nRank);
        doc.SetFaceFromDeck(doc.m_fan[0][s]);
    }
    FixUpKings(doc.m_fan, nullptr);
    EXPECT_EQ(doc.m_fan[0][0].GetRank(), kKing);
    EXPECT_EQ(doc.m_fan[0][0].GetSuit(), kSpades);
    EXPECT_EQ(doc.m_fan[0][1].GetRank(), 5);
    EXPECT_EQ(doc.m_fan[0][2].GetSuit(), kHearts);
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
