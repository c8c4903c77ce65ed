#include "TranspositionTable.h"

#include <cstdlib>
#include <new>

namespace {
// Small, because most positions are decided within a few thousand tables and the table is
// cleared for each.
constexpr std::size_t kInitialSlots = std::size_t(1) << 12;
} // namespace

std::size_t CTranspositionTable::DefaultMaxBytes() {
    // A 32-bit process has 2 GB of address space: 256 MB for the table, plus the half-size
    // table held while it doubles. A 64-bit one may use 1 GB (1.5 GB while doubling).
    return sizeof(void*) == 4 ? std::size_t(256) << 20 : std::size_t(1) << 30;
}

CTranspositionTable::CTranspositionTable(std::size_t nMaxBytes) {
    m_nMaxSlots = kInitialSlots;
    while (m_nMaxSlots * 2 * kSlotBytes <= nMaxBytes)
        m_nMaxSlots *= 2;
    m_nMask = Allocate(kInitialSlots, m_pSlots, m_pValues) ? kInitialSlots - 1 : 0;
}

CTranspositionTable::~CTranspositionTable() {
    std::free(m_pSlots);
    std::free(m_pValues);
}

bool CTranspositionTable::Allocate(std::size_t nSlots, CStateKey*& pSlots,
                                   std::uint32_t*& pValues) {
    // calloc hands out zeroed pages lazily, so a large table costs nothing until it is used.
    pSlots = static_cast<CStateKey*>(std::calloc(nSlots, sizeof(CStateKey)));
    pValues = static_cast<std::uint32_t*>(std::calloc(nSlots, sizeof(std::uint32_t)));
    if (pSlots != nullptr && pValues != nullptr) return true;
    std::free(pSlots);
    std::free(pValues);
    pSlots = nullptr;
    pValues = nullptr;
    return false;
}

void CTranspositionTable::Clear() {
    if (m_nSize == 0 && m_pSlots != nullptr) return;
    if (m_nMask + 1 != kInitialSlots || m_pSlots == nullptr) {
        std::free(m_pSlots);
        std::free(m_pValues);
        Allocate(kInitialSlots, m_pSlots, m_pValues);
    } else {
        for (std::size_t i = 0; i <= m_nMask; ++i)
            m_pSlots[i] = CStateKey();
    }
    m_nMask = m_pSlots ? kInitialSlots - 1 : 0;
    m_nSize = 0;
}

bool CTranspositionTable::Grow() {
    std::size_t nSlots = (m_nMask + 1) * 2;
    if (nSlots > m_nMaxSlots) return false;
    CStateKey* pNew = nullptr;
    std::uint32_t* pNewValues = nullptr;
    if (!Allocate(nSlots, pNew, pNewValues)) return false;
    std::size_t nMask = nSlots - 1;
    for (std::size_t i = 0; i <= m_nMask; ++i) {
        const CStateKey& key = m_pSlots[i];
        if (key.m_w[3] == 0) continue;
        std::size_t j = key.Hash() & nMask;
        while (pNew[j].m_w[3] != 0)
            j = (j + 1) & nMask;
        pNew[j] = key;
        pNewValues[j] = m_pValues[i];
    }
    std::free(m_pSlots);
    std::free(m_pValues);
    m_pSlots = pNew;
    m_pValues = pNewValues;
    m_nMask = nMask;
    return true;
}

std::size_t CTranspositionTable::Find(const CStateKey& key) const {
    if (m_pSlots == nullptr) return kNone;
    for (std::size_t j = key.Hash() & m_nMask;; j = (j + 1) & m_nMask) {
        const CStateKey& slot = m_pSlots[j];
        if (slot.m_w[3] == 0) return kNone;
        if (slot == key) return j;
    }
}

void CTranspositionTable::SetValue(const CStateKey& key, std::uint32_t nValue) {
    std::size_t j = Find(key);
    if (j != kNone) m_pValues[j] = nValue;
}

CTranspositionTable::Result CTranspositionTable::Insert(const CStateKey& key,
                                                        std::uint32_t nValue) {
    if (m_pSlots == nullptr) return Result::Full;
    std::size_t j = key.Hash() & m_nMask;
    for (;;) {
        const CStateKey& slot = m_pSlots[j];
        if (slot.m_w[3] == 0) break;
        if (slot == key) {
            m_nLastValue = m_pValues[j];
            return Result::Seen;
        }
        j = (j + 1) & m_nMask;
    }
    // Kept at most three quarters full so that probes stay short.
    if ((m_nSize + 1) * 4 > (m_nMask + 1) * 3) {
        if (!Grow()) return Result::Full;
        j = key.Hash() & m_nMask;
        while (m_pSlots[j].m_w[3] != 0)
            j = (j + 1) & m_nMask;
    }
    m_pSlots[j] = key;
    m_pValues[j] = nValue;
    ++m_nSize;
    return Result::Added;
}
