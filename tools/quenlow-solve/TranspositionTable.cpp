#include "TranspositionTable.h"

#include <cstdlib>

namespace {
// Small, because most positions are decided within a few thousand tables and the table is
// cleared for each.
constexpr std::size_t kInitialSlots = std::size_t(1) << 12;
} // namespace

bool CTranspositionTable::CSlot::Holds(const CStateKey& key) const {
    for (int w = 0; w < 3; ++w)
        if (m_nKey[2 * w] != static_cast<std::uint32_t>(key.m_w[w]) ||
            m_nKey[2 * w + 1] != static_cast<std::uint32_t>(key.m_w[w] >> 32))
            return false;
    return true;
}

void CTranspositionTable::CSlot::Set(const CStateKey& key, std::uint32_t nValue) {
    for (int w = 0; w < 3; ++w) {
        m_nKey[2 * w] = static_cast<std::uint32_t>(key.m_w[w]);
        m_nKey[2 * w + 1] = static_cast<std::uint32_t>(key.m_w[w] >> 32);
    }
    m_nValue = nValue;
}

std::size_t CTranspositionTable::DefaultMaxBytes() {
    // A 32-bit process has 2 GB of address space: 256 MB for the table, plus the half-size
    // table held while it doubles. A 64-bit one may use 1 GB (1.5 GB while doubling).
    return sizeof(void*) == 4 ? std::size_t(256) << 20 : std::size_t(1) << 30;
}

CTranspositionTable::CTranspositionTable(std::size_t nMaxBytes) {
    m_nMaxSlots = kInitialSlots;
    while (m_nMaxSlots * 2 * kSlotBytes <= nMaxBytes)
        m_nMaxSlots *= 2;
    m_pSlots = static_cast<CSlot*>(std::calloc(kInitialSlots, kSlotBytes));
    m_nMask = m_pSlots ? kInitialSlots - 1 : 0;
}

CTranspositionTable::~CTranspositionTable() {
    std::free(m_pSlots);
}

std::size_t CTranspositionTable::Capacity() const {
    // Three quarters full keeps probes short; at the largest size nine tenths is still fast
    // enough, and holds a fifth more.
    std::size_t nSlots = m_nMask + 1;
    return nSlots < m_nMaxSlots ? nSlots / 4 * 3 : nSlots / 10 * 9;
}

void CTranspositionTable::Clear() {
    if (m_nSize == 0 && m_pSlots != nullptr) return;
    if (m_nMask + 1 != kInitialSlots || m_pSlots == nullptr) {
        std::free(m_pSlots);
        m_pSlots = static_cast<CSlot*>(std::calloc(kInitialSlots, kSlotBytes));
    } else {
        for (std::size_t i = 0; i <= m_nMask; ++i)
            m_pSlots[i] = CSlot();
    }
    m_nMask = m_pSlots ? kInitialSlots - 1 : 0;
    m_nSize = 0;
}

bool CTranspositionTable::Grow() {
    std::size_t nSlots = (m_nMask + 1) * 2;
    if (nSlots > m_nMaxSlots) return false;
    // calloc hands out zeroed pages lazily, so a large table costs nothing until it is used.
    CSlot* pNew = static_cast<CSlot*>(std::calloc(nSlots, kSlotBytes));
    if (pNew == nullptr) return false;
    std::size_t nMask = nSlots - 1;
    for (std::size_t i = 0; i <= m_nMask; ++i) {
        const CSlot& slot = m_pSlots[i];
        if (!slot.IsUsed()) continue;
        CStateKey key;
        for (int w = 0; w < 3; ++w)
            key.m_w[w] = slot.m_nKey[2 * w] | std::uint64_t(slot.m_nKey[2 * w + 1]) << 32;
        std::size_t j = key.Hash() & nMask;
        while (pNew[j].IsUsed())
            j = (j + 1) & nMask;
        pNew[j] = slot;
    }
    std::free(m_pSlots);
    m_pSlots = pNew;
    m_nMask = nMask;
    return true;
}

std::size_t CTranspositionTable::Find(const CStateKey& key) const {
    if (m_pSlots == nullptr) return kNone;
    for (std::size_t j = key.Hash() & m_nMask;; j = (j + 1) & m_nMask) {
        const CSlot& slot = m_pSlots[j];
        if (!slot.IsUsed()) return kNone;
        if (slot.Holds(key)) return j;
    }
}

void CTranspositionTable::SetValue(const CStateKey& key, std::uint32_t nValue) {
    std::size_t j = Find(key);
    if (j != kNone) m_pSlots[j].m_nValue = nValue;
}

CTranspositionTable::Result CTranspositionTable::Insert(const CStateKey& key,
                                                        std::uint32_t nValue) {
    if (m_pSlots == nullptr) return Result::Full;
    std::size_t j = key.Hash() & m_nMask;
    for (;;) {
        const CSlot& slot = m_pSlots[j];
        if (!slot.IsUsed()) break;
        if (slot.Holds(key)) {
            m_nLast = j;
            m_nLastValue = slot.m_nValue;
            return Result::Seen;
        }
        j = (j + 1) & m_nMask;
    }
    if (m_nSize + 1 > Capacity()) {
        if (!Grow()) return Result::Full;
        j = key.Hash() & m_nMask;
        while (m_pSlots[j].IsUsed())
            j = (j + 1) & m_nMask;
    }
    m_pSlots[j].Set(key, nValue);
    m_nLast = j;
    ++m_nSize;
    return Result::Added;
}
