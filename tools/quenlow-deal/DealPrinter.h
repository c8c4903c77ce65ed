// The deal of one seed: the deck order after the shuffle, the fans as dealt and after the
// King fix-up, as text or JSON.
#pragma once

#include "CardValues.h"
#include "Deal.h"

#include <cstdint>
#include <string>
#include <vector>

struct CDealReport {
    std::uint32_t nSeed = 0;
    std::vector<std::string> deck;                 // 52 codes, position 0 first
    std::vector<std::vector<std::string>> dealt;   // 18 fans of 3 codes, "--" when empty
    std::vector<std::vector<std::string>> fixedUp; // the same after the King fix-up
};

CDealReport MakeDealReport(std::uint32_t nSeed);
std::string FormatText(const CDealReport& report);
std::string FormatJson(const CDealReport& report);
// The fixed-up layout as a table in text, as quenlow-solve --position reads it: one line a fan
// with its cards from bottom to top ("-" for none), then the four empty foundations.
std::string FormatPosition(const CDealReport& report);
// The integers of the two records the game stores for a deal as dealt: a line "initial ..." and
// a line "game ..." (that deal in progress, before the King fix-up).
std::string FormatRecords(const CDeal& deal);
