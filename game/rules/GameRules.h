// The shape of the table and the rules that the document, the view, the King fix-up, the tools
// and the solver share: the fans and their slots, the order of the deal, the foundations' piles
// and suits, and where a card may land.
#pragma once

#include "CardValues.h"

// Eighteen fans of up to three cards in three rows of six; slot 0 is a fan's bottom card.
constexpr int kFanCount = 18;
constexpr int kFanSlots = 3;
constexpr int kFanColumns = 6;
constexpr int kSlotCount = kFanCount * kFanSlots;

// Slot s of fan f in a table of all slots, as the saved records and the snapshots keep them.
constexpr int SlotIndex(int nFan, int nSlot) {
    return kFanSlots * nFan + nSlot;
}

// The deal: two slots across the 18 fans, then a third slot on the first 16 of them.
constexpr int kFansDealtThree = 16;

constexpr bool IsDealtSlot(int nFan, int nSlot) {
    return nSlot < 2 || nFan < kFansDealtThree;
}

struct CSlotPlace {
    int nFan;
    int nSlot;
};

// Where the card at deck position k (0 to 51) is dealt: the first 36 cards go two at a time to
// fans 0 to 17, the last 16 become the third cards of fans 0 to 15.
constexpr CSlotPlace DealtSlot(int nPosition) {
    return nPosition < 2 * kFanCount ? CSlotPlace{nPosition / 2, nPosition % 2}
                                     : CSlotPlace{nPosition - 2 * kFanCount, 2};
}

// Pile numbers: fans 0 to 17, then the four foundations top to bottom on the table.
constexpr int kPileHearts = 18;
constexpr int kPileClubs = 19;
constexpr int kPileDiamonds = 20;
constexpr int kPileSpades = 21;
constexpr int kPileCount = 22;
constexpr int kFoundationCount = kPileCount - kFanCount;

constexpr bool IsFoundationPile(int nPile) {
    return nPile >= kFanCount && nPile < kPileCount;
}

// The suit each foundation takes, in pile order.
constexpr int kFoundationSuitsByPile[kFoundationCount] = {kHearts, kClubs, kDiamonds, kSpades};

constexpr int FoundationPileOfSuit(int nSuit) {
    for (int i = 0; i < kFoundationCount; ++i)
        if (kFoundationSuitsByPile[i] == nSuit) return kFanCount + i;
    return -1;
}

// Ranks one apart, whatever the suits; Kings never wrap to Aces.
constexpr bool AreNeighbours(int nRankA, int nRankB) {
    return nRankA == nRankB + 1 || nRankA == nRankB - 1;
}

// Where a card may land. A fan with room (fewer than kFanSlots cards) takes a card one rank
// above or below its top card (nTopRank; 0 for an empty fan); an empty fan takes only a King,
// and only while Kings are allowed there.
constexpr bool FanHasRoom(int nCount) {
    return nCount < kFanSlots;
}

constexpr bool FitsOnFan(int nRank, int nTopRank, bool bKingsAllowed) {
    return nTopRank != 0 ? AreNeighbours(nRank, nTopRank) : bKingsAllowed && nRank == kKing;
}

// A foundation of the card's own suit takes the next rank up (nTopRank 0 while it is empty,
// so the Ace goes first).
constexpr bool FitsOnFoundation(int nRank, int nTopRank) {
    return nRank == nTopRank + 1;
}
