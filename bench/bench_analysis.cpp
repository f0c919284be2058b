#include "analysis/FopAnalysis.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// The largest survey the program accepts, a curve that rises and flattens
// with every distance read several times over, against E2 = 1000 ft.
stakewell::survey::FallOfPotential LargestSurvey() {
    std::vector<stakewell::survey::FOPPoint> points{stakewell::survey::FOPPoint{}};
    for (int i = 1; i <= stakewell::survey::MaxFOPPoints; ++i) {
        const double feet = 1.0 + std::floor(i / 40.0) * 0.5;
        points.push_back({feet, 2.0 + 7.0 * (1.0 - std::exp(-feet / 150.0)) + i * 1e-6});
    }
    stakewell::survey::FallOfPotential fop;
    fop.Replace(std::move(points), stakewell::survey::MaxFOPPoints);
    return fop;
}

constexpr double E2 = 1000.0;

// What every mouse move over the graph cost while each analysis started by
// sorting a copy of the list.
void BM_AnalysisFromTheList(benchmark::State& state) {
    const stakewell::survey::FallOfPotential fop = LargestSurvey();
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::analysis::Analyse(fop, E2));
    }
}
BENCHMARK(BM_AnalysisFromTheList)->Unit(benchmark::kMillisecond);

// What a mouse move costs now: the list is unchanged since the last refresh.
void BM_AnalysisOnAMouseMove(benchmark::State& state) {
    const stakewell::survey::FallOfPotential fop = LargestSurvey();
    stakewell::analysis::AnalysisCache cache;
    cache.Analyse(fop, E2, stakewell::analysis::DefaultTolerancePercent);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            cache.Analyse(fop, E2, stakewell::analysis::DefaultTolerancePercent));
    }
}
BENCHMARK(BM_AnalysisOnAMouseMove)->Unit(benchmark::kMillisecond);

} // namespace
