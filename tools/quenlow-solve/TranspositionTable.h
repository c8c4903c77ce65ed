// The set of tables already searched: open addressing over exact keys, so a table is skipped
// only when it really was seen, each with a 32-bit value for the search's own use. A slot
// holds the key and its value together in 28 bytes. The table grows by doubling up to a byte
// limit, or takes all of it at once, and at its largest it may fill further before it is full.
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
    // Either way SetLastValue changes the value of that key until the next call.
    Result Insert(const CStateKey& key, std::uint32_t nValue = 0);
    std::uint32_t LastValue() const { return m_nLastValue; }
    void SetLastValue(std::uint32_t nValue) { m_pSlots[m_nLast].m_nValue = nValue; }
    bool Contains(const CStateKey& key) const { return Find(key) != kNone; }
    // Changes the value of a key that is in the table.
    void SetValue(const CStateKey& key, std::uint32_t nValue);
    std::size_t Size() const { return m_nSize; }
    // Forgets every key, keeping the smallest table.
    void Clear();
    // Takes every slot the byte limit allows, at once and without the doubling's second table.
    void Reserve();

    static std::size_t DefaultMaxBytes();
    static constexpr std::size_t kSlotBytes = 28;

private:
    // The key in 32-bit words, so that a slot needs no padding.
    struct CSlot {
        std::uint32_t m_nKey[6];
        std::uint32_t m_nValue;
        bool IsUsed() const { return m_nKey[5] != 0; }
        bool Holds(const CStateKey& key) const;
        void Set(const CStateKey& key, std::uint32_t nValue);
    };
    static_assert(sizeof(CSlot) == kSlotBytes, "a slot is 28 bytes");
    static constexpr std::size_t kNone = ~std::size_t(0);

    std::size_t Find(const CStateKey& key) const;
    bool Grow();
    bool Resize(std::size_t nSlots);
    // Where the key's probes start: its hash scaled to the table, which needs no power of two.
    std::size_t Home(const CStateKey& key) const {
        return static_cast<std::size_t>(((key.Hash() >> 32) * m_nSlots) >> 32);
    }
    std::size_t Next(std::size_t j) const { return j + 1 == m_nSlots ? 0 : j + 1; }
    // The most keys the table may hold before it grows, or at its largest before it is full.
    std::size_t Capacity() const;

    CSlot* m_pSlots = nullptr;
    std::uint32_t m_nLastValue = 0;
    std::size_t m_nLast = 0;
    std::size_t m_nSlots = 0;
    std::size_t m_nSize = 0;
    std::size_t m_nMaxSlots = 0; // by doubling
    std::size_t m_nAllSlots = 0; // at once
    bool m_bLargest = false;
};
