#include "DealPrinter.h"

#include "Deal.h"
#include "KingFixup.h"
#include "SavedRecords.h"

#include <sstream>

namespace {
std::vector<std::vector<std::string>> FanCodes(const CDealtCard (&fan)[kFanCount][kFanSlots]) {
    std::vector<std::vector<std::string>> out;
    for (const auto& slots : fan) {
        std::vector<std::string> codes;
        for (const CDealtCard& card : slots)
            codes.push_back(card.HasCard() ? CardCode(card.GetSuit(), card.GetRank()) : "--");
        out.push_back(codes);
    }
    return out;
}

std::string JoinCodes(const std::vector<std::string>& codes, const char* sep, const char* quote) {
    std::string out;
    for (size_t i = 0; i < codes.size(); ++i)
        out += (i ? sep : "") + std::string(quote) + codes[i] + quote;
    return out;
}

void AppendFans(std::ostringstream& os, const char* title,
                const std::vector<std::vector<std::string>>& fans) {
    os << title << "\n";
    for (size_t f = 0; f < fans.size(); ++f)
        os << "fan " << (f + 1) << ": " << JoinCodes(fans[f], " ", "") << "\n";
}

std::string JoinInts(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4)
        out += (i ? " " : "") + std::to_string(DecodeInt(&bytes[i]));
    return out;
}

void AppendJsonFans(std::ostringstream& os, const std::vector<std::vector<std::string>>& fans) {
    os << "[";
    for (size_t f = 0; f < fans.size(); ++f)
        os << (f ? "," : "") << "[" << JoinCodes(fans[f], ",", "\"") << "]";
    os << "]";
}
} // namespace

CDealReport MakeDealReport(std::uint32_t nSeed) {
    CDeal deal = DealFromSeed(nSeed);
    CDealReport report;
    report.nSeed = nSeed;
    for (int nCard : deal.m_nDeck)
        report.deck.push_back(CardCode(nCard / kRankCount, nCard % kRankCount + 1));
    report.dealt = FanCodes(deal.m_fan);
    FixUpKings(deal.m_fan, nullptr);
    report.fixedUp = FanCodes(deal.m_fan);
    return report;
}

std::string FormatText(const CDealReport& report) {
    std::ostringstream os;
    os << "seed " << report.nSeed << "\n";
    os << "deck " << JoinCodes(report.deck, " ", "") << "\n";
    AppendFans(os, "dealt", report.dealt);
    AppendFans(os, "after the King fix-up", report.fixedUp);
    return os.str();
}

std::string FormatJson(const CDealReport& report) {
    std::ostringstream os;
    os << "{\"seed\":" << report.nSeed << ",\"deck\":[" << JoinCodes(report.deck, ",", "\"")
       << "],\"dealt\":";
    AppendJsonFans(os, report.dealt);
    os << ",\"fixedUp\":";
    AppendJsonFans(os, report.fixedUp);
    os << "}\n";
    return os.str();
}

std::string FormatPosition(const CDealReport& report) {
    std::ostringstream os;
    for (const std::vector<std::string>& fan : report.fixedUp) {
        std::vector<std::string> cards;
        for (const std::string& code : fan)
            if (code != "--") cards.push_back(code);
        os << (cards.empty() ? "-" : JoinCodes(cards, " ", "")) << "\n";
    }
    os << "foundations C:- D:- S:- H:-\n";
    return os.str();
}

std::string FormatRecords(const CDeal& deal) {
    CInitialRecord initial;
    CSavedGameRecord game;
    initial.m_bInitialValid = 1;
    game.m_bSavedGame = 1;
    game.m_bSavedInProgress = 1;
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s) {
            // An undealt place: suit 0, rank 0 in the deal, -1 in the table.
            const CDealtCard& card = deal.m_fan[f][s];
            initial.m_nInitialSuit[SlotIndex(f, s)] = card.GetSuit();
            initial.m_nInitialRank[SlotIndex(f, s)] = card.GetRank();
            game.m_nSavedSuit[SlotIndex(f, s)] = card.HasCard() ? card.GetSuit() : -1;
            game.m_nSavedRank[SlotIndex(f, s)] = card.HasCard() ? card.GetRank() : -1;
        }
    }
    for (auto& pair : game.m_nSavedFoundation)
        pair[0] = pair[1] = -1;
    return "initial " + JoinInts(initial.Encode()) + "\ngame " + JoinInts(game.Encode()) + "\n";
}
