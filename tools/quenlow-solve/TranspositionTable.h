// The set of tables already searched: open addressing over exact 256-bit keys, so a table is
// skipped only when it really was seen. It grows by doubling up to a byte limit.
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
    Result Insert(const CStateKey& key);
    std::size_t Size() const { return m_nSize; }
    // Forgets every key, keeping the smallest table.
    void Clear();

    static std::size_t DefaultMaxBytes();

private:
    bool Grow();
    static CStateKey* Allocate(std::size_t nSlots);

    CStateKey* m_pSlots = nullptr;
    std::size_t m_nMask = 0; // slots - 1
    std::size_t m_nSize = 0;
    std::size_t m_nMaxSlots = 0;
};
