// The set of tables already searched: open addressing over exact 256-bit keys, so a table is
// skipped only when it really was seen, each with a 32-bit value for the search's own use.
// It grows by doubling up to a byte limit.
#pragma once

#include "SolverState.h"

#include <cstddef>
#include <cstdint>

class CTranspositionTable {
public:
    // nMaxBytes bounds the table itself; while it doubles the old table is held as well.
    explicit CTranspositionTable(std::size_t nMaxBytes);
    ~CTranspositionTable();
    CTranspositionTable(const CTranspositionTable&) = delete;
    CTranspositionTable& operator=(const CTranspositionTable&) = delete;

    enum class Result { Added, Seen, Full };
    // Adds the key with the value; when it was there already, LastValue() is its value.
    Result Insert(const CStateKey& key, std::uint32_t nValue = 0);
    std::uint32_t LastValue() const { return m_nLastValue; }
    bool Contains(const CStateKey& key) const { return Find(key) != kNone; }
    // Changes the value of a key that is in the table.
    void SetValue(const CStateKey& key, std::uint32_t nValue);
    std::size_t Size() const { return m_nSize; }
    // Forgets every key, keeping the smallest table.
    void Clear();

    static std::size_t DefaultMaxBytes();

private:
    static constexpr std::size_t kNone = ~std::size_t(0);
    static constexpr std::size_t kSlotBytes = sizeof(CStateKey) + sizeof(std::uint32_t);

    std::size_t Find(const CStateKey& key) const;
    bool Grow();
    bool Allocate(std::size_t nSlots, CStateKey*& pSlots, std::uint32_t*& pValues);

    CStateKey* m_pSlots = nullptr;
    std::uint32_t* m_pValues = nullptr;
    std::uint32_t m_nLastValue = 0;
    std::size_t m_nMask = 0; // slots - 1
    std::size_t m_nSize = 0;
    std::size_t m_nMaxSlots = 0;
};
