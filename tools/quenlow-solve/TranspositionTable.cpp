#include "TranspositionTable.h"

#include <cstdlib>

namespace {
// Small, because most positions are decided within a few thousand tables and the table is
// cleared for each.
constexpr std::size_t kInitialSlots = std::size_t(1) << 12;
} // namespace

bool CTranspositionTable::CSlot::Holds(const CStateKey& key) const {
    for (std::size_t w = 0; w < 3; ++w)
        if (m_nKey[2 * w] != static_cast<std::uint32_t>(key.m_w[w]) ||
            m_nKey[2 * w + 1] != static_cast<std::uint32_t>(key.m_w[w] >> 32))
            return false;
    return true;
}

void CTranspositionTable::CSlot::Set(const CStateKey& key, std::uint32_t nValue) {
    for (std::size_t w = 0; w < 3; ++w) {
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
    // Below 4 GB of slots, so that Home's product fits in 64 bits.
    m_nAllSlots = nMaxBytes / kSlotBytes;
    if (m_nAllSlots > 0xffffffffu) m_nAllSlots = 0xffffffffu;
    if (m_nAllSlots < kInitialSlots) m_nAllSlots = kInitialSlots;
    m_pSlots = static_cast<CSlot*>(std::calloc(kInitialSlots, kSlotBytes));
    m_nSlots = m_pSlots ? kInitialSlots : 0;
}

CTranspositionTable::~CTranspositionTable() {
    std::free(m_pSlots);
}

std::size_t CTranspositionTable::Capacity() const {
    // Three quarters full keeps probes short; at the largest size nine tenths is still fast
    // enough, and holds a fifth more.
    return m_bLargest ? m_nSlots / 10 * 9 : m_nSlots / 4 * 3;
}

void CTranspositionTable::Clear() {
    if (m_nSize == 0 && m_pSlots != nullptr && m_nSlots == kInitialSlots) return;
    if (m_nSlots != kInitialSlots || m_pSlots == nullptr) {
        std::free(m_pSlots);
        m_pSlots = static_cast<CSlot*>(std::calloc(kInitialSlots, kSlotBytes));
    } else {
        for (std::size_t i = 0; i < m_nSlots; ++i)
            m_pSlots[i] = CSlot();
    }
    m_nSlots = m_pSlots ? kInitialSlots : 0;
    m_nSize = 0;
    m_bLargest = false;
}

void CTranspositionTable::Reserve() {
    if (m_nSlots < m_nAllSlots && Resize(m_nAllSlots)) m_bLargest = true;
}

bool CTranspositionTable::Grow() {
    if (m_bLargest || m_nSlots * 2 > m_nMaxSlots) {
        m_bLargest = true;
        return false;
    }
    if (!Resize(m_nSlots * 2)) return false;
    m_bLargest = m_nSlots * 2 > m_nMaxSlots;
    return true;
}

bool CTranspositionTable::Resize(std::size_t nSlots) {
    // calloc hands out zeroed pages lazily, so a large table costs nothing until it is used.
    CSlot* pOld = m_pSlots;
    std::size_t nOld = m_nSlots;
    m_pSlots = static_cast<CSlot*>(std::calloc(nSlots, kSlotBytes));
    if (m_pSlots == nullptr) {
        m_pSlots = pOld;
        return false;
    }
    m_nSlots = nSlots;
    for (std::size_t i = 0; i < nOld; ++i) {
        const CSlot& slot = pOld[i];
        if (!slot.IsUsed()) continue;
        CStateKey key;
        for (std::size_t w = 0; w < 3; ++w)
            key.m_w[w] = slot.m_nKey[2 * w] | std::uint64_t(slot.m_nKey[2 * w + 1]) << 32;
        std::size_t j = Home(key);
        while (m_pSlots[j].IsUsed())
            j = Next(j);
        m_pSlots[j] = slot;
    }
    std::free(pOld);
    return true;
}

std::size_t CTranspositionTable::Find(const CStateKey& key) const {
    if (m_pSlots == nullptr) return kNone;
    for (std::size_t j = Home(key);; j = Next(j)) {
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
    std::size_t j = Home(key);
    for (;;) {
        const CSlot& slot = m_pSlots[j];
        if (!slot.IsUsed()) break;
        if (slot.Holds(key)) {
            m_nLast = j;
            m_nLastValue = slot.m_nValue;
            return Result::Seen;
        }
        j = Next(j);
    }
    if (m_nSize + 1 > Capacity()) {
        if (!Grow() && m_nSize + 1 > Capacity()) return Result::Full;
        j = Home(key);
        while (m_pSlots[j].IsUsed())
            j = Next(j);
    }
    m_pSlots[j].Set(key, nValue);
    m_nLast = j;
    ++m_nSize;
    return Result::Added;
}
