// Suits and ranks as numbers, their names, and the two-letter codes the tools write.
#pragma once

#include <string>

// Suits and ranks as numbers; -1 marks "no card" in saved data.
constexpr int kClubs = 0;
constexpr int kHearts = 1;
constexpr int kSpades = 2;
constexpr int kDiamonds = 3;
constexpr int kSuitCount = 4;
constexpr int kAce = 1;
constexpr int kJack = 11;
constexpr int kQueen = 12;
constexpr int kKing = 13;
constexpr int kRankCount = 13;
constexpr int kCardCount = 52;

const char* RankName(int nRank); // "Blank" for 0; null outside 0 to 13
const char* SuitName(int nSuit); // null outside 0 to 3
// A card's name as the table says it: "Queen of Hearts".
std::string CardName(int nSuit, int nRank);

// Two-letter card codes as the tools write them: rank "A23456789TJQK", suit "CHSD" ("QH", "TC").
// An empty place is "--".
std::string CardCode(int nSuit, int nRank);
// Parses a code back; false for anything but a real card.
bool ParseCardCode(const std::string& code, int& nSuit, int& nRank);
