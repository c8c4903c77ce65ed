#include "SolverTestSupport.h"

#include "CardValues.h"
#include "ModelTestSupport.h"
#include "SolverMoves.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <unordered_set>
#include <sstream>

CPosition MakePosition(const std::vector<std::string>& fans, int nClubs, int nHearts, int nSpades,
                       int nDiamonds, bool bKings) {
    CPosition position;
    position.m_bKingsAllowed = bKings;
    position.m_nHome[kClubs] = nClubs;
    position.m_nHome[kHearts] = nHearts;
    position.m_nHome[kSpades] = nSpades;
    position.m_nHome[kDiamonds] = nDiamonds;
    for (size_t f = 0; f < fans.size(); ++f) {
        std::istringstream in(fans[f]);
        for (std::string code; in >> code;) {
            int nSuit = 0;
            int nRank = 0;
            EXPECT_TRUE(ParseCardCode(code, nSuit, nRank)) << code;
            position.m_fan[f].push_back(CardId(nSuit, nRank));
        }
    }
    EXPECT_EQ(CheckPosition(position), "");
    return position;
}

CPosition RandomPosition(std::mt19937& rng, int nCards, int nFans, bool bKings) {
    // Cut the 52 cards into the four suits' foundations and the cards above them.
    CPosition position;
    position.m_bKingsAllowed = bKings;
    std::vector<int> onTable;
    int nLeft = nCards;
    for (int s = 0; s < 4; ++s) {
        int nUp = s == 3 ? nLeft : std::min(nLeft, static_cast<int>(rng() % (nLeft + 1)));
        nUp = std::min(nUp, 13);
        nLeft -= nUp;
        position.m_nHome[s] = 13 - nUp;
        for (int r = 14 - nUp; r <= 13; ++r)
            onTable.push_back(CardId(s, r));
    }
    for (int s = 0; nLeft > 0 && s < 4; ++s) {
        while (nLeft > 0 && position.m_nHome[s] > 0) {
            onTable.push_back(CardId(s, position.m_nHome[s]--));
            --nLeft;
        }
    }
    std::shuffle(onTable.begin(), onTable.end(), rng);
    EXPECT_LE(nCards, 3 * nFans) << "more cards than the fans hold";
    for (int nCard : onTable) {
        int f = static_cast<int>(rng() % nFans);
        for (int tries = 0; position.m_fan[f].size() >= 3 && tries < kSolverFans; ++tries)
            f = (f + 1) % nFans;
        position.m_fan[f].push_back(nCard);
    }
    EXPECT_EQ(CheckPosition(position), "");
    return position;
}

CPosition SmallTable(std::mt19937& rng, int i) {
    int nCards = 8 + static_cast<int>(rng() % 7);
    int nFans = (nCards + 2) / 3 + static_cast<int>(rng() % 3);
    return RandomPosition(rng, nCards, nFans, i % 3 == 0);
}

CRulesDoc::CRulesDoc(const CPosition& position) {
    m_pDoc = std::make_unique<CQuenlowDoc>(m_platform);
    std::vector<std::string> fans(kFanCount);
    for (int f = 0; f < kFanCount; ++f)
        for (int nCard : position.m_fan[f])
            fans[f] += CardCode(CardSuit(nCard), CardRank(nCard)) + " ";
    std::vector<std::string> tops;
    for (int nSuit = 0; nSuit < kSuitCount; ++nSuit)
        if (position.m_nHome[nSuit] > 0) tops.push_back(CardCode(nSuit, position.m_nHome[nSuit]));
    SetTableByCodes(*m_pDoc, fans, tops);
    if ((m_pDoc->AreKingsAllowed() != FALSE) != position.m_bKingsAllowed) m_pDoc->OnKings();
}

bool CRulesDoc::IsEmpty() const {
    for (int f = 0; f < kFanCount; ++f)
        if (m_pDoc->GetCardCount(f) != 0) return false;
    return true;
}

std::string CRulesDoc::Table() const {
    std::string out;
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < m_pDoc->GetCardCount(f); ++s)
            out += CardCode(m_pDoc->GetCard(f, s).GetSuit(), m_pDoc->GetCard(f, s).GetRank());
        out += '|';
    }
    for (int p = kFanCount; p < kPileCount; ++p)
        out += std::to_string(m_pDoc->GetTopCard(p).GetRank()) + ",";
    return out;
}

bool ReplaySolution(const CPosition& position, const std::vector<CSolverMove>& moves,
                    std::string& failure) {
    CRulesDoc rules(position);
    CQuenlowDoc& doc = rules.Doc();
    for (size_t i = 0; i < moves.size(); ++i) {
        const CSolverMove& move = moves[i];
        int nTo = move.m_nTo == kToHome ? HomePileOfSuit(CardSuit(move.m_nCard)) : move.m_nTo;
        CCard top = doc.GetTopCard(move.m_nFrom);
        if (CardId(top.GetSuit(), top.GetRank()) != move.m_nCard ||
            !doc.CanMove(move.m_nFrom, nTo) || !doc.MoveCard(move.m_nFrom, nTo)) {
            failure = "move " + std::to_string(i + 1) + " is not legal";
            return false;
        }
    }
    if (!rules.IsEmpty()) {
        failure = "cards are left on the fans";
        return false;
    }
    return true;
}

namespace {
// The table as it lies, fan by fan: no two fan orders are taken for one.
std::string RawTable(const CSolverState& state) {
    std::string out;
    for (int f = 0; f < kSolverFans; ++f) {
        for (int s = 0; s < state.Count(f); ++s)
            out += static_cast<char>(state.Card(f, s));
        out += '|';
    }
    return out;
}
} // namespace

int PlainSearch(const CPosition& position, int nMaxTables) {
    struct CNode {
        CSolverState m_state;
        int m_nNext; // the next (from, to) pair to try, as from * 22 + to
    };
    std::unordered_set<std::string> seen;
    std::vector<CNode> stack{CNode{CSolverState(position), 0}};
    if (stack.back().m_state.IsWon()) return 1;
    seen.insert(RawTable(stack.back().m_state));
    while (!stack.empty()) {
        CNode& node = stack.back();
        if (node.m_nNext == kSolverFans * 22) {
            stack.pop_back();
            continue;
        }
        int nFrom = node.m_nNext / 22;
        int nTo = node.m_nNext % 22;
        ++node.m_nNext;
        if (!IsLegalMove(node.m_state, nFrom, nTo)) continue;
        CSolverState next = node.m_state;
        int nCard = next.Top(nFrom);
        next.Apply(CSolverMove{static_cast<std::uint8_t>(nFrom),
                               static_cast<std::uint8_t>(nTo < kSolverFans ? nTo : kToHome),
                               static_cast<std::uint8_t>(nCard)});
        if (next.IsWon()) return 1;
        if (!seen.insert(RawTable(next)).second) continue;
        if (static_cast<int>(seen.size()) > nMaxTables) return -1;
        stack.push_back(CNode{next, 0});
    }
    return 0;
}
