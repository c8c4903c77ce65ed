// A smaller game that can only be easier than the real one, searched to prove that some cards
// of a table can never all reach their foundations.
//
// The cards of a window of ranks [lo, hi] keep the real rules. Every other card is free: once
// uncovered it leaves the table (it may still come back as a step, see below) and counts as
// home for the order of its suit. A free card left alone at the bottom of its fan stays as an
// anchor, because its fan would otherwise be lost. Every real move is a move of this game or
// is not needed, so if it cannot bring the window's cards home, neither can the real game.
#pragma once

#include "SolverClock.h"
#include "SolverState.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

enum class RelaxedVerdict { Lost, Open, Unknown };

class CRelaxedGame {
public:
    CRelaxedGame();
    // Bounds each search; an undecided search is tried again once the bound has grown
    // fourfold. Results are remembered until Clear.
    void SetMaxNodes(int nMaxNodes) { m_nMaxNodes = nMaxNodes; }
    int MaxNodes() const { return m_nMaxNodes; }
    // Nodes searched since Clear.
    std::uint64_t NodesUsed() const { return m_nNodesUsed; }
    // A search still running at this moment gives up.
    void SetDeadline(const CDeadline& deadline) { m_deadline = deadline; }

    // Lost when the cards of ranks lo to hi on the table can never all reach their
    // foundations.
    RelaxedVerdict Examine(const CSolverState& state, int lo, int hi);
    void Clear() {
        m_memo.clear();
        m_nNodesUsed = 0;
    }

    // Each fan is one code: its count in bits 18 and 19, then slots 0 to 2 as six-bit
    // symbols (a card id or one of the symbols in the .cpp, plus one; 0 for none). The fans
    // are kept sorted by code, so that tables differing only in the order of their fans are
    // stored alike.
    struct CTable {
        std::uint32_t m_nFan[kSolverFans];
        std::uint8_t m_nSpare[2]; // free cards of rank lo - 1 and hi + 1 off the table
        std::uint64_t m_nPresent; // window cards and covered free cards on the table
    };
    // The fans' contents, sorted, and the spare steps.
    struct CKey {
        std::uint64_t m_w[6];
        bool operator==(const CKey& o) const;
    };

private:
    struct CKeyHash {
        std::size_t operator()(const CKey& key) const;
    };

    bool InWindow(int nCard) const;
    int StepClass(int nRank) const; // 0 for lo - 1, 1 for hi + 1, -1 otherwise
    void Settle(CTable& table, int f) const;
    static void Sort(CTable& table);
    CKey KeyOf(const CTable& table) const;
    static CTable& Lift(const CTable& table, int f, CTable* pChildren, int& n);
    void Finish(CTable& child, int f) const;
    void CardMoves(const CTable& table, int f, int x, CTable* pChildren, int& n) const;
    int Children(const CTable& table, CTable* pChildren) const;
    RelaxedVerdict Search(const CTable& root);
    bool MarkSeen(const CKey& key);

    int m_nMaxNodes = 2000;
    CDeadline m_deadline;
    std::uint64_t m_nNodesUsed = 0;
    int m_nLo = 1;
    int m_nHi = kKing;
    bool m_bKings = false;
    struct CMemo {
        RelaxedVerdict m_verdict;
        int m_nNodes; // the bound an undecided search had
    };
    std::unordered_map<CKey, CMemo, CKeyHash> m_memo;
    std::vector<CKey> m_seen; // open addressing, cleared through m_used
    std::vector<std::uint32_t> m_used;
    std::vector<CTable> m_stack;
    std::vector<CTable> m_children;
};
