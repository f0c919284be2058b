#include "fop/FopAnalysis.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// The largest survey the program accepts, a curve that rises and flattens
// with every distance read several times over, against E2 = 1000 ft.
stakewell::fop::FallOfPotential LargestSurvey() {
    std::vector<stakewell::fop::FOPPoint> points{stakewell::fop::FOPPoint{}};
    for (int i = 1; i <= stakewell::fop::MaxFOPPoints; ++i) {
        const double feet = 1.0 + std::floor(i / 40.0) * 0.5;
        points.push_back({feet, 2.0 + 7.0 * (1.0 - std::exp(-feet / 150.0)) + i * 1e-6});
    }
    stakewell::fop::FallOfPotential fop;
    fop.Replace(std::move(points), stakewell::fop::MaxFOPPoints);
    return fop;
}

constexpr double E2 = 1000.0;

// What every mouse move over the graph cost while each analysis started by
// sorting a copy of the list.
void BM_AnalysisFromTheList(benchmark::State& state) {
    const stakewell::fop::FallOfPotential fop = LargestSurvey();
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::fop::Analyse(fop, E2));
    }
}
BENCHMARK(BM_AnalysisFromTheList)->Unit(benchmark::kMillisecond);

// What a mouse move costs now: the list is unchanged since the last refresh.
void BM_AnalysisOnAMouseMove(benchmark::State& state) {
    const stakewell::fop::FallOfPotential fop = LargestSurvey();
    stakewell::fop::AnalysisCache cache;
    cache.Analyse(fop, E2, stakewell::fop::DefaultTolerancePercent);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            cache.Analyse(fop, E2, stakewell::fop::DefaultTolerancePercent));
    }
}
BENCHMARK(BM_AnalysisOnAMouseMove)->Unit(benchmark::kMillisecond);

} // namespace
