#include "analysis/FopAnalysis.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// The largest survey the program accepts, a curve that rises and flattens
// with every distance read several times over, against E2 = 1000 ft.
modStakewell::FallOfPotential LargestSurvey() {
    std::vector<modStakewell::FOPPoint> points{modStakewell::FOPPoint{}};
    for (int i = 1; i <= modStakewell::MaxFOPPoints; ++i) {
        const double feet = 1.0 + std::floor(i / 40.0) * 0.5;
        points.push_back({feet, 2.0 + 7.0 * (1.0 - std::exp(-feet / 150.0)) + i * 1e-6});
    }
    modStakewell::FallOfPotential fop;
    fop.Replace(std::move(points), modStakewell::MaxFOPPoints);
    return fop;
}

constexpr double E2 = 1000.0;

// What every mouse move over the graph cost while each analysis started by
// sorting a copy of the list.
void BM_AnalysisFromTheList(benchmark::State& state) {
    const modStakewell::FallOfPotential fop = LargestSurvey();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FopAnalysis::Analyse(fop, E2));
    }
}
BENCHMARK(BM_AnalysisFromTheList)->Unit(benchmark::kMillisecond);

// What a mouse move costs now: the list is unchanged since the last refresh.
void BM_AnalysisOnAMouseMove(benchmark::State& state) {
    const modStakewell::FallOfPotential fop = LargestSurvey();
    FopAnalysis::AnalysisCache cache;
    cache.Analyse(fop, E2, FopAnalysis::DefaultTolerancePercent);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cache.Analyse(fop, E2, FopAnalysis::DefaultTolerancePercent));
    }
}
BENCHMARK(BM_AnalysisOnAMouseMove)->Unit(benchmark::kMillisecond);

} // namespace
