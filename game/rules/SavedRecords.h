// The two tables kept in the settings store between runs, and their byte layouts: 32-bit
// signed integers, little-endian, no header.
#pragma once

#include "GameRules.h"

#include <cstdint>
#include <vector>

// The order of the foundation pairs in the "game" record: Clubs, Diamonds, Spades, Hearts.
constexpr int kSavedFoundationSuits[kFoundationCount] = {kClubs, kDiamonds, kSpades, kHearts};

// The position at exit ("game", 472 bytes).
struct CSavedGameRecord {
    std::int32_t m_bSavedGame = 0;
    std::int32_t m_bSavedInProgress = 0;
    std::int32_t m_nSavedSuit[kSlotCount] = {};
    std::int32_t m_nSavedRank[kSlotCount] = {};
    // (suit, rank) of each foundation's top card, in the order of kSavedFoundationSuits; slot s
    // of fan f at SlotIndex(f, s) above.
    std::int32_t m_nSavedFoundation[kFoundationCount][2] = {};

    static constexpr unsigned kSize = 472;
    std::vector<std::uint8_t> Encode() const;
    void Decode(const std::uint8_t* pData); // kSize bytes
    // A table the game could have been in: every card once, fans filled from the bottom.
    bool IsConsistent() const;
};

// The deal of the current game ("initial", 436 bytes), for Start Over.
struct CInitialRecord {
    std::int32_t m_bInitialValid = 0;
    std::int32_t m_nInitialSuit[kSlotCount] = {};
    std::int32_t m_nInitialRank[kSlotCount] = {};

    static constexpr unsigned kSize = 436;
    std::vector<std::uint8_t> Encode() const;
    void Decode(const std::uint8_t* pData); // kSize bytes
    // The 52 dealt slots hold the 52 cards once each; the two others hold suit 0, rank 0.
    bool IsProperDeal() const;
};

std::vector<std::uint8_t> EncodeInts(const std::vector<std::int32_t>& values);
std::int32_t DecodeInt(const std::uint8_t* p);
