#include "Deal.h"

#include <numeric>
#include <utility>

CDeckOrder CanonicalDeck() {
    CDeckOrder deck;
    std::iota(deck.begin(), deck.end(), 0);
    return deck;
}

CDeckOrder ShuffledDeck(std::uint32_t nSeed) {
    CDeckOrder deck = CanonicalDeck();
    CShuffleRandom random;
    random.Seed(nSeed);
    for (int i = 0; i < 1000; ++i) {
        int a = random.Next() & 255;
        int b = random.Next() & 255;
        if (a >= kCardCount) a = 0;
        if (b >= kCardCount) b = 1;
        std::swap(deck[a], deck[b]);
    }
    return deck;
}

CDeal DealFromSeed(std::uint32_t nSeed) {
    return DealFromDeck(ShuffledDeck(nSeed));
}

CDeal DealFromDeck(const CDeckOrder& deck) {
    CDeal deal;
    deal.m_nDeck = deck;
    for (int k = 0; k < kCardCount; ++k) {
        const CSlotPlace place = DealtSlot(k);
        CDealtCard& card = deal.m_fan[place.nFan][place.nSlot];
        card.m_nSuit = deal.m_nDeck[k] / kRankCount;
        card.m_nRank = deal.m_nDeck[k] % kRankCount + 1;
    }
    return deal;
}
