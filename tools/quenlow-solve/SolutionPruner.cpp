#include "SolutionPruner.h"

#include "SolverMoves.h"

namespace {
// A move by cards: the card, and the card it goes onto; kHome or kEmptyFan otherwise.
struct CCardMove {
    int m_nCard;
    int m_nOnto;
};
constexpr int kHome = -1;
constexpr int kEmptyFan = -2;

std::vector<CCardMove> ByCards(const CPosition& start, const std::vector<CSolverMove>& moves) {
    std::vector<CCardMove> out;
    CSolverState state(start);
    for (const CSolverMove& move : moves) {
        int nOnto = move.m_nTo == kToHome          ? kHome
                    : state.Count(move.m_nTo) == 0 ? kEmptyFan
                                                   : state.Top(move.m_nTo);
        out.push_back(CCardMove{move.m_nCard, nOnto});
        state.Apply(move);
    }
    return out;
}

// The move by fans on this table, if it is legal there.
bool ByFans(const CSolverState& state, const CCardMove& move, CSolverMove& out) {
    int nWhere = state.Where(move.m_nCard);
    if (nWhere < 0) return false;
    int nFrom = nWhere / kSolverSlots;
    if (state.Top(nFrom) != move.m_nCard) return false;
    int nTo = -1;
    if (move.m_nOnto == kHome) {
        nTo = HomePileOfSuit(CardSuit(move.m_nCard));
    } else {
        for (int f = 0; f < kSolverFans && nTo < 0; ++f)
            if (move.m_nOnto == kEmptyFan ? state.Count(f) == 0 : state.Top(f) == move.m_nOnto)
                nTo = f;
    }
    if (nTo < 0 || !IsLegalMove(state, nFrom, nTo)) return false;
    out = CSolverMove{static_cast<std::uint8_t>(nFrom),
                      static_cast<std::uint8_t>(nTo >= kSolverFans ? kToHome : nTo),
                      static_cast<std::uint8_t>(move.m_nCard)};
    return true;
}

// Plays the moves from move nFirst on, from the table before it, leaving out moves nSkip and
// nSkip2; true when they win.
bool Plays(const CSolverState& before, const std::vector<CCardMove>& moves, std::size_t nFirst,
           std::size_t nSkip, std::size_t nSkip2, std::vector<CSolverMove>* pByFans = nullptr) {
    CSolverState state = before;
    for (std::size_t i = nFirst; i < moves.size(); ++i) {
        if (i == nSkip || i == nSkip2) continue;
        CSolverMove move;
        if (!ByFans(state, moves[i], move)) return false;
        state.Apply(move);
        if (pByFans) pByFans->push_back(move);
    }
    return state.IsWon();
}

// The next move of the same card after move i, or the end.
std::size_t NextOfCard(const std::vector<CCardMove>& moves, std::size_t i) {
    for (std::size_t j = i + 1; j < moves.size(); ++j)
        if (moves[j].m_nCard == moves[i].m_nCard) return j;
    return moves.size();
}

void Erase(std::vector<CCardMove>& moves, std::size_t i) {
    moves.erase(moves.begin() + static_cast<std::ptrdiff_t>(i));
}

// Tries, for the fan move i: leaving it out; leaving out the card's next move too (a round
// trip); going straight to where the card's next move takes it. True when one wins.
bool PruneMove(const CSolverState& before, std::vector<CCardMove>& cards, std::size_t i) {
    std::size_t nEnd = cards.size();
    if (Plays(before, cards, i, i, nEnd)) {
        Erase(cards, i);
        return true;
    }
    std::size_t j = NextOfCard(cards, i);
    if (j == nEnd) return false;
    if (Plays(before, cards, i, i, j)) {
        Erase(cards, j);
        Erase(cards, i);
        return true;
    }
    CCardMove saved = cards[i];
    cards[i].m_nOnto = cards[j].m_nOnto;
    if (Plays(before, cards, i, j, nEnd)) {
        Erase(cards, j);
        return true;
    }
    cards[i] = saved;
    return false;
}
} // namespace

std::vector<CSolverMove> PruneSolution(const CPosition& start,
                                       const std::vector<CSolverMove>& moves) {
    std::vector<CCardMove> cards = ByCards(start, moves);
    // The tables before each move: a change at move i leaves those up to it as they are.
    std::vector<CSolverState> before{CSolverState(start)};
    for (std::size_t i = 0; i + 1 < moves.size(); ++i) {
        before.push_back(before.back());
        before.back().Apply(moves[i]);
    }
    // Last move first: a needless move late in the line often makes earlier ones needed.
    for (std::size_t i = cards.size(); i-- > 0;) {
        if (i < cards.size() && cards[i].m_nOnto != kHome) PruneMove(before[i], cards, i);
    }
    std::vector<CSolverMove> out;
    if (!Plays(before[0], cards, 0, cards.size(), cards.size(), &out)) return moves;
    return out;
}
