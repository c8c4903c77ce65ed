#include "Deck.h"

#include "Deal.h"
#include "resource.h"

#include <algorithm>

CDeck::~CDeck() {
    for (CCard*& pCard : m_pCard) {
        delete pCard;
        pCard = nullptr;
    }
    for (CBitmap& bm : m_bmFace)
        bm.DeleteObject();
}

int CDeck::FaceResourceId(int nSuit, int nRankIndex) {
    static const int kAceIds[kSuitCount] = {IDB_CLUBS_ACE, IDB_HEARTS_ACE, IDB_SPADES_ACE,
                                            IDB_DIAMONDS_ACE};
    static const int kTwoIds[kSuitCount] = {IDB_CLUBS_TWO, IDB_HEARTS_TWO, IDB_SPADES_TWO,
                                            IDB_DIAMONDS_TWO};
    return nRankIndex == 0 ? kAceIds[nSuit] : kTwoIds[nSuit] + nRankIndex - 1;
}

void CDeck::LoadFaces(IPictures& pictures) {
    for (int k = 0; k < kCardCount; ++k) {
        // A face that cannot be loaded stays empty; its card still counts as present.
        m_bmFace[k].LoadBitmap(pictures, FaceResourceId(k / kRankCount, k % kRankCount));
        if (m_pCard[k] == nullptr) m_pCard[k] = new CCard();
    }
    Reset();
}

void CDeck::Reset() {
    for (int k = 0; k < kCardCount; ++k) {
        if (m_pCard[k] == nullptr) continue;
        m_pCard[k]->SetFace(&m_bmFace[k]);
        m_pCard[k]->SetSuit(k / kRankCount);
        m_pCard[k]->SetRank(k % kRankCount + 1);
    }
    m_nNext = 0;
}

void CDeck::Shuffle(std::uint32_t nSeed) {
    Reset();
    // After the reset the record at position k holds card k, so the shuffled order of the
    // canonical indexes says which record goes where.
    CCard* pInOrder[kCardCount];
    std::copy(std::begin(m_pCard), std::end(m_pCard), pInOrder);
    const CDeckOrder order = ShuffledDeck(nSeed);
    for (int k = 0; k < kCardCount; ++k)
        m_pCard[k] = pInOrder[order[k]];
    m_nNext = 0;
}

CCard* CDeck::NextCard() {
    if (m_nNext >= m_nCount) return nullptr;
    return m_pCard[m_nNext++];
}

CBitmap* CDeck::GetFaceBitmap(int nSuit, int nRankIndex) {
    if (nSuit < 0 || nSuit >= kSuitCount || nRankIndex < 0 || nRankIndex >= kRankCount)
        return nullptr;
    return &m_bmFace[nSuit * kRankCount + nRankIndex];
}

CCard* CDeck::GetCardAt(int nPosition) const {
    return nPosition >= 0 && nPosition < kCardCount ? m_pCard[nPosition] : nullptr;
}
