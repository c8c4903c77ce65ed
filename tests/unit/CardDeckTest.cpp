#include "ModelTestSupport.h"

#include <set>

namespace {
std::string CodeAt(const CDeck& deck, int k) {
    const CCard* pCard = deck.GetCardAt(k);
    return CardCode(pCard->GetSuit(), pCard->GetRank());
}
} // namespace

TEST(CardTest, SettersIgnoreValuesOutOfRange) {
    CCard card;
    EXPECT_EQ(card.SetRank(7), 7);
    EXPECT_EQ(card.SetRank(14), 14);
    EXPECT_EQ(card.GetRank(), 7);
    card.SetRank(-2);
    EXPECT_EQ(card.GetRank(), 7);
    card.SetRank(-1);
    EXPECT_EQ(card.GetRank(), -1);
    card.SetSuit(3);
    card.SetSuit(4);
    EXPECT_EQ(card.GetSuit(), 3);
    card.SetSuit(-1);
    EXPECT_EQ(card.GetSuit(), -1);
}

TEST(CardTest, AClearedRecordHoldsNoCardWhateverItsRank) {
    CCard card;
    EXPECT_FALSE(card.HasCard());
    card.SetRank(5);
    EXPECT_FALSE(card.HasCard()) << "only the face says whether a place holds a card";
    CBitmap bm;
    card.SetFace(&bm);
    EXPECT_TRUE(card.HasCard());
    card.Clear();
    EXPECT_EQ(card.GetRank(), 0);
    EXPECT_EQ(card.GetSuit(), 0);
    EXPECT_EQ(card.GetFace(), nullptr);
}

TEST(CardTest, NamesAndCodes) {
    EXPECT_STREQ(RankName(0), "Blank");
    EXPECT_STREQ(RankName(12), "Queen");
    EXPECT_EQ(RankName(14), nullptr);
    EXPECT_STREQ(SuitName(3), "Diamonds");
    EXPECT_EQ(SuitName(-1), nullptr);
    EXPECT_EQ(CardCode(kHearts, kQueen), "QH");
    EXPECT_EQ(CardCode(kClubs, 10), "TC");
    EXPECT_EQ(CardCode(kClubs, 0), "--");
    int nSuit = -1, nRank = -1;
    EXPECT_TRUE(ParseCardCode("AS", nSuit, nRank));
    EXPECT_EQ(nSuit, kSpades);
    EXPECT_EQ(nRank, kAce);
    EXPECT_FALSE(ParseCardCode("1S", nSuit, nRank));
    EXPECT_FALSE(ParseCardCode("AX", nSuit, nRank));
    EXPECT_FALSE(ParseCardCode("ASX", nSuit, nRank));
    EXPECT_FALSE(ParseCardCode(std::string("A\0", 2), nSuit, nRank));
}

TEST(ShuffleRandomTest, SeedOneGivesTheKnownSequence) {
    CShuffleRandom random;
    random.Seed(1);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);
    EXPECT_EQ(random.Next(), 6334);
}

class DeckTest : public ::testing::Test {
protected:
    void SetUp() override { m_deck.LoadFaces(m_platform); }
    CHeadlessPlatform m_platform;
    CDeck m_deck;
};

TEST_F(DeckTest, ResetIsSuitMajorWithTheFaceOfEachCard) {
    m_deck.Reset();
    EXPECT_EQ(CodeAt(m_deck, 0), "AC");
    EXPECT_EQ(CodeAt(m_deck, 13), "AH");
    EXPECT_EQ(CodeAt(m_deck, 51), "KD");
    EXPECT_EQ(m_platform.ResourceIdOf(m_deck.GetCardAt(0)->GetFace()->GetSafeHandle()), 245);
    EXPECT_EQ(m_platform.ResourceIdOf(m_deck.GetCardAt(13)->GetFace()->GetSafeHandle()), 205);
    EXPECT_EQ(m_platform.ResourceIdOf(m_deck.GetCardAt(51)->GetFace()->GetSafeHandle()), 244);
}

TEST_F(DeckTest, EveryCardFindsItsFaceAndNoneAsksFor206) {
    std::set<int> ids;
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 13; ++r)
            ids.insert(m_platform.ResourceIdOf(m_deck.GetFaceBitmap(s, r)->GetSafeHandle()));
    EXPECT_EQ(ids.size(), 52u);
    EXPECT_EQ(ids.count(206), 0u);
    EXPECT_EQ(ids.count(-1), 0u);
    EXPECT_EQ(*ids.begin(), 205);
    EXPECT_EQ(*ids.rbegin(), 257);
}

TEST_F(DeckTest, FaceLookupOutsideTheDeckIsNull) {
    EXPECT_EQ(m_platform.ResourceIdOf(m_deck.GetFaceBitmap(0, 12)->GetSafeHandle()), 257);
    EXPECT_EQ(m_deck.GetFaceBitmap(1, -1), nullptr);
    EXPECT_EQ(m_deck.GetFaceBitmap(4, 0), nullptr);
    EXPECT_EQ(m_deck.GetFaceBitmap(-1, -2), nullptr);
    EXPECT_EQ(m_deck.GetFaceBitmap(0, 13), nullptr);
}

TEST_F(DeckTest, NextCardHandsOutTheDeckInOrderThenNull) {
    m_deck.Reset();
    for (int k = 0; k < 52; ++k)
        EXPECT_EQ(m_deck.NextCard(), m_deck.GetCardAt(k));
    EXPECT_EQ(m_deck.NextCard(), nullptr);
    EXPECT_EQ(m_deck.NextCard(), nullptr);
}

TEST_F(DeckTest, ShuffleSeededWithOneGivesTheKnownOrder) {
    m_deck.Shuffle(1);
    EXPECT_EQ(CodeAt(m_deck, 0), "3C");
    EXPECT_EQ(CodeAt(m_deck, 1), "KD");
    EXPECT_EQ(CodeAt(m_deck, 2), "9D");
    EXPECT_EQ(CodeAt(m_deck, 3), "3H");
    EXPECT_EQ(CodeAt(m_deck, 36), "4S");
    EXPECT_EQ(CodeAt(m_deck, 51), "5H");
    EXPECT_EQ(m_deck.m_nNext, 0);
}

TEST_F(DeckTest, TheDeckTakesTheOrderOfThePureShuffle) {
    for (std::uint32_t seed : {1234567u, 1234567u, 0u}) {
        m_deck.Shuffle(seed);
        const CDeckOrder order = ShuffledDeck(seed);
        for (int k = 0; k < 52; ++k)
            EXPECT_EQ(CodeAt(m_deck, k), CardCode(order[k] / 13, order[k] % 13 + 1)) << seed;
    }
}

TEST_F(DeckTest, EveryShuffleLeavesEachCardOnceWithItsOwnFace) {
    for (std::uint32_t seed : {0u, 1u, 2u, 99u, 65535u, 0x7fffffffu, 0xffffffffu}) {
        m_deck.Shuffle(seed);
        std::set<std::string> codes;
        for (int k = 0; k < 52; ++k) {
            const CCard* pCard = m_deck.GetCardAt(k);
            codes.insert(CodeAt(m_deck, k));
            EXPECT_EQ(pCard->GetFace(),
                      m_deck.GetFaceBitmap(pCard->GetSuit(), pCard->GetRank() - 1));
        }
        EXPECT_EQ(codes.size(), 52u) << "seed " << seed;
    }
}

TEST(DeckMissingArtTest, AFaceThatCannotBeLoadedStillCountsAsACard) {
    CHeadlessPlatform platform;
    platform.RemoveBitmapResource(245);
    CDeck deck;
    deck.LoadFaces(platform);
    CBitmap* pFace = deck.GetFaceBitmap(kClubs, 0);
    ASSERT_NE(pFace, nullptr);
    EXPECT_EQ(pFace->GetSafeHandle(), 0u);
}
