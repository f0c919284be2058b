#include "soil/LayeredEarth.h"
#include "soil/LayeredFit.h"
#include "soil/SoilFit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

using stakewell::soil::SoilArray;
using stakewell::soil::SoilPoint;

// A long traverse of 30 readings from 1 ft to 300 ft over a clay-like upper
// layer 2.5 m deep on drier ground, each reading a few percent off the curve
// as field readings are; a sounding's MN is a tenth of its AB.
std::vector<SoilPoint> Traverse(SoilArray array) {
    const stakewell::soil::TwoLayerSoil soil{80.0, 400.0, 2.5};
    std::vector<SoilPoint> points;
    for (int i = 0; i < 30; ++i) {
        const double metres = 0.3048 * std::pow(300.0, i / 29.0);
        const double halfMN = array == SoilArray::Schlumberger ? metres / 10.0 : 0.0;
        const double offPercent = 3.0 * std::sin(1.7 * i);
        points.push_back({metres,
                          stakewell::soil::ModelResistivity(array, soil, metres, halfMN) *
                              (1.0 + offPercent / 100.0),
                          halfMN});
    }
    return points;
}

void BM_FitWennerTraverse(benchmark::State& state) {
    const std::vector<SoilPoint> points = Traverse(SoilArray::Wenner);
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::soil::FitTwoLayers(SoilArray::Wenner, points));
    }
}
BENCHMARK(BM_FitWennerTraverse)->Unit(benchmark::kMillisecond)->Repetitions(9);

void BM_FitSchlumbergerSounding(benchmark::State& state) {
    const std::vector<SoilPoint> points = Traverse(SoilArray::Schlumberger);
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::soil::FitTwoLayers(SoilArray::Schlumberger, points));
    }
}
BENCHMARK(BM_FitSchlumbergerSounding)->Unit(benchmark::kMillisecond)->Repetitions(9);

// One reading of the forward model a fit over one to four layers calls for
// every reading and every step.
void BM_WennerFourLayers(benchmark::State& state) {
    const stakewell::soil::LayeredEarth earth{{43.0, 82.0, 20.0, 300.0}, {2.8, 13.4, 40.0}};
    double spacing = 10.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(spacing);
        benchmark::DoNotOptimize(stakewell::soil::WennerApparent(earth, spacing));
    }
}
BENCHMARK(BM_WennerFourLayers)->Unit(benchmark::kMicrosecond)->Repetitions(9);

// Thirty Schlumberger readings from 1 m to 300 m over three layers, a few
// percent off the curve: choosing among one to four layers.
void BM_ChooseLayersThirtyReadings(benchmark::State& state) {
    const stakewell::soil::LayeredEarth earth{{43.0, 82.0, 20.0}, {2.8, 13.4}};
    stakewell::soil::Sounding sounding{SoilArray::Schlumberger, {}};
    for (int i = 0; i < 30; ++i) {
        stakewell::soil::SoundingReading reading{std::pow(300.0, i / 29.0), 0.0, 0.0};
        reading.halfMNMetres = reading.metres / 10.0;
        reading.ohmMetres =
            stakewell::soil::ModelApparent(SoilArray::Schlumberger, earth, reading) *
            (1.0 + 0.03 * std::sin(1.7 * i));
        sounding.readings.push_back(reading);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::soil::FitLayers(sounding));
    }
}
BENCHMARK(BM_ChooseLayersThirtyReadings)->Unit(benchmark::kMillisecond)->Repetitions(9);

} // namespace
