// Speed of the solver's parts and of whole solves (not a test: run by hand, see the README).
#include "CardAnalysis.h"
#include "RelaxedGame.h"
#include "SeedDeal.h"
#include "SolverMoves.h"
#include "SolverSearch.h"

#include <benchmark/benchmark.h>

namespace {
std::vector<CPosition> Deals(int nCount, bool bKings) {
    std::vector<CPosition> deals;
    deals.reserve(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        deals.push_back(MakeSeedPosition(static_cast<std::uint32_t>(i), bKings));
    return deals;
}

void BM_GenerateMoves(benchmark::State& state) {
    CSolverState table(MakeSeedPosition(7, false));
    CSolverMove moves[kMaxMoves];
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateMoves(table, moves));
}
BENCHMARK(BM_GenerateMoves);

void BM_CanonicalKey(benchmark::State& state) {
    CSolverState table(MakeSeedPosition(7, true));
    for (auto _ : state)
        benchmark::DoNotOptimize(table.Key());
}
BENCHMARK(BM_CanonicalKey);

void BM_CardAnalysis(benchmark::State& state) {
    CSolverState table(MakeSeedPosition(7, false));
    for (auto _ : state)
        benchmark::DoNotOptimize(CCardAnalysis(table).HasCycle());
}
BENCHMARK(BM_CardAnalysis);

// One relaxed search from scratch: the Jacks, Queens and Kings of a lost mid-game table.
void BM_RelaxedGame(benchmark::State& state) {
    CPosition position;
    const int kFans[][3] = {{CardId(3, 2), CardId(3, 3), -1},
                            {CardId(3, 9), CardId(0, 10), CardId(2, 11)},
                            {CardId(3, 11), CardId(0, 13), -1},
                            {CardId(2, 10), CardId(0, 8), CardId(1, 13)},
                            {CardId(1, 12), CardId(3, 13), -1},
                            {CardId(1, 6), CardId(3, 7), CardId(1, 8)},
                            {CardId(3, 6), CardId(3, 5), CardId(3, 4)},
                            {CardId(1, 5), -1, -1},
                            {CardId(1, 10), CardId(2, 13), -1},
                            {CardId(1, 9), CardId(3, 10), -1},
                            {CardId(3, 1), CardId(0, 12), CardId(1, 11)},
                            {CardId(1, 4), CardId(2, 12), -1},
                            {CardId(1, 7), CardId(3, 8), -1},
                            {CardId(3, 12), CardId(0, 11), -1},
                            {CardId(0, 9), -1, -1}};
    int f = 0;
    for (const auto& fan : kFans) {
        for (int c : fan)
            if (c >= 0) position.m_fan[f].push_back(c);
        ++f;
    }
    position.m_nHome[0] = 7;
    position.m_nHome[1] = 3;
    position.m_nHome[2] = 9;
    position.m_nHome[3] = 0;
    CSolverState table(position);
    for (auto _ : state) {
        CRelaxedGame relaxed;
        relaxed.SetMaxNodes(1000000);
        benchmark::DoNotOptimize(relaxed.Examine(table, 11, 13));
    }
}
BENCHMARK(BM_RelaxedGame)->Unit(benchmark::kMillisecond);

// Whole solves of the first deals, each cut off at 50 ms: the easy majority.
void BM_SolveFirstDeals(benchmark::State& state) {
    std::vector<CPosition> deals = Deals(50, state.range(0) != 0);
    CSolver solver(std::size_t(256) << 20);
    CSolveLimits limits;
    limits.m_dMaxSeconds = 0.05;
    std::uint64_t nStates = 0;
    for (auto _ : state)
        for (const CPosition& deal : deals)
            nStates += solver.Solve(deal, limits).m_nStates;
    state.counters["states/s"] =
        benchmark::Counter(static_cast<double>(nStates), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SolveFirstDeals)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
