// The 52 faces and cards of the one deck: canonical order, the shuffle and the deal cursor.
#pragma once

#include "Card.h"
#include "Platform.h"

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

class CDeck {
public:
    CDeck() = default;
    ~CDeck();
    CDeck(const CDeck&) = delete;
    CDeck& operator=(const CDeck&) = delete;

    // Loads the faces, makes the 52 cards, then resets and shuffles (seeded from the clock).
    void LoadFaces(IPlatform& platform);
    void Reset();
    void Shuffle();
    void ShuffleWithSeed(std::uint32_t nSeed);
    CCard* NextCard();
    // Face of suit s, rank index r (rank - 1); null outside the deck.
    CBitmap* GetFaceBitmap(int nSuit, int nRankIndex);
    CCard* GetCardAt(int nPosition) const;

    static int FaceResourceId(int nSuit, int nRankIndex);

    CBitmap m_bmFace[kCardCount];
    CCard* m_pCard[kCardCount] = {};
    int m_nNext = 0;
    int m_nCount = kCardCount;

private:
    IPlatform* m_pPlatform = nullptr;
};
