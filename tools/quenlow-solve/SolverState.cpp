#include "SolverState.h"

#include "Card.h"

#include <string>

namespace {
std::string CardText(int nCard) {
    return CardCode(CardSuit(nCard), CardRank(nCard));
}

// Appends nBits of value at bit nPos of the 256-bit key.
void PutBits(CStateKey& key, int& nPos, std::uint64_t value, int nBits) {
    int w = nPos >> 6;
    int b = nPos & 63;
    key.m_w[w] |= value << b;
    if (b + nBits > 64) key.m_w[w + 1] |= value >> (64 - b);
    nPos += nBits;
}
} // namespace

std::string CheckPosition(const CPosition& position) {
    int nSeen[kSolverCards] = {};
    for (int f = 0; f < kSolverFans; ++f) {
        if (position.m_fan[f].size() > static_cast<size_t>(kSolverSlots))
            return "fan " + std::to_string(f + 1) + " holds more than three cards";
        for (int nCard : position.m_fan[f]) {
            if (nCard < 0 || nCard >= kSolverCards)
                return "fan " + std::to_string(f + 1) + " holds an unknown card";
            ++nSeen[nCard];
        }
    }
    for (int s = 0; s < 4; ++s) {
        if (position.m_nHome[s] < 0 || position.m_nHome[s] > 13)
            return std::string("the ") + SuitName(s) + " foundation has an unknown rank";
        for (int r = 1; r <= position.m_nHome[s]; ++r)
            ++nSeen[CardId(s, r)];
    }
    int nTotal = 0;
    for (int c = 0; c < kSolverCards; ++c) {
        if (nSeen[c] > 1) return "duplicate card " + CardText(c);
        nTotal += nSeen[c];
    }
    if (nTotal != kSolverCards) {
        std::string missing;
        for (int c = 0; c < kSolverCards; ++c)
            if (nSeen[c] == 0) missing += (missing.empty() ? "" : " ") + CardText(c);
        return "card count " + std::to_string(nTotal) + ", not 52 (missing " + missing + ")";
    }
    return std::string();
}

std::uint64_t CStateKey::Hash() const {
    std::uint64_t h = m_w[0] * 0x9e3779b97f4a7c15ull;
    for (int i = 1; i < 4; ++i) {
        h ^= h >> 29;
        h = (h ^ m_w[i]) * 0xbf58476d1ce4e5b9ull;
    }
    return h ^ (h >> 32);
}

CSolverState::CSolverState(const CPosition& position) {
    m_bKingsAllowed = position.m_bKingsAllowed;
    for (int c = 0; c < kSolverCards; ++c) {
        m_nWhere[c] = -1;
        m_nBottomIndex[c] = -1;
    }
    int nNextBottom = 0;
    for (int f = 0; f < kSolverFans; ++f) {
        m_nCount[f] = static_cast<std::uint8_t>(position.m_fan[f].size());
        for (int s = 0; s < kSolverSlots; ++s) {
            bool bHas = s < m_nCount[f];
            m_nCard[f][s] = bHas ? static_cast<std::uint8_t>(position.m_fan[f][s]) : kNoCard;
            if (bHas) m_nWhere[m_nCard[f][s]] = static_cast<std::int8_t>(f * 3 + s);
        }
        m_nOnTable += m_nCount[f];
        if (m_nCount[f] > 0)
            m_nBottomIndex[m_nCard[f][0]] = static_cast<std::int8_t>(nNextBottom++);
    }
    for (int s = 0; s < 4; ++s) {
        m_nHome[s] = static_cast<std::uint8_t>(position.m_nHome[s]);
        int nKing = CardId(s, 13);
        if (m_bKingsAllowed && m_nBottomIndex[nKing] < 0)
            m_nBottomIndex[nKing] = static_cast<std::int8_t>(nNextBottom++);
    }
}

void CSolverState::Apply(const CSolverMove& move) {
    int nFrom = move.m_nFrom;
    int nCard = m_nCard[nFrom][--m_nCount[nFrom]];
    m_nCard[nFrom][m_nCount[nFrom]] = kNoCard;
    if (move.m_nTo == kToHome) {
        ++m_nHome[CardSuit(nCard)];
        m_nWhere[nCard] = -1;
        --m_nOnTable;
        return;
    }
    int nTo = move.m_nTo;
    m_nWhere[nCard] = static_cast<std::int8_t>(nTo * 3 + m_nCount[nTo]);
    m_nCard[nTo][m_nCount[nTo]++] = static_cast<std::uint8_t>(nCard);
}

void CSolverState::Undo(const CSolverMove& move) {
    int nFrom = move.m_nFrom;
    int nCard = move.m_nCard;
    if (move.m_nTo == kToHome) {
        --m_nHome[CardSuit(nCard)];
        ++m_nOnTable;
    } else {
        int nTo = move.m_nTo;
        m_nCard[nTo][--m_nCount[nTo]] = kNoCard;
    }
    m_nWhere[nCard] = static_cast<std::int8_t>(nFrom * 3 + m_nCount[nFrom]);
    m_nCard[nFrom][m_nCount[nFrom]++] = static_cast<std::uint8_t>(nCard);
}

CStateKey CSolverState::Key() const {
    // Bits 0 to 21: which candidate bottoms are bottoms now; then, for each of those in
    // candidate order, the middle and top card of its fan (card + 1, 0 for none).
    std::int8_t nFanOf[22];
    std::uint32_t nMask = 0;
    for (int f = 0; f < kSolverFans; ++f) {
        if (m_nCount[f] == 0) continue;
        int j = m_nBottomIndex[m_nCard[f][0]];
        nFanOf[j] = static_cast<std::int8_t>(f);
        nMask |= 1u << j;
    }
    CStateKey key;
    key.m_w[0] = nMask;
    int nPos = 22;
    for (std::uint32_t m = nMask; m != 0; m &= m - 1) {
        int f = nFanOf[__builtin_ctz(m)];
        std::uint64_t nMid = m_nCount[f] > 1 ? m_nCard[f][1] + 1u : 0u;
        std::uint64_t nTop = m_nCount[f] > 2 ? m_nCard[f][2] + 1u : 0u;
        PutBits(key, nPos, nMid | nTop << 6, 12);
    }
    // Marks a used entry: the key of a table with any card on it is never all zero anyway.
    key.m_w[3] |= 1ull << 63;
    return key;
}

CPosition CSolverState::ToPosition() const {
    CPosition position;
    position.m_bKingsAllowed = m_bKingsAllowed;
    for (int f = 0; f < kSolverFans; ++f)
        for (int s = 0; s < m_nCount[f]; ++s)
            position.m_fan[f].push_back(m_nCard[f][s]);
    for (int s = 0; s < 4; ++s)
        position.m_nHome[s] = m_nHome[s];
    return position;
}
