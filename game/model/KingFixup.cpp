#include "KingFixup.h"

#include <utility>

namespace {
bool SameSuit(const CCard& a, const CCard& b) {
    return a.HasCard() && b.HasCard() && a.GetSuit() == b.GetSuit();
}

void Exchange(CCard (&fan)[kFanCount][kFanSlots], int f, int nLower,
              const KingExchangeHandler& onExchange) {
    std::swap(fan[f][nLower], fan[f][nLower + 1]);
    if (onExchange) onExchange(f, nLower);
}
} // namespace

int FixUpKings(CCard (&fan)[kFanCount][kFanSlots], const KingExchangeHandler& onExchange) {
    int nTotal = 0;
    for (;;) {
        int nPass = 0;
        for (int f = 0; f < kFanCount; ++f) {
            if (fan[f][1].GetRank() == kKing && SameSuit(fan[f][0], fan[f][1])) {
                Exchange(fan, f, 0, onExchange);
                ++nPass;
            }
        }
        // Fans 16 and 17 are dealt two cards, so only fans 0 to 15 have a third.
        for (int f = 0; f < 16; ++f) {
            const CCard& king = fan[f][2];
            if (king.GetRank() == kKing &&
                (SameSuit(king, fan[f][1]) || SameSuit(king, fan[f][0]))) {
                Exchange(fan, f, 1, onExchange);
                ++nPass;
            }
        }
        nTotal += nPass;
        if (nPass == 0) return nTotal;
    }
}
