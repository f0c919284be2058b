#include "soil/LayeredEarth.h"
#include "soil/LayeredFit.h"
#include "soil/SoilFit.h"
#include "soil/SurveyLayers.h"
#include "soil/TwoLayerDesign.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
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

// Two Wenner traverses of fifteen spacings each, from 0.5 m to 40 m and the
// second's 7 % wider, over three layers, every reading off the curve by a
// fixed pseudo-random share of sigma 2 % as field readings are.
stakewell::soil::Sounding TwoTraverses() {
    const stakewell::soil::LayeredEarth earth{{120.0, 35.0, 260.0}, {1.6, 7.0}};
    stakewell::soil::Sounding sounding{SoilArray::Wenner, {}};
    std::uint32_t state = 20261210U;
    for (const double stretch : {1.0, 1.07}) {
        for (int i = 0; i < 15; ++i) {
            state = state * 1664525U + 1013904223U;
            const double unit = static_cast<double>(state) / 4294967296.0;
            const double off = 0.02 * std::sqrt(3.0) * (2.0 * unit - 1.0);
            stakewell::soil::SoundingReading reading{stretch * 0.5 * std::pow(80.0, i / 14.0), 0.0,
                                                     0.0};
            reading.ohmMetres =
                stakewell::soil::ModelApparent(SoilArray::Wenner, earth, reading) * (1.0 + off);
            sounding.readings.push_back(reading);
        }
    }
    return sounding;
}

// Choosing among one to four layers over both traverses' thirty readings.
void BM_ChooseLayersTwoTraverses(benchmark::State& state) {
    const stakewell::soil::Sounding sounding = TwoTraverses();
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::soil::FitLayers(sounding));
    }
}
BENCHMARK(BM_ChooseLayersTwoTraverses)->Unit(benchmark::kMillisecond)->Repetitions(9);

// The survey read as the window reads it: the same readings as two named
// traverses, chosen among one to four layers jointly, each traverse fitted
// alone, the outliers marked and the curve with its band. The traverses are
// fitted beside the joint fit on threads of their own: the time is the
// wall's, which the user waits.
void BM_LayerSurveyTwoTraverses(benchmark::State& state) {
    stakewell::soil::SoilSurvey survey{SoilArray::Wenner, stakewell::soil::LengthUnit::Metres, {}};
    const stakewell::soil::Sounding both = TwoTraverses();
    for (std::size_t i = 0; i < both.readings.size(); ++i) {
        const stakewell::soil::SoundingReading& r = both.readings[i];
        stakewell::soil::SoilReading reading;
        reading.spacing = r.metres;
        reading.ohms = r.ohmMetres / (2.0 * std::numbers::pi * r.metres);
        reading.traverse = i < 15 ? "N-S" : "E-W";
        survey.readings.push_back(reading);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::soil::LayerSurvey(survey));
    }
}
BENCHMARK(BM_LayerSurveyTwoTraverses)->Unit(benchmark::kMillisecond)->Repetitions(9)->UseRealTime();

} // namespace

// The design in two-layer ground as the design page recomputes it on every
// keystroke: one rod, the rods in a line and around a ring with their wire,
// 3 m rods 3 m apart, the wire 0.762 m down, and a contrast of 99 to 1 either
// way (K = +-0.98), where the images' series is longest. The boundary lies
// 5 cm down (a thin crust: its images stand close together for many orders),
// at the wire itself, at 1 m, or below the rods' tips.
void BM_TwoLayerDesign(benchmark::State& state) {
    const int rods = static_cast<int>(state.range(0));
    const double k = static_cast<double>(state.range(1)) / 100.0;
    const double depth = static_cast<double>(state.range(2)) / 1000.0;
    const stakewell::soil::TwoLayerSoil soil{100.0, 100.0 * (1.0 + k) / (1.0 - k), depth};
    const stakewell::soil::GroundingDesign design{3.0,    0.015875, rods, 3.0 * (rods - 1),
                                                  0.0026, 0.762};
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::soil::ComputeTwoLayerDesign(soil, design));
    }
}
BENCHMARK(BM_TwoLayerDesign)
    ->ArgNames({"rods", "K%", "h_mm"})
    ->ArgsProduct({{4, 32}, {-98, 98}, {50, 762, 1000, 4000}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
