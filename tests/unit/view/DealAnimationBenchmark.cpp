// What the deal animation costs besides its sleeps: AnimateDeal on the headless platform, whose
// Sleep only counts, beside the nominal minimum a real run sleeps (one millisecond a step).
#include "HeadlessPlatform.h"
#include "QuenlowView.h"
#include "ViewGestureState.h"

#include <benchmark/benchmark.h>

namespace {
void BM_AnimateDeal(benchmark::State& state) {
    ResetViewGestureState();
    CHeadlessPlatform platform;
    CQuenlowDoc doc(platform);
    CQuenlowView view(platform);
    view.Attach(platform.CreateView(596, 400), &doc);
    std::uint32_t nSeed = 1;
    long nSteps = 0;
    long nAnimations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        platform.m_nTime = nSeed++;
        doc.Deal();
        platform.m_dragEvents.clear();
        platform.m_blits.clear();
        platform.m_sounds.clear();
        int nSleepsBefore = platform.m_nSleepCalls;
        state.ResumeTiming();
        view.AnimateDeal();
        nSteps += platform.m_nSleepCalls - nSleepsBefore;
        ++nAnimations;
    }
    view.Detach();
    ResetViewGestureState();
    double fSteps = nAnimations ? static_cast<double>(nSteps) / nAnimations : 0.0;
    state.counters["steps"] = fSteps;
    state.counters["nominal_min_ms"] = fSteps * 1.0;
}
} // namespace

BENCHMARK(BM_AnimateDeal)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
