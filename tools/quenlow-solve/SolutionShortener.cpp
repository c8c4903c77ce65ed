#include "SolutionShortener.h"

#include "SolverMoves.h"

#include <initializer_list>

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

// The tables of the path, found by their layout: open addressing on the hash.
class CPathIndex {
public:
    explicit CPathIndex(const std::vector<CSolverState>& tables) : m_tables(tables) {
        std::size_t nSlots = 16;
        while (nSlots < tables.size() * 4)
            nSlots *= 2;
        m_slots.assign(nSlots, CSlot{0, kEmpty});
        for (std::size_t i = 0; i < tables.size(); ++i) {
            std::uint64_t nHash = LayoutHash(tables[i]);
            std::size_t j = nHash & (nSlots - 1);
            while (m_slots[j].m_nIndex != kEmpty)
                j = (j + 1) & (nSlots - 1);
            m_slots[j] = CSlot{nHash, i};
        }
    }
    // The furthest index beyond nAfter of a table of the path that the moves reach from the
    // table given (its hash after them is nHash), or 0 when there is none.
    std::size_t Find(std::uint64_t nHash, std::size_t nAfter, const CSolverState& from,
                     std::initializer_list<CSolverMove> moves) const {
        std::size_t nMask = m_slots.size() - 1;
        std::size_t nFound = 0;
        for (std::size_t j = nHash & nMask; m_slots[j].m_nIndex != kEmpty; j = (j + 1) & nMask) {
            const CSlot& slot = m_slots[j];
            if (slot.m_nHash != nHash || slot.m_nIndex <= nAfter) continue;
            CSolverState state = from;
            for (const CSolverMove& move : moves)
                state.Apply(move);
            if (SameLayout(m_tables[slot.m_nIndex], state)) nAfter = nFound = slot.m_nIndex;
        }
        return nFound;
    }

private:
    struct CSlot {
        std::uint64_t m_nHash;
        std::size_t m_nIndex;
    };
    static constexpr std::size_t kEmpty = ~std::size_t(0);
    const std::vector<CSolverState>& m_tables;
    std::vector<CSlot> m_slots;
};

struct CShortcut {
    std::size_t m_nTo; // index of the table reached
    std::vector<CSolverMove> m_moves;
};

// The furthest table of the path that one or two moves from table i reach.
CShortcut FurthestReach(const CSolverState& from, std::size_t i, const CPathIndex& index,
                        const CSolverMove& next, bool bTwoMoves) {
    CShortcut best{i + 1, {next}};
    std::uint64_t nHash = LayoutHash(from);
    CSolverMove first[kMaxMoves];
    int n = GenerateMoves(from, first);
    for (int a = 0; a < n; ++a) {
        std::uint64_t nOne = nHash ^ MoveHash(from, first[a]);
        std::size_t j = index.Find(nOne, best.m_nTo, from, {first[a]});
        if (j > best.m_nTo) best = CShortcut{j, {first[a]}};
        if (!bTwoMoves) continue;
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

std::vector<CSolverMove> OnePass(const CPosition& start, const std::vector<CSolverMove>& moves,
                                 bool bTwoMoves) {
    std::vector<CSolverState> tables{CSolverState(start)};
    for (const CSolverMove& move : moves) {
        tables.push_back(tables.back());
        tables.back().Apply(move);
    }
    CPathIndex index(tables);
    std::vector<CSolverMove> out;
    for (std::size_t i = 0; i < moves.size();) {
        // A table the path comes back to later is a loop: go on from its last visit.
        std::size_t nLater = index.Find(LayoutHash(tables[i]), i, tables[i], {});
        if (nLater > i) {
            i = nLater;
            continue;
        }
        CShortcut cut = FurthestReach(tables[i], i, index, moves[i], bTwoMoves);
        out.insert(out.end(), cut.m_moves.begin(), cut.m_moves.end());
        i = cut.m_nTo;
    }
    return out;
}
} // namespace

std::vector<CSolverMove> ShortenSolution(const CPosition& start,
                                         const std::vector<CSolverMove>& moves) {
    // Shortcuts of one move first; those of two cost more and are looked for only while the
    // solution still has many more moves than cards to send home.
    std::size_t nCards = CSolverState(start).CardsOnTable();
    std::vector<CSolverMove> best = moves;
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
