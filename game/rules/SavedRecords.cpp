#include "SavedRecords.h"

#include "CardValues.h"

namespace {
void Put(std::vector<std::uint8_t>& out, std::int32_t v) {
    std::uint32_t u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

const std::uint8_t* Get(const std::uint8_t* p, std::int32_t& v) {
    v = DecodeInt(p);
    return p + 4;
}

bool IsRealCard(int nSuit, int nRank) {
    return nSuit >= 0 && nSuit < kSuitCount && nRank >= kAce && nRank <= kKing;
}

// Marks a card as seen; false when it was seen already.
bool Take(bool (&seen)[kCardCount], int nSuit, int nRank) {
    bool& b = seen[nSuit * kRankCount + nRank - 1];
    if (b) return false;
    b = true;
    return true;
}
} // namespace

std::int32_t DecodeInt(const std::uint8_t* p) {
    std::uint32_t u = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                      static_cast<std::uint32_t>(p[2]) << 16 |
                      static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(u);
}

std::vector<std::uint8_t> EncodeInts(const std::vector<std::int32_t>& values) {
    std::vector<std::uint8_t> out;
    out.reserve(values.size() * 4);
    for (std::int32_t v : values)
        Put(out, v);
    return out;
}

std::vector<std::uint8_t> CSavedGameRecord::Encode() const {
    std::vector<std::uint8_t> out;
    out.reserve(kSize);
    Put(out, m_bSavedGame);
    Put(out, m_bSavedInProgress);
    for (std::int32_t v : m_nSavedSuit)
        Put(out, v);
    for (std::int32_t v : m_nSavedRank)
        Put(out, v);
    for (const auto& pair : m_nSavedFoundation) {
        Put(out, pair[0]);
        Put(out, pair[1]);
    }
    return out;
}

void CSavedGameRecord::Decode(const std::uint8_t* p) {
    p = Get(p, m_bSavedGame);
    p = Get(p, m_bSavedInProgress);
    for (std::int32_t& v : m_nSavedSuit)
        p = Get(p, v);
    for (std::int32_t& v : m_nSavedRank)
        p = Get(p, v);
    for (auto& pair : m_nSavedFoundation) {
        p = Get(p, pair[0]);
        p = Get(p, pair[1]);
    }
}

bool CSavedGameRecord::IsConsistent() const {
    bool seen[kCardCount] = {};
    int nCards = 0;
    for (int f = 0; f < kFanCount; ++f) {
        bool bEmptyBelow = false;
        for (int s = 0; s < kFanSlots; ++s) {
            int nSuit = m_nSavedSuit[SlotIndex(f, s)];
            int nRank = m_nSavedRank[SlotIndex(f, s)];
            if (nSuit == -1 && nRank == -1) {
                bEmptyBelow = true;
                continue;
            }
            if (bEmptyBelow || !IsRealCard(nSuit, nRank) || !Take(seen, nSuit, nRank)) return false;
            ++nCards;
        }
    }
    for (int i = 0; i < kFoundationCount; ++i) {
        int nSuit = m_nSavedFoundation[i][0];
        int nRank = m_nSavedFoundation[i][1];
        if (nSuit == -1 && nRank == -1) continue;
        if (nSuit != kSavedFoundationSuits[i] || !IsRealCard(nSuit, nRank)) return false;
        for (int r = kAce; r <= nRank; ++r) {
            if (!Take(seen, nSuit, r)) return false;
            ++nCards;
        }
    }
    return nCards == kCardCount;
}

std::vector<std::uint8_t> CInitialRecord::Encode() const {
    std::vector<std::uint8_t> out;
    out.reserve(kSize);
    Put(out, m_bInitialValid);
    for (std::int32_t v : m_nInitialSuit)
        Put(out, v);
    for (std::int32_t v : m_nInitialRank)
        Put(out, v);
    return out;
}

void CInitialRecord::Decode(const std::uint8_t* p) {
    p = Get(p, m_bInitialValid);
    for (std::int32_t& v : m_nInitialSuit)
        p = Get(p, v);
    for (std::int32_t& v : m_nInitialRank)
        p = Get(p, v);
}

bool CInitialRecord::IsProperDeal() const {
    bool seen[kCardCount] = {};
    for (int i = 0; i < kSlotCount; ++i) {
        int nSuit = m_nInitialSuit[i];
        int nRank = m_nInitialRank[i];
        if (!IsDealtSlot(i / kFanSlots, i % kFanSlots)) {
            if (nSuit != 0 || nRank != 0) return false;
        } else if (!IsRealCard(nSuit, nRank) || !Take(seen, nSuit, nRank)) {
            return false;
        }
    }
    return true; // 52 distinct real cards in 52 slots: each card once
}
