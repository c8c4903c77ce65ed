// The solver's own compact table: card ids in bytes, fan counts and foundation heights, with
// a canonical key in which fans are interchangeable (only their contents matter).
#pragma once

#include "GameRules.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kSolverFans = kFanCount;
constexpr int kSolverSlots = kFanSlots;
constexpr int kSolverCards = kCardCount;
constexpr std::uint8_t kNoCard = 0xff;
// Destination of a move to the foundation of the moving card's own suit.
constexpr std::uint8_t kToHome = kFanCount;

// Card ids are suit * 13 + rank - 1, with the model's suit numbers (Clubs, Hearts, Spades,
// Diamonds).
inline int CardId(int nSuit, int nRank) {
    return nSuit * kRankCount + nRank - 1;
}
inline int CardSuit(int nCard) {
    return nCard / kRankCount;
}
inline int CardRank(int nCard) {
    return nCard % kRankCount + 1;
}

// A table as the tools read and write it: fans bottom to top, foundations by suit.
struct CPosition {
    std::array<std::vector<int>, kSolverFans> m_fan; // card ids, bottom first
    int m_nHome[4] = {0, 0, 0, 0}; // top rank of each suit's foundation, 0 when empty
    bool m_bKingsAllowed = false;
};

// Checks that a position is a table the game can hold: at most three cards a fan, every card
// exactly once on the fans or beneath a foundation's top. Returns an empty string when it is.
std::string CheckPosition(const CPosition& position);

struct CSolverMove {
    std::uint8_t m_nFrom = 0; // fan 0 to 17
    std::uint8_t m_nTo = 0;   // fan 0 to 17, or kToHome
    std::uint8_t m_nCard = 0; // the card that moves
};

// The canonical key: an exact number for the table, equal for two tables exactly when one is
// the other with its fans reordered. At most 182 bits are used, and bit 191 marks a key in use.
struct CStateKey {
    std::uint64_t m_w[3] = {0, 0, 0};
    bool operator==(const CStateKey& o) const {
        return m_w[0] == o.m_w[0] && m_w[1] == o.m_w[1] && m_w[2] == o.m_w[2];
    }
    bool IsUsed() const { return (m_w[2] >> 63) != 0; }
    std::uint64_t Hash() const;
};

class CSolverState {
public:
    // The position must pass CheckPosition.
    explicit CSolverState(const CPosition& position);

    int Count(int nFan) const { return m_nCount[nFan]; }
    int Card(int nFan, int nSlot) const { return m_nCard[nFan][nSlot]; }
    int Top(int nFan) const { return m_nCount[nFan] ? m_nCard[nFan][m_nCount[nFan] - 1] : -1; }
    int Home(int nSuit) const { return m_nHome[nSuit]; }
    bool IsHome(int nCard) const { return m_nHome[CardSuit(nCard)] >= CardRank(nCard); }
    int CardsOnTable() const { return m_nOnTable; }
    bool IsWon() const { return m_nOnTable == 0; }
    bool KingsAllowed() const { return m_bKingsAllowed; }
    // Where a card lies: fan * 3 + slot, or -1 on its foundation.
    int Where(int nCard) const { return m_nWhere[nCard]; }

    // The move must be legal; Undo takes back the last move made.
    void Apply(const CSolverMove& move);
    void Undo(const CSolverMove& move);

    CStateKey Key() const;
    CPosition ToPosition() const;

private:
    std::uint8_t m_nCard[kSolverFans][kSolverSlots];
    std::uint8_t m_nCount[kSolverFans];
    std::uint8_t m_nHome[4];
    std::int8_t m_nWhere[kSolverCards];
    // A fan's bottom card changes only when a King fills an emptied fan, so the cards that can
    // ever be a bottom are the bottoms of the start and the Kings: at most 22. The key lists
    // the fans in the order of their bottoms in this set; kNoBottom for the other cards.
    static constexpr std::uint8_t kNoBottom = 0xff;
    std::uint8_t m_nBottomIndex[kSolverCards];
    std::uint8_t m_nCandidate[22];
    int m_nCandidates = 0;
    int m_nOnTable = 0;
    bool m_bKingsAllowed = false;
};
