#include "SolutionShortener.h"

#include "SolverMoves.h"

#include <string>
#include <unordered_map>

namespace {
// The table exactly as it lies, fan by fan: later moves name fans, so the shortcut must
// reach the very same layout, not merely the same table with its fans in another order.
std::string Layout(const CSolverState& state) {
    std::string out(kSolverFans * kSolverSlots, '\xff');
    for (int f = 0; f < kSolverFans; ++f)
        for (int s = 0; s < state.Count(f); ++s)
            out[f * kSolverSlots + s] = static_cast<char>(state.Card(f, s));
    return out;
}

// Every legal move, Kings to any empty fan included.
int AllMoves(const CSolverState& state, CSolverMove* pMoves) {
    int n = 0;
    for (int nFrom = 0; nFrom < kSolverFans; ++nFrom) {
        if (state.Count(nFrom) == 0) continue;
        auto card = static_cast<std::uint8_t>(state.Top(nFrom));
        for (int nTo = 0; nTo < kSolverFans; ++nTo)
            if (IsLegalMove(state, nFrom, nTo))
                pMoves[n++] = CSolverMove{static_cast<std::uint8_t>(nFrom),
                                          static_cast<std::uint8_t>(nTo), card};
        if (IsLegalMove(state, nFrom, HomePileOfSuit(CardSuit(card))))
            pMoves[n++] = CSolverMove{static_cast<std::uint8_t>(nFrom), kToHome, card};
    }
    return n;
}

struct CShortcut {
    std::size_t m_nTo; // index of the table reached
    std::vector<CSolverMove> m_moves;
};

// The furthest table of the path that one or two moves from table i reach.
CShortcut FurthestReach(const CSolverState& from, std::size_t i,
                        const std::unordered_map<std::string, std::size_t>& index,
                        const CSolverMove& next) {
    CShortcut best{i + 1, {next}};
    CSolverMove first[kSolverFans * (kSolverFans + 1)];
    int n = AllMoves(from, first);
    for (int a = 0; a < n; ++a) {
        CSolverState one = from;
        one.Apply(first[a]);
        auto it = index.find(Layout(one));
        if (it != index.end() && it->second > best.m_nTo) best = CShortcut{it->second, {first[a]}};
        CSolverMove second[kSolverFans * (kSolverFans + 1)];
        int m = AllMoves(one, second);
        for (int b = 0; b < m; ++b) {
            CSolverState two = one;
            two.Apply(second[b]);
            auto jt = index.find(Layout(two));
            if (jt != index.end() && jt->second > best.m_nTo + 1)
                best = CShortcut{jt->second, {first[a], second[b]}};
        }
    }
    return best;
}

std::vector<CSolverMove> OnePass(const CPosition& start, const std::vector<CSolverMove>& moves) {
    std::vector<CSolverState> tables{CSolverState(start)};
    std::unordered_map<std::string, std::size_t> index{{Layout(tables[0]), 0}};
    for (const CSolverMove& move : moves) {
        tables.push_back(tables.back());
        tables.back().Apply(move);
        index[Layout(tables.back())] = tables.size() - 1;
    }
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
