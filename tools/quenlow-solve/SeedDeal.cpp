#include "SeedDeal.h"

#include "Deal.h"
#include "KingFixup.h"

CPosition MakeSeedPosition(std::uint32_t nSeed, bool bKingsAllowed) {
    CDeal deal = DealFromSeed(nSeed);
    FixUpKings(deal.m_fan, nullptr);
    CPosition position;
    position.m_bKingsAllowed = bKingsAllowed;
    for (int f = 0; f < kSolverFans; ++f) {
        for (const CDealtCard& card : deal.m_fan[f])
            if (card.HasCard()) position.m_fan[f].push_back(CardId(card.GetSuit(), card.GetRank()));
    }
    return position;
}
