// Decides every seed of a range, on several threads, and sums the answers up.
#pragma once

#include "SolverSearch.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct CBatchOptions {
    std::uint32_t m_nFrom = 0;
    std::uint32_t m_nTo = 0;
    bool m_bKingsAllowed = false;
    int m_nThreads = 1;
    CSolveLimits m_limits;
    std::size_t m_nMaxBytes = 0; // per thread
};

struct CDealOutcome {
    std::uint32_t m_nSeed = 0;
    SolveResult m_result = SolveResult::Undecided;
    int m_nMoves = 0;
    std::uint64_t m_nStates = 0;
    double m_dSeconds = 0;
};

// Calls onProgress(deals done, deals in all) now and then on the calling thread.
std::vector<CDealOutcome> RunBatch(const CBatchOptions& options,
                                   const std::function<void(std::size_t, std::size_t)>& onProgress);

struct CBatchSummary {
    std::size_t m_nDeals = 0;
    std::size_t m_nWinnable = 0;
    std::size_t m_nNotWinnable = 0;
    std::size_t m_nUndecided = 0;
    // The win rate among the decided deals, and its 95 % interval with the undecided deals
    // counted as unknown: from all of them lost to all of them won.
    double m_dWinRate = 0;
    double m_dLow = 0;
    double m_dHigh = 0;
    double m_dMedianSeconds = 0;
    double m_dP90Seconds = 0;
    double m_dMaxSeconds = 0;
    double m_dDecidedWithin[3] = {}; // fractions decided within 0.1 s, 1 s and 10 s
    std::uint64_t m_nStates = 0;
    double m_dSeconds = 0; // summed over the deals
    double m_dMeanMoves = 0;
    int m_nMedianMoves = 0;
    int m_nMaxMoves = 0;
};

CBatchSummary Summarise(const std::vector<CDealOutcome>& outcomes);
std::string FormatSummary(const CBatchSummary& summary, const CBatchOptions& options);
std::string FormatCsv(const std::vector<CDealOutcome>& outcomes);

// The 95 % Wilson score interval of k successes in n trials.
void WilsonInterval(std::size_t k, std::size_t n, double& dLow, double& dHigh);
