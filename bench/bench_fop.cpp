// Time of the point-list operations on a full list, against the same
// operations done with the literal bubble sort. A button press must stay well
// inside one frame (16 ms); the bubble sort's removal takes seconds.

#include "fop/FopPoints.h"

#include "../tests/fop/ReferenceBubbleSort.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;
using stakewell::fop::MaxFOPPoints;

constexpr double E2 = 500.0;
constexpr double MiddleDistance = 200.0;

// A list as Add leaves it: distances in half-foot steps up to 400 ft, so that
// each distance is read some forty times, and a resistance for each reading.
FallOfPotential SortedList(int count) {
    FallOfPotential fop;
    fop.FOPE2Distance = E2;
    std::vector<FOPPoint> points{FOPPoint{}};
    for (int i = 0; i < count; ++i) {
        const double feet = 0.5 + 0.5 * static_cast<double>((i * 7919) % 800);
        points.push_back({feet, 25.0 - feet / 20.0 + 0.001 * (i % 97)});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const FOPPoint& a, const FOPPoint& b) { return a.Distance < b.Distance; });
    fop.Replace(std::move(points), count);
    return fop;
}

const FallOfPotential& AlmostFull() {
    static const FallOfPotential list = SortedList(MaxFOPPoints - 1);
    return list;
}

const FallOfPotential& Full() {
    static const FallOfPotential list = SortedList(MaxFOPPoints);
    return list;
}

// Which point a removal takes: the first, the middle or the last.
int CurrentFor(std::int64_t which) {
    return which == 0 ? 1 : which == 1 ? MaxFOPPoints / 2 : MaxFOPPoints;
}

template <typename Add> void TimeAdd(benchmark::State& state, Add add) {
    for (auto _ : state) {
        state.PauseTiming();
        FallOfPotential fop = AlmostFull();
        state.ResumeTiming();
        benchmark::DoNotOptimize(add(fop));
        benchmark::ClobberMemory();
    }
}

template <typename Remove> void TimeRemove(benchmark::State& state, Remove remove) {
    for (auto _ : state) {
        state.PauseTiming();
        FallOfPotential fop = Full();
        fop.Browse(CurrentFor(state.range(0)));
        state.ResumeTiming();
        benchmark::DoNotOptimize(remove(fop));
        benchmark::ClobberMemory();
    }
}

void BM_AddPoint(benchmark::State& state) {
    TimeAdd(state, [](FallOfPotential& fop) { return fop.AddPoint(MiddleDistance, 10.0); });
}

void BM_ReferenceAddPoint(benchmark::State& state) {
    TimeAdd(state,
            [](FallOfPotential& fop) { return reference::AddPoint(fop, MiddleDistance, 10.0); });
}

void BM_RemovePoint(benchmark::State& state) {
    TimeRemove(state, [](FallOfPotential& fop) { return fop.RemovePoint(); });
}

void BM_ReferenceRemovePoint(benchmark::State& state) {
    TimeRemove(state, [](FallOfPotential& fop) { return reference::RemovePoint(fop); });
}

void BM_Browse(benchmark::State& state) {
    FallOfPotential fop = Full();
    int value = 0;
    for (auto _ : state) {
        value = value == 0 ? MaxFOPPoints / 2 : 0;
        benchmark::DoNotOptimize(fop.Browse(value));
    }
}

BENCHMARK(BM_AddPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceAddPoint)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RemovePoint)
    ->ArgName("first_middle_last")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceRemovePoint)
    ->ArgName("first_middle_last")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Browse);

} // namespace
