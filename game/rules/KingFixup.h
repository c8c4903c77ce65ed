// After every fresh deal, a King lying above a card of its own suit in its fan is moved
// beneath that card. The rule lives here so the deal animation and the tools share it.
#pragma once

#include "GameRules.h"

#include <functional>
#include <utility>

// Called after each exchange: slots nLowerSlot and nLowerSlot + 1 of fan nFan changed places.
using KingExchangeHandler = std::function<void(int nFan, int nLowerSlot)>;

// Runs passes until one makes no exchange; returns the number of exchanges. The fans hold the
// document's cards or a pure deal's (anything with HasCard, GetSuit and GetRank).
template <class Card>
int FixUpKings(Card (&fan)[kFanCount][kFanSlots], const KingExchangeHandler& onExchange) {
    auto sameSuit = [](const Card& a, const Card& b) {
        return a.HasCard() && b.HasCard() && a.GetSuit() == b.GetSuit();
    };
    auto exchange = [&](int f, int nLower) {
        std::swap(fan[f][nLower], fan[f][nLower + 1]);
        if (onExchange) onExchange(f, nLower);
    };
    int nTotal = 0;
    for (;;) {
        int nPass = 0;
        for (int f = 0; f < kFanCount; ++f) {
            if (fan[f][1].GetRank() == kKing && sameSuit(fan[f][0], fan[f][1])) {
                exchange(f, 0);
                ++nPass;
            }
        }
        // Only the fans dealt three cards have a third.
        for (int f = 0; f < kFansDealtThree; ++f) {
            const Card& king = fan[f][2];
            if (king.GetRank() == kKing &&
                (sameSuit(king, fan[f][1]) || sameSuit(king, fan[f][0]))) {
                exchange(f, 1);
                ++nPass;
            }
        }
        nTotal += nPass;
        if (nPass == 0) return nTotal;
    }
}
