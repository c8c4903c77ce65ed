#include "CardValues.h"

#include <cstring>

namespace {
const char* const kRankNames[] = {"Blank", "Ace",   "Two",  "Three", "Four", "Five",  "Six",
                                  "Seven", "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
const char* const kSuitNames[] = {"Clubs", "Hearts", "Spades", "Diamonds"};
} // namespace

const char* RankName(int nRank) {
    return nRank >= 0 && nRank <= kKing ? kRankNames[nRank] : nullptr;
}

const char* SuitName(int nSuit) {
    return nSuit >= 0 && nSuit < kSuitCount ? kSuitNames[nSuit] : nullptr;
}

std::string CardName(int nSuit, int nRank) {
    const char* pszRank = RankName(nRank);
    const char* pszSuit = SuitName(nSuit);
    return std::string(pszRank ? pszRank : "") + " of " + (pszSuit ? pszSuit : "");
}

namespace {
const char kRankLetters[] = "A23456789TJQK";
const char kSuitLetters[] = "CHSD";
} // namespace

std::string CardCode(int nSuit, int nRank) {
    if (nSuit < 0 || nSuit >= kSuitCount || nRank < kAce || nRank > kKing) return "--";
    return std::string{kRankLetters[nRank - 1], kSuitLetters[nSuit]};
}

bool ParseCardCode(const std::string& code, int& nSuit, int& nRank) {
    if (code.size() != 2) return false;
    const char* pRank = code[0] != '\0' ? std::strchr(kRankLetters, code[0]) : nullptr;
    const char* pSuit = code[1] != '\0' ? std::strchr(kSuitLetters, code[1]) : nullptr;
    if (pRank == nullptr || pSuit == nullptr) return false;
    nRank = static_cast<int>(pRank - kRankLetters) + 1;
    nSuit = static_cast<int>(pSuit - kSuitLetters);
    return true;
}
