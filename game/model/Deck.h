// The 52 faces and cards of the one deck: canonical order, the shuffle and the deal cursor.
#pragma once

#include "Card.h"
#include "Platform.h"

#include <cstdint>

class CDeck {
public:
    CDeck() = default;
    ~CDeck();
    CDeck(const CDeck&) = delete;
    CDeck& operator=(const CDeck&) = delete;

    // Loads the faces, makes the 52 cards, then puts them in the canonical order.
    void LoadFaces(IPictures& pictures);
    void Reset();
    // Reset, then the order the shuffle of the seed makes (ShuffledDeck); the cursor is 0.
    void Shuffle(std::uint32_t nSeed);
    CCard* NextCard();
    // Face of suit s, rank index r (rank - 1); null outside the deck.
    CBitmap* GetFaceBitmap(int nSuit, int nRankIndex);
    CCard* GetCardAt(int nPosition) const;

    static int FaceResourceId(int nSuit, int nRankIndex);

    CBitmap m_bmFace[kCardCount];
    CCard* m_pCard[kCardCount] = {};
    int m_nNext = 0;
    int m_nCount = kCardCount;
};
