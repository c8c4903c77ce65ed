#include "SolveOutput.h"

#include "CardValues.h"

#include <cstdio>

namespace {
std::string Seconds(double d) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", d);
    return text;
}

std::string Destination(const CSolverMove& move) {
    if (move.m_nTo == kToHome) return SuitName(CardSuit(move.m_nCard));
    return "fan " + std::to_string(move.m_nTo + 1);
}

std::string Statistics(const CSolveReport& report) {
    return std::to_string(report.m_nStates) + " states searched in " + Seconds(report.m_dSeconds) +
           " s";
}
} // namespace

const char* ResultName(SolveResult result) {
    switch (result) {
    case SolveResult::Winnable:
        return "winnable";
    case SolveResult::NotWinnable:
        return "not winnable";
    default:
        return "undecided";
    }
}

int ExitCodeOf(SolveResult result) {
    switch (result) {
    case SolveResult::Winnable:
        return 0;
    case SolveResult::NotWinnable:
        return 1;
    default:
        return 3;
    }
}

std::string DescribeMove(const CSolverMove& move) {
    int nCard = move.m_nCard;
    return std::string(RankName(CardRank(nCard))) + " of " + SuitName(CardSuit(nCard)) + ": fan " +
           std::to_string(move.m_nFrom + 1) + " -> " + Destination(move);
}

std::string FormatReportText(const CSolveReport& report) {
    std::string out;
    switch (report.m_result) {
    case SolveResult::Winnable:
        out = "winnable in " + std::to_string(report.m_moves.size()) + " moves\n";
        for (size_t i = 0; i < report.m_moves.size(); ++i)
            out += std::to_string(i + 1) + ". " + DescribeMove(report.m_moves[i]) + "\n";
        return out + "(" + Statistics(report) + ")\n";
    case SolveResult::NotWinnable:
        return "not winnable (every way was tried: " + Statistics(report) + ")\n";
    default:
        return "undecided: " + report.m_strLimit + " reached (" + Statistics(report) + ")\n";
    }
}

std::string FormatReportJson(const CSolveReport& report, bool bKingsAllowed) {
    std::string out = std::string("{\"result\":\"") + ResultName(report.m_result) +
                      "\",\"kingsAllowed\":" + (bKingsAllowed ? "true" : "false") +
                      ",\"states\":" + std::to_string(report.m_nStates) +
                      ",\"seconds\":" + Seconds(report.m_dSeconds);
    if (report.m_result == SolveResult::Undecided)
        out += ",\"limit\":\"" + report.m_strLimit + "\"";
    if (report.m_result == SolveResult::Winnable) {
        out += ",\"moves\":[";
        for (size_t i = 0; i < report.m_moves.size(); ++i) {
            const CSolverMove& move = report.m_moves[i];
            int nCard = move.m_nCard;
            out += std::string(i ? "," : "") + "{\"card\":\"" +
                   CardCode(CardSuit(nCard), CardRank(nCard)) +
                   "\",\"from\":" + std::to_string(move.m_nFrom + 1) + ",\"to\":";
            out += move.m_nTo == kToHome ? "\"" + Destination(move) + "\""
                                         : std::to_string(move.m_nTo + 1);
            out += ",\"text\":\"" + DescribeMove(move) + "\"}";
        }
        out += "]";
    }
    return out + "}\n";
}
