// A card as it lies in one place of the table: a plain value record.
#pragma once

#include "ShellTypes.h"

#include <string>

class CBitmap;

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

class CCard {
public:
    // A place holds a card exactly when its face is non-null; the rank and suit alone never say.
    void Clear() {
        m_nRank = 0;
        m_nSuit = 0;
        m_pFace = nullptr;
    }
    int GetRank() const { return m_nRank; }
    int GetSuit() const { return m_nSuit; }
    CBitmap* GetFace() const { return m_pFace; }
    bool HasCard() const { return m_pFace != nullptr; }
    // Values outside the range are ignored; the argument is returned either way.
    int SetRank(int n);
    int SetSuit(int n);
    void SetFace(CBitmap* pFace) { m_pFace = pFace; }

    int m_nRank = 0;
    int m_nSuit = 0;
    CBitmap* m_pFace = nullptr;
};
