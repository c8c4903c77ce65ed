#include "SolutionShortener.h"

#include "SolverMoves.h"

#include <initializer_list>
#include <unordered_map>

namespace {
// A hash of the table exactly as it lies, fan by fan: later moves name fans, so a shortcut
// must reach the very same layout, not merely the same table with its fans in another order.
// Each card in each slot adds one fixed random word, so a move changes it by two words.
struct CZobrist {
    std::uint64_t m_nWord[kSolverFans * kSolverSlots][kSolverCards];
    CZobrist() {
        std::uint64_t x = 0x9e3779b97f4a7c15ull;
        for (auto& slot : m_nWord) {
            for (std::uint64_t& w : slot) {
                x += 0x9e3779b97f4a7c15ull;
                std::uint64_t z = x;
                z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
                z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
                w = z ^ (z >> 31);
            }
        }
    }
};
const CZobrist g_zobrist;

std::uint64_t LayoutHash(const CSolverState& state) {
    std::uint64_t h = 0;
    for (int f = 0; f < kSolverFans; ++f)
        for (int s = 0; s < state.Count(f); ++s)
            h ^= g_zobrist.m_nWord[f * kSolverSlots + s][state.Card(f, s)];
    return h;
}

// The change of the hash that a move makes, from the table before it.
std::uint64_t MoveHash(const CSolverState& state, const CSolverMove& move) {
    int nFrom = move.m_nFrom;
    std::uint64_t h =
        g_zobrist.m_nWord[nFrom * kSolverSlots + state.Count(nFrom) - 1][move.m_nCard];
    if (move.m_nTo != kToHome)
        h ^= g_zobrist.m_nWord[move.m_nTo * kSolverSlots + state.Count(move.m_nTo)][move.m_nCard];
    return h;
}

bool SameLayout(const CSolverState& a, const CSolverState& b) {
    for (int f = 0; f < kSolverFans; ++f) {
        if (a.Count(f) != b.Count(f)) return false;
        for (int s = 0; s < a.Count(f); ++s)
            if (a.Card(f, s) != b.Card(f, s)) return false;
    }
    return true;
}

// The tables of the path, found by their layout.
class CPathIndex {
public:
    explicit CPathIndex(const std::vector<CSolverState>& tables) : m_tables(tables) {
        for (std::size_t i = 0; i < tables.size(); ++i)
            m_index.emplace(LayoutHash(tables[i]), i);
    }
    // The furthest index beyond nAfter of a table of the path with this hash that the moves
    // reach from the table given, or 0 when there is none.
    std::size_t Find(std::uint64_t nHash, std::size_t nAfter, const CSolverState& from,
                     std::initializer_list<CSolverMove> moves) const {
        auto range = m_index.equal_range(nHash);
        for (auto it = range.first; it != range.second; ++it) {
            if (it->second <= nAfter) continue;
            CSolverState state = from;
            for (const CSolverMove& move : moves)
                state.Apply(move);
            if (SameLayout(m_tables[it->second], state)) return it->second;
        }
        return 0;
    }

private:
    const std::vector<CSolverState>& m_tables;
    std::unordered_multimap<std::uint64_t, std::size_t> m_index;
};

struct CShortcut {
    std::size_t m_nTo; // index of the table reached
    std::vector<CSolverMove> m_moves;
};

// The furthest table of the path that one or two moves from table i reach.
CShortcut FurthestReach(const CSolverState& from, std::size_t i, const CPathIndex& index,
                        const CSolverMove& next) {
    CShortcut best{i + 1, {next}};
    std::uint64_t nHash = LayoutHash(from);
    CSolverMove first[kMaxMoves];
    int n = GenerateMoves(from, first);
    for (int a = 0; a < n; ++a) {
        std::uint64_t nOne = nHash ^ MoveHash(from, first[a]);
        std::size_t j = index.Find(nOne, best.m_nTo, from, {first[a]});
        if (j > best.m_nTo) best = CShortcut{j, {first[a]}};
        CSolverState one = from;
        one.Apply(first[a]);
        CSolverMove second[kMaxMoves];
        int m = GenerateMoves(one, second);
        for (int b = 0; b < m; ++b) {
            std::size_t k = index.Find(nOne ^ MoveHash(one, second[b]), best.m_nTo + 1, from,
                                       {first[a], second[b]});
            if (k > best.m_nTo + 1) best = CShortcut{k, {first[a], second[b]}};
        }
    }
    return best;
}

std::vector<CSolverMove> OnePass(const CPosition& start, const std::vector<CSolverMove>& moves) {
    std::vector<CSolverState> tables{CSolverState(start)};
    for (const CSolverMove& move : moves) {
        tables.push_back(tables.back());
        tables.back().Apply(move);
    }
    CPathIndex index(tables);
    std::vector<CSolverMove> out;
    for (std::size_t i = 0; i < moves.size();) {
        CShortcut cut = FurthestReach(tables[i], i, index, moves[i]);
        out.insert(out.end(), cut.m_moves.begin(), cut.m_moves.end());
        i = cut.m_nTo;
    }
    return out;
}
} // namespace

std::vector<CSolverMove> ShortenSolution(const CPosition& start,
                                         const std::vector<CSolverMove>& moves) {
    std::vector<CSolverMove> best = moves;
    for (;;) {
        std::vector<CSolverMove> shorter = OnePass(start, best);
        if (shorter.size() >= best.size()) return best;
        best.swap(shorter);
    }
}
