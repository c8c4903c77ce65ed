#include "Deck.h"

#include "resource.h"

#include <utility>

namespace {
// Nothing else draws from the generator, so each shuffle depends on its seed alone.
CShuffleRandom g_shuffleRandom;
} // namespace

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

void CDeck::LoadFaces(IPlatform& platform) {
    m_pPlatform = &platform;
    for (int k = 0; k < kCardCount; ++k) {
        // A face that cannot be loaded stays empty; its card still counts as present.
        m_bmFace[k].LoadBitmap(platform, FaceResourceId(k / kRankCount, k % kRankCount));
        if (m_pCard[k] == nullptr) m_pCard[k] = new CCard();
    }
    Reset();
    Shuffle();
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

void CDeck::Shuffle() {
    std::uint32_t nNow = m_pPlatform != nullptr ? m_pPlatform->GetTimeSeconds() : 0;
    ShuffleWithSeed(nNow);
}

void CDeck::ShuffleWithSeed(std::uint32_t nSeed) {
    Reset();
    g_shuffleRandom.Seed(nSeed);
    for (int i = 0; i < 1000; ++i) {
        int a = g_shuffleRandom.Next() & 255;
        int b = g_shuffleRandom.Next() & 255;
        if (a > 51) a = 0;
        if (b > 51) b = 1;
        std::swap(m_pCard[a], m_pCard[b]);
    }
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
