// Tables for the solver's tests, and an oracle that plays by the game's own rules: the
// document's CanMove and MoveCard on the headless platform.
#pragma once

#include "HeadlessPlatform.h"
#include "QuenlowDoc.h"
#include "SolverState.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

// A table from card codes: fans bottom to top ("QH TC AS", "" for none), foundation tops by
// suit (Clubs, Hearts, Spades, Diamonds). Every card not on a fan must lie on a foundation.
CPosition MakePosition(const std::vector<std::string>& fans, int nClubs, int nHearts, int nSpades,
                       int nDiamonds, bool bKings = false);

// A random table with nCards cards on the first nFans fans (the others empty), every card
// below them in its suit on its foundation.
CPosition RandomPosition(std::mt19937& rng, int nCards, int nFans, bool bKings);

// The i-th of a run of small, crowded tables (8 to 14 cards on few fans, a third of them with
// Kings allowed in empty fans): small enough for the plain search, tight enough that many
// cannot be won.
CPosition SmallTable(std::mt19937& rng, int i);
constexpr int kPlainLimit = 40000;

// A document holding the position, with a game in progress.
class CRulesDoc {
public:
    explicit CRulesDoc(const CPosition& position);
    CQuenlowDoc& Doc() { return *m_pDoc; }
    bool IsEmpty() const;
    // The table as the document holds it, for comparisons.
    std::string Table() const;

private:
    CHeadlessPlatform m_platform;
    std::unique_ptr<CQuenlowDoc> m_pDoc;
};

// Plays the moves through CanMove and MoveCard; true when every move was legal and the
// fans end empty, otherwise false with the reason.
bool ReplaySolution(const CPosition& position, const std::vector<CSolverMove>& moves,
                    std::string& failure);

// Searches every table reachable by the rules (IsLegalMove, which agrees with CanMove on
// every pair of piles), with no pruning and no symmetry. Returns 1 winnable, 0 not winnable,
// -1 when more than nMaxTables tables were reached.
int PlainSearch(const CPosition& position, int nMaxTables);
