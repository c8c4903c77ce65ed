#include "QuenlowDoc.h"

namespace {
const CRect kNoRect(0, 0, 0, 0);
} // namespace

int CQuenlowDoc::FoundationIndex(int nPile) {
    // m_foundation holds Clubs, Diamonds, Spades, Hearts.
    switch (nPile) {
    case kPileClubs:
        return 0;
    case kPileDiamonds:
        return 1;
    case kPileSpades:
        return 2;
    case kPileHearts:
        return 3;
    default:
        return -1;
    }
}

int CQuenlowDoc::FoundationPileOfSuit(int nSuit) {
    switch (nSuit) {
    case kClubs:
        return kPileClubs;
    case kHearts:
        return kPileHearts;
    case kDiamonds:
        return kPileDiamonds;
    case kSpades:
        return kPileSpades;
    default:
        return -1;
    }
}

const CCard& CQuenlowDoc::GetFoundation(int nPile) const {
    static const CCard kNoCard;
    int i = FoundationIndex(nPile);
    return i < 0 ? kNoCard : m_foundation[i];
}

const CRect& CQuenlowDoc::GetFoundationRect(int nPile) const {
    // m_rcFoundation holds Spades, Clubs, Hearts, Diamonds.
    switch (nPile) {
    case kPileSpades:
        return m_rcFoundation[0];
    case kPileClubs:
        return m_rcFoundation[1];
    case kPileHearts:
        return m_rcFoundation[2];
    case kPileDiamonds:
        return m_rcFoundation[3];
    default:
        return kNoRect;
    }
}

CBitmap& CQuenlowDoc::GetEmptyFoundationBitmap(int nPile) {
    // m_bmEmptyFoundation holds Spades, Clubs, Diamonds, Hearts.
    switch (nPile) {
    case kPileClubs:
        return m_bmEmptyFoundation[1];
    case kPileDiamonds:
        return m_bmEmptyFoundation[2];
    case kPileHearts:
        return m_bmEmptyFoundation[3];
    default:
        return m_bmEmptyFoundation[0];
    }
}

void CQuenlowDoc::GetCardRect(int nPile, int nSlot, CRect& rc) const {
    if (nPile >= kFanCount) {
        rc = GetFoundationRect(nPile);
        return;
    }
    int nRow = nPile / 6;
    int nCol = nPile % 6;
    rc.left = 84 * nCol + 10 + 10 * nSlot;
    rc.top = 14 + 124 * nRow + 14 * nSlot;
    rc.right = rc.left + kCardWidth;
    rc.bottom = rc.top + kCardHeight;
}

void CQuenlowDoc::LayoutFans() {
    for (int f = 0; f < kFanCount; ++f) {
        int n = GetCardCount(f);
        if (n == 0)
            m_rcFanTop[f] = kNoRect;
        else
            GetCardRect(f, n - 1, m_rcFanTop[f]);
    }
}

int CQuenlowDoc::GetCardCount(int nFan) const {
    if (nFan < 0 || nFan >= kFanCount) return 0;
    int n = 0;
    while (n < kFanSlots && m_fan[nFan][n].HasCard())
        ++n;
    return n;
}

CCard CQuenlowDoc::GetTopCard(int nFan) const {
    int n = GetCardCount(nFan);
    if (n == 0) return CCard();
    return m_fan[nFan][n - 1];
}

CBitmap* CQuenlowDoc::GetTopFace(int nFan) const {
    return GetTopCard(nFan).GetFace();
}

CBitmap* CQuenlowDoc::GetUnderFace(int nFan) const {
    int n = GetCardCount(nFan);
    return n >= 2 ? m_fan[nFan][n - 2].GetFace() : nullptr;
}
