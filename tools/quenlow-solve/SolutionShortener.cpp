#include "SolutionShortener.h"

#include "SolutionPruner.h"
#include "SolverMoves.h"

#include <algorithm>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace {
// Solutions with more moves than this a card get a search of kSearchNodes tables for each
// run of more than kLongRun fan moves, kDeepNodes in all.
constexpr std::size_t kLongPerCard = 2;
constexpr std::size_t kLongRun = 24;
constexpr std::size_t kSearchNodes = 50000;
constexpr std::size_t kDeepNodes = 1000000;

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

std::uint64_t FanHash(const CSolverState& state, int f) {
    std::uint64_t n = 0;
    for (int s = 0; s < state.Count(f); ++s)
        n = n << 8 | static_cast<std::uint64_t>(state.Card(f, s) + 1);
    return n ? Mix(n) : 0;
}

std::uint64_t HomeHash(const CSolverState& state) {
    std::uint64_t n = 0;
    for (int s = 0; s < 4; ++s)
        n = n << 8 | static_cast<std::uint64_t>(state.Home(s));
    return Mix(n ^ 0x5555555555555555ull);
}

// A hash of the table that does not depend on the order of its fans: a sum over them.
std::uint64_t TableHash(const CSolverState& state) {
    std::uint64_t h = HomeHash(state);
    for (int f = 0; f < kSolverFans; ++f)
        h += FanHash(state, f);
    return h;
}

// The hash after a move, from the hash before it: only two fans (or the foundations) change.
std::uint64_t HashAfter(const CSolverState& before, std::uint64_t h, const CSolverState& after,
                        const CSolverMove& move) {
    h += FanHash(after, move.m_nFrom) - FanHash(before, move.m_nFrom);
    if (move.m_nTo == kToHome) return h + HomeHash(after) - HomeHash(before);
    return h + FanHash(after, move.m_nTo) - FanHash(before, move.m_nTo);
}

// The path's tables, each found by its hash and checked by its canonical key, with the last
// place the path holds it: a table with its fans in another order is the same table, and the
// rest of the path can be played from either, naming cards instead of fans.
class CPathIndex {
public:
    explicit CPathIndex(const CPosition& start, const std::vector<CSolverMove>& moves) {
        CSolverState state(start);
        Add(state, 0);
        for (std::size_t i = 0; i < moves.size(); ++i) {
            m_tables.push_back(state);
            state.Apply(moves[i]);
            Add(state, i + 1);
        }
    }
    // The furthest place of the table (whose hash is h) on the path, or 0 when the path does
    // not hold it.
    std::size_t Last(const CSolverState& state, std::uint64_t h) const {
        auto it = m_last.find(h);
        if (it == m_last.end() || !(m_keys[it->second] == state.Key())) return 0;
        return it->second;
    }
    // The table before move i, as the path lays it out.
    const CSolverState& Before(std::size_t i) const { return m_tables[i]; }

private:
    void Add(const CSolverState& state, std::size_t i) {
        m_keys.push_back(state.Key());
        m_last[TableHash(state)] = i;
    }

    std::vector<CSolverState> m_tables;
    std::vector<CStateKey> m_keys;
    std::unordered_map<std::uint64_t, std::size_t> m_last;
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
    std::uint64_t h = TableHash(table);
    CSolverMove first[kMaxMoves];
    int n = GenerateMoves(table, first);
    for (int a = 0; a < n; ++a) {
        CSolverState one = table;
        one.Apply(first[a]);
        std::uint64_t hOne = HashAfter(table, h, one, first[a]);
        std::size_t j = index.Last(one, hOne);
        if (j > best.m_nTo) best = CShortcut{j, {first[a], first[a]}, 1};
        if (!bTwoMoves) continue;
        CSolverMove second[kMaxMoves];
        int m = GenerateMoves(one, second);
        for (int b = 0; b < m; ++b) {
            CSolverState two = one;
            two.Apply(second[b]);
            std::size_t k = index.Last(two, HashAfter(one, hOne, two, second[b]));
            if (k > best.m_nTo + 1) best = CShortcut{k, {first[a], second[b]}, 2};
        }
    }
    return best;
}

// For each card on the table, the card beneath it (kSolverCards at the bottom of a fan).
void Beneath(const CSolverState& state, int (&nBeneath)[kSolverCards]) {
    for (int f = 0; f < kSolverFans; ++f)
        for (int s = 0; s < state.Count(f); ++s)
            nBeneath[state.Card(f, s)] = s ? state.Card(f, s - 1) : kSolverCards;
}

// How many cards lie on something else than in the target (the target has the same cards on
// its fans): 0 exactly when the two are the same table.
int Distance(const CSolverState& state, const int (&nTarget)[kSolverCards]) {
    int nBeneath[kSolverCards];
    Beneath(state, nBeneath);
    int n = 0;
    for (int f = 0; f < kSolverFans; ++f)
        for (int s = 0; s < state.Count(f); ++s)
            n += nBeneath[state.Card(f, s)] != nTarget[state.Card(f, s)];
    return n;
}

// A way from the table to the target table (the same cards on the fans, in another order),
// by a best-first search through at most nNodes tables that weighs the cards out of place
// above the moves made; none when it finds none.
std::vector<CSolverMove> SearchToward(const CSolverState& table, const CSolverState& target,
                                      std::size_t nNodes) {
    struct CNode {
        CSolverState m_state;
        int m_nParent;
        int m_nDepth;
        CSolverMove m_move;
    };
    int nTarget[kSolverCards];
    Beneath(target, nTarget);
    std::vector<CNode> nodes{CNode{table, -1, 0, CSolverMove{}}};
    std::unordered_set<std::uint64_t> seen{TableHash(table)};
    std::vector<std::pair<int, int>> queue{{3 * Distance(table, nTarget), 0}};
    int nFound = -1;
    while (!queue.empty() && nodes.size() < nNodes && nFound < 0) {
        std::pop_heap(queue.begin(), queue.end(), std::greater<>());
        int q = queue.back().second;
        queue.pop_back();
        CSolverMove moves[kMaxMoves];
        int n = GenerateMoves(nodes[q].m_state, moves);
        for (int a = 0; a < n && nFound < 0; ++a) {
            if (moves[a].m_nTo == kToHome) continue; // the target has as many cards home
            CNode child{nodes[q].m_state, q, nodes[q].m_nDepth + 1, moves[a]};
            child.m_state.Apply(moves[a]);
            if (!seen.insert(TableHash(child.m_state)).second) continue;
            int nDistance = Distance(child.m_state, nTarget);
            if (nDistance == 0 && child.m_state.Key() == target.Key())
                nFound = static_cast<int>(nodes.size());
            queue.emplace_back(child.m_nDepth + 3 * nDistance, static_cast<int>(nodes.size()));
            std::push_heap(queue.begin(), queue.end(), std::greater<>());
            nodes.push_back(child);
        }
    }
    std::vector<CSolverMove> out;
    for (int k = nFound; k > 0; k = nodes[k].m_nParent)
        out.insert(out.begin(), nodes[k].m_move);
    return out;
}

// Moves of the path from place i up to the next foundation move.
std::size_t FanMovesAhead(const std::vector<CSolverMove>& moves, std::size_t i) {
    std::size_t j = i;
    while (j < moves.size() && moves[j].m_nTo != kToHome)
        ++j;
    return j - i;
}

// Each long run of fan moves is searched for a shorter way to the table it ends at.
std::vector<CSolverMove> DeepPass(const CPosition& start, const std::vector<CSolverMove>& moves) {
    CPathIndex index(start, moves);
    CSolverState table(start);
    std::vector<CSolverMove> out;
    std::size_t nNodes = kDeepNodes;
    std::size_t nPlainUntil = 0; // a run searched in vain is played as it stands
    for (std::size_t i = 0; i < moves.size();) {
        std::size_t nRun = FanMovesAhead(moves, i);
        if (i >= nPlainUntil && nRun > kLongRun && nNodes > 0 && i + nRun < moves.size()) {
            std::size_t nThis = nNodes < kSearchNodes ? nNodes : kSearchNodes;
            nNodes -= nThis;
            std::vector<CSolverMove> way = SearchToward(table, index.Before(i + nRun), nThis);
            if (!way.empty() && way.size() < nRun) {
                for (const CSolverMove& move : way)
                    table.Apply(move);
                out.insert(out.end(), way.begin(), way.end());
                i += nRun;
                continue;
            }
            nPlainUntil = i + nRun;
        }
        CSolverMove move = Translate(table, index.Before(i), moves[i]);
        table.Apply(move);
        out.push_back(move);
        ++i;
    }
    return out;
}

std::vector<CSolverMove> OnePass(const CPosition& start, const std::vector<CSolverMove>& moves,
                                 bool bTwoMoves) {
    CPathIndex index(start, moves);
    CSolverState table(start);
    std::vector<CSolverMove> out;
    // A table the path comes back to later is a loop: go on from its last visit.
    for (std::size_t i = index.Last(table, TableHash(table)); i < moves.size();
         i = index.Last(table, TableHash(table))) {
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

std::vector<CSolverMove> ShortenSolution(const CPosition& start,
                                         const std::vector<CSolverMove>& moves) {
    // A round of shortcuts and pruning; more rounds, and shortcuts of two moves, which cost
    // more, only while the solution still has many more moves than cards to send home.
    std::size_t nCards = CSolverState(start).CardsOnTable();
    std::vector<CSolverMove> best = moves;
    if (best.size() > kLongPerCard * nCards) best = DeepPass(start, best);
    for (bool bTwoMoves = false;;) {
        std::vector<CSolverMove> shorter = PruneSolution(start, OnePass(start, best, bTwoMoves));
        bool bShorter = shorter.size() < best.size();
        if (bShorter) best.swap(shorter);
        if (best.size() * 2 <= nCards * 3) return best;
        if (!bShorter) {
            if (bTwoMoves) return best;
            bTwoMoves = true;
        }
    }
}
