#include "SolverState.h"

#include "CardValues.h"

#include <string>

namespace {
std::string CardText(int nCard) {
    return CardCode(CardSuit(nCard), CardRank(nCard));
}

// Bits set, without a library call where the processor has no instruction for it.
inline int CountBits(std::uint64_t n) {
    n -= (n >> 1) & 0x5555555555555555ull;
    n = (n & 0x3333333333333333ull) + ((n >> 2) & 0x3333333333333333ull);
    n = (n + (n >> 4)) & 0x0f0f0f0f0f0f0f0full;
    return static_cast<int>((n * 0x0101010101010101ull) >> 56);
}

// The digits of a key, first (least significant) first.
class CKeyDigits {
public:
    void Put(int nDigit, int nRadix) {
        m_nDigit[m_n] = static_cast<std::uint8_t>(nDigit);
        m_nRadix[m_n++] = static_cast<std::uint8_t>(nRadix);
    }
    // digit 0 + radix 0 * (digit 1 + radix 1 * (...)), in 32-bit limbs, folding as many
    // digits at a time as fit in 32 bits.
    CStateKey Number() const {
        std::uint32_t nLimb[6] = {};
        std::uint64_t nValue = 0;
        std::uint64_t nScale = 1;
        for (int i = m_n - 1; i >= -1; --i) {
            if (i < 0 || nScale * m_nRadix[i] > 0xffffffffull) {
                std::uint64_t nCarry = nValue;
                for (std::uint32_t& n : nLimb) {
                    std::uint64_t t = n * nScale + nCarry;
                    n = static_cast<std::uint32_t>(t);
                    nCarry = t >> 32;
                }
                nValue = 0;
                nScale = 1;
                if (i < 0) break;
            }
            nValue = nValue * m_nRadix[i] + m_nDigit[i];
            nScale *= m_nRadix[i];
        }
        CStateKey key;
        for (std::size_t w = 0; w < 3; ++w)
            key.m_w[w] = nLimb[2 * w] | std::uint64_t(nLimb[2 * w + 1]) << 32;
        return key;
    }

private:
    std::uint8_t m_nDigit[64];
    std::uint8_t m_nRadix[64];
    int m_n = 0;
};
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
        if (position.m_nHome[s] < 0 || position.m_nHome[s] > kKing)
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
    for (int i = 1; i < 3; ++i) {
        h ^= h >> 29;
        h = (h ^ m_w[i]) * 0xbf58476d1ce4e5b9ull;
    }
    return h ^ (h >> 32);
}

CSolverState::CSolverState(const CPosition& position) {
    m_bKingsAllowed = position.m_bKingsAllowed;
    for (int c = 0; c < kSolverCards; ++c) {
        m_nWhere[c] = -1;
        m_nBottomIndex[c] = kNoBottom;
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
        if (m_nCount[f] > 0) {
            m_nCandidate[nNextBottom] = m_nCard[f][0];
            m_nBottomIndex[m_nCard[f][0]] = static_cast<std::uint8_t>(nNextBottom++);
        }
    }
    for (int s = 0; s < 4; ++s) {
        m_nHome[s] = static_cast<std::uint8_t>(position.m_nHome[s]);
        int nKing = CardId(s, kKing);
        if (m_bKingsAllowed && m_nBottomIndex[nKing] == kNoBottom) {
            m_nCandidate[nNextBottom] = static_cast<std::uint8_t>(nKing);
            m_nBottomIndex[nKing] = static_cast<std::uint8_t>(nNextBottom++);
        }
    }
    m_nCandidates = nNextBottom;
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

// The key is a number in mixed radix: a table is read as a list of digits, each below its
// radix, where each radix follows from the digits before it, so the list, and with it the
// table, can be read back from the number; tables with equal lists differ only in the order
// of their fans. The digits: the four foundations' heights (which say the cards on the
// table); whether every candidate bottom on the table is a bottom, and if not, which are;
// then, for each bottom in candidate order, its fan's second and third cards, each as 0 for
// none or 1 + its place among the cards not yet placed (no third digit when the second is
// none). The largest number this makes is below 2^182 (18 fans, 34 cards above their
// bottoms, the two empty places first).
CStateKey CSolverState::Key() const {
    CKeyDigits digits;
    std::uint64_t nOnTable = 0;
    for (int s = 0; s < 4; ++s) {
        digits.Put(m_nHome[s], 14);
        nOnTable |= ((std::uint64_t(1) << kRankCount) - (std::uint64_t(1) << m_nHome[s]))
                    << (kRankCount * s);
    }
    std::uint8_t nFanOf[22];
    std::uint32_t nBottoms = 0;
    std::uint64_t nRest = nOnTable;
    for (int f = 0; f < kSolverFans; ++f) {
        if (m_nCount[f] == 0) continue;
        int j = m_nBottomIndex[m_nCard[f][0]];
        nFanOf[j] = static_cast<std::uint8_t>(f);
        nBottoms |= 1u << j;
        nRest &= ~(std::uint64_t(1) << m_nCard[f][0]);
    }
    std::uint32_t nCandidatesOnTable = 0;
    for (int j = 0; j < m_nCandidates; ++j)
        if (m_nWhere[m_nCandidate[j]] >= 0) nCandidatesOnTable |= 1u << j;
    digits.Put(nCandidatesOnTable == nBottoms, 2);
    if (nCandidatesOnTable != nBottoms) {
        for (std::uint32_t m = nCandidatesOnTable; m != 0; m &= m - 1)
            digits.Put(static_cast<int>((nBottoms >> __builtin_ctz(m)) & 1), 2);
    }
    int nLeft = CountBits(nRest);
    for (std::uint32_t m = nBottoms; m != 0 && nLeft > 0; m &= m - 1) {
        int f = nFanOf[__builtin_ctz(m)];
        for (int nSlot = 1; nSlot < kSolverSlots; ++nSlot) {
            if (nSlot >= m_nCount[f]) {
                digits.Put(0, nLeft + 1);
                break;
            }
            std::uint64_t nBit = std::uint64_t(1) << m_nCard[f][nSlot];
            digits.Put(1 + CountBits(nRest & (nBit - 1)), nLeft + 1);
            nRest &= ~nBit;
            --nLeft;
        }
    }
    CStateKey key = digits.Number();
    key.m_w[2] |= 1ull << 63;
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
