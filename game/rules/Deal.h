// The deal of a seed as a pure function: the shuffle, the deck order it makes and the fans dealt
// from that deck. The game seeds it from the clock; the tools and the tests call it directly.
#pragma once

#include "GameRules.h"

#include <array>
#include <cstdint>

// The shuffle's generator: one 32-bit state, each draw yielding 15 bits.
class CShuffleRandom {
public:
    void Seed(std::uint32_t nSeed) { m_nState = nSeed; }
    int Next() {
        m_nState = m_nState * 214013u + 2531011u;
        return static_cast<int>((m_nState >> 16) & 0x7fff);
    }

private:
    std::uint32_t m_nState = 1;
};

// A card as the deck's canonical order numbers it: suit-major, suit × 13 + rank − 1.
constexpr int CardIndex(int nSuit, int nRank) {
    return nSuit * kRankCount + nRank - 1;
}

using CDeckOrder = std::array<int, kCardCount>;

// The canonical index of the card at each position of the deck after the shuffle of a seed;
// position 0 is dealt first.
CDeckOrder ShuffledDeck(std::uint32_t nSeed);

// One place of a dealt table: rank 0 where no card was dealt.
struct CDealtCard {
    int m_nSuit = 0;
    int m_nRank = 0;
    bool HasCard() const { return m_nRank != 0; }
    int GetSuit() const { return m_nSuit; }
    int GetRank() const { return m_nRank; }
};

struct CDeal {
    CDeckOrder m_nDeck = {};
    CDealtCard m_fan[kFanCount][kFanSlots]; // as dealt, before the King fix-up
};

// The fans dealt from a deck in the given order.
CDeal DealFromDeck(const CDeckOrder& deck);
CDeal DealFromSeed(std::uint32_t nSeed);
// The deck before any shuffle: suit-major, Ace to King.
CDeckOrder CanonicalDeck();
