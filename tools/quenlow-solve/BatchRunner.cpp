#include "BatchRunner.h"

#include "SeedDeal.h"
#include "SolveOutput.h"
#include "WorkerThreads.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>

std::vector<CDealOutcome>
RunBatch(const CBatchOptions& options,
         const std::function<void(std::size_t, std::size_t)>& onProgress) {
    std::size_t nDeals = static_cast<std::size_t>(options.m_nTo - options.m_nFrom) + 1;
    std::vector<CDealOutcome> outcomes(nDeals);
    std::atomic<std::size_t> nNext{0};
    std::atomic<std::size_t> nDone{0};
    auto work = [&](int) {
        CSolver solver(options.m_nMaxBytes);
        for (std::size_t i = nNext++; i < nDeals; i = nNext++) {
            std::uint32_t nSeed = options.m_nFrom + static_cast<std::uint32_t>(i);
            CPosition position = MakeSeedPosition(nSeed, options.m_bKingsAllowed);
            CSolveReport report = solver.Solve(position, options.m_limits);
            CDealOutcome& outcome = outcomes[i];
            outcome.m_nSeed = nSeed;
            outcome.m_result = report.m_result;
            outcome.m_nMoves = static_cast<int>(report.m_moves.size());
            outcome.m_nStates = report.m_nStates;
            outcome.m_dSeconds = report.m_dSeconds;
            ++nDone;
        }
    };
    RunOnThreads(std::max(1, options.m_nThreads), work, [&] { onProgress(nDone.load(), nDeals); });
    onProgress(nDone.load(), nDeals);
    return outcomes;
}

void WilsonInterval(std::size_t k, std::size_t n, double& dLow, double& dHigh) {
    if (n == 0) {
        dLow = 0;
        dHigh = 1;
        return;
    }
    const double z = 1.959964;
    const auto dN = static_cast<double>(n);
    double p = static_cast<double>(k) / dN;
    double dDenominator = 1 + z * z / dN;
    double dCentre = (p + z * z / (2 * dN)) / dDenominator;
    double dHalf = z * std::sqrt(p * (1 - p) / dN + z * z / (4.0 * dN * dN)) / dDenominator;
    dLow = std::max(0.0, dCentre - dHalf);
    dHigh = std::min(1.0, dCentre + dHalf);
}

namespace {
double Quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    auto i = static_cast<std::size_t>(std::ceil(q * static_cast<double>(values.size())));
    return values[i == 0 ? 0 : std::min(i, values.size()) - 1];
}
} // namespace

CBatchSummary Summarise(const std::vector<CDealOutcome>& outcomes) {
    CBatchSummary s;
    s.m_nDeals = outcomes.size();
    std::vector<double> times;
    std::vector<double> moves;
    const double kWithin[3] = {0.1, 1, 10};
    for (const CDealOutcome& o : outcomes) {
        times.push_back(o.m_dSeconds);
        s.m_nStates += o.m_nStates;
        s.m_dSeconds += o.m_dSeconds;
        if (o.m_result == SolveResult::Winnable) {
            ++s.m_nWinnable;
            moves.push_back(o.m_nMoves);
            s.m_nMaxMoves = std::max(s.m_nMaxMoves, o.m_nMoves);
        } else if (o.m_result == SolveResult::NotWinnable) {
            ++s.m_nNotWinnable;
        } else {
            ++s.m_nUndecided;
        }
        for (int i = 0; i < 3; ++i)
            if (o.m_result != SolveResult::Undecided && o.m_dSeconds <= kWithin[i])
                s.m_dDecidedWithin[i] += 1.0 / static_cast<double>(outcomes.size());
    }
    std::size_t nDecided = s.m_nWinnable + s.m_nNotWinnable;
    s.m_dWinRate =
        nDecided ? static_cast<double>(s.m_nWinnable) / static_cast<double>(nDecided) : 0;
    double dUnused = 0;
    WilsonInterval(s.m_nWinnable, s.m_nDeals, s.m_dLow, dUnused);
    WilsonInterval(s.m_nWinnable + s.m_nUndecided, s.m_nDeals, dUnused, s.m_dHigh);
    s.m_dMedianSeconds = Quantile(times, 0.5);
    s.m_dP90Seconds = Quantile(times, 0.9);
    s.m_dMaxSeconds = Quantile(times, 1.0);
    for (double m : moves)
        s.m_dMeanMoves += m / static_cast<double>(moves.size());
    s.m_nMedianMoves = static_cast<int>(Quantile(moves, 0.5));
    return s;
}

namespace {
std::string Format(const char* pFormat, double a, double b = 0, double c = 0) {
    char text[160];
    std::snprintf(text, sizeof text, pFormat, a, b, c);
    return text;
}

std::string Duration(double d) {
    return d < 1 ? Format("%.2f ms", d * 1000) : Format("%.2f s", d);
}
} // namespace

std::string FormatSummary(const CBatchSummary& s, const CBatchOptions& options) {
    std::string out = "seeds " + std::to_string(options.m_nFrom) + " to " +
                      std::to_string(options.m_nTo) + ", Kings " +
                      (options.m_bKingsAllowed ? "allowed" : "not allowed") + " in empty fans";
    if (options.m_limits.m_dMaxSeconds > 0)
        out += Format(options.m_limits.m_bCpuTime ? ", at most %g s of processor time"
                                                  : ", at most %g s",
                      options.m_limits.m_dMaxSeconds);
    if (options.m_limits.m_nMaxStates > 0)
        out += ", at most " + std::to_string(options.m_limits.m_nMaxStates) + " states";
    out += " a deal\n";
    double n = s.m_nDeals ? static_cast<double>(s.m_nDeals) : 1;
    const auto dWinnable = static_cast<double>(s.m_nWinnable);
    const auto dNotWinnable = static_cast<double>(s.m_nNotWinnable);
    const auto dUndecided = static_cast<double>(s.m_nUndecided);
    out += Format("winnable       %6.0f  (%.1f %%)\n", dWinnable, 100 * dWinnable / n);
    out += Format("not winnable   %6.0f  (%.1f %%)\n", dNotWinnable, 100 * dNotWinnable / n);
    out += Format("undecided      %6.0f  (%.1f %%)\n", dUndecided, 100 * dUndecided / n);
    out += Format("win rate       %.1f %% of the decided deals; 95 %% interval %.1f %%",
                  100 * s.m_dWinRate, 100 * s.m_dLow);
    out += Format(" to %.1f %% (undecided counted as unknown)\n", 100 * s.m_dHigh);
    out += "time per deal  median " + Duration(s.m_dMedianSeconds) + ", p90 " +
           Duration(s.m_dP90Seconds) + ", max " + Duration(s.m_dMaxSeconds) + "\n";
    out += Format("decided within 0.1 s %.1f %%, 1 s %.1f %%, 10 s %.1f %%\n",
                  100 * s.m_dDecidedWithin[0], 100 * s.m_dDecidedWithin[1],
                  100 * s.m_dDecidedWithin[2]);
    out += "states         " + std::to_string(s.m_nStates) + " in all";
    if (s.m_dSeconds > 0)
        out += Format(", %.0f per second", static_cast<double>(s.m_nStates) / s.m_dSeconds);
    out += "\n";
    if (s.m_nWinnable > 0)
        out += Format("solution moves mean %.1f, median %.0f, max %.0f\n", s.m_dMeanMoves,
                      s.m_nMedianMoves, s.m_nMaxMoves);
    return out;
}

std::string FormatCsv(const std::vector<CDealOutcome>& outcomes) {
    std::string out = "seed,result,moves,states,seconds\n";
    for (const CDealOutcome& o : outcomes) {
        out += std::to_string(o.m_nSeed) + "," + ResultName(o.m_result) + "," +
               std::to_string(o.m_nMoves) + "," + std::to_string(o.m_nStates) +
               Format(",%.6f\n", o.m_dSeconds);
    }
    return out;
}
