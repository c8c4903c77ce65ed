#include "SolutionShortener.h"

#include "SolutionPruner.h"
#include "SolverMoves.h"

#include <unordered_map>

namespace {
struct CKeyHash {
    std::size_t operator()(const CStateKey& key) const {
        return static_cast<std::size_t>(key.Hash());
    }
};

// The path's tables by their canonical keys, each with the last place the path holds it: a
// table with its fans in another order is the same table, and the rest of the path can be
// played from either, naming cards instead of fans.
class CPathIndex {
public:
    explicit CPathIndex(const CPosition& start, const std::vector<CSolverMove>& moves) {
        CSolverState state(start);
        m_last[state.Key()] = 0;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            m_tables.push_back(state);
            state.Apply(moves[i]);
            m_last[state.Key()] = i + 1;
        }
    }
    // The furthest place of the table on the path, or 0 when the path does not hold it.
    std::size_t Last(const CSolverState& state) const {
        auto it = m_last.find(state.Key());
        return it == m_last.end() ? 0 : it->second;
    }
    // The table before move i, as the path lays it out.
    const CSolverState& Before(std::size_t i) const { return m_tables[i]; }

private:
    std::vector<CSolverState> m_tables;
    std::unordered_map<CStateKey, std::size_t, CKeyHash> m_last;
};

// Move i of the path, played on a table that is the path's table with its fans reordered:
// the same card onto the same card (or home, or onto an empty fan).
CSolverMove Translate(const CSolverState& table, const CSolverState& pathTable,
                      const CSolverMove& move) {
    CSolverMove out = move;
    out.m_nFrom = static_cast<std::uint8_t>(table.Where(move.m_nCard) / kSolverSlots);
    if (move.m_nTo == kToHome) return out;
    int nOnto = pathTable.Top(move.m_nTo);
    for (int f = 0; f < kSolverFans; ++f) {
        if (nOnto >= 0 ? table.Top(f) == nOnto : table.Count(f) == 0) {
            out.m_nTo = static_cast<std::uint8_t>(f);
            break;
        }
    }
    return out;
}

struct CShortcut {
    std::size_t m_nTo; // place on the path of the table reached
    CSolverMove m_moves[2];
    int m_nMoves;
};

// The furthest table of the path that one or two moves from the table reach.
CShortcut FurthestReach(const CSolverState& table, const CShortcut& plain, const CPathIndex& index,
                        bool bTwoMoves) {
    CShortcut best = plain;
    CSolverMove first[kMaxMoves];
    int n = GenerateMoves(table, first);
    for (int a = 0; a < n; ++a) {
        CSolverState one = table;
        one.Apply(first[a]);
        std::size_t j = index.Last(one);
        if (j > best.m_nTo) best = CShortcut{j, {first[a], first[a]}, 1};
        if (!bTwoMoves) continue;
        CSolverMove second[kMaxMoves];
        int m = GenerateMoves(one, second);
        for (int b = 0; b < m; ++b) {
            CSolverState two = one;
            two.Apply(second[b]);
            std::size_t k = index.Last(two);
            if (k > best.m_nTo + 1) best = CShortcut{k, {first[a], second[b]}, 2};
        }
    }
    return best;
}

std::vector<CSolverMove> OnePass(const CPosition& start, const std::vector<CSolverMove>& moves,
                                 bool bTwoMoves) {
    CPathIndex index(start, moves);
    CSolverState table(start);
    std::vector<CSolverMove> out;
    // A table the path comes back to later is a loop: go on from its last visit.
    for (std::size_t i = index.Last(table); i < moves.size(); i = index.Last(table)) {
        CSolverMove next = Translate(table, index.Before(i), moves[i]);
        CShortcut cut = FurthestReach(table, CShortcut{i + 1, {next, next}, 1}, index, bTwoMoves);
        for (int k = 0; k < cut.m_nMoves; ++k) {
            table.Apply(cut.m_moves[k]);
            out.push_back(cut.m_moves[k]);
        }
    }
    return out;
}
} // namespace

namespace {
std::vector<CSolverMove> TakeShortcuts(const CPosition& start, std::vector<CSolverMove> best) {
    // Shortcuts of one move first; those of two cost more and are looked for only while the
    // solution still has many more moves than cards to send home.
    std::size_t nCards = CSolverState(start).CardsOnTable();
    for (bool bTwoMoves = false;;) {
        std::vector<CSolverMove> shorter = OnePass(start, best, bTwoMoves);
        if (shorter.size() < best.size()) {
            best.swap(shorter);
            continue;
        }
        if (bTwoMoves || best.size() * 2 <= nCards * 3) return best;
        bTwoMoves = true;
    }
}
} // namespace

std::vector<CSolverMove> ShortenSolution(const CPosition& start,
                                         const std::vector<CSolverMove>& moves) {
    std::vector<CSolverMove> best = TakeShortcuts(start, moves);
    for (;;) {
        std::vector<CSolverMove> pruned = PruneSolution(start, best);
        if (pruned.size() >= best.size()) return best;
        best = TakeShortcuts(start, pruned);
    }
}
