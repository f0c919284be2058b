#include "calc/DesignSheet.h"
#include "shared/NumberReading.h"

#include <benchmark/benchmark.h>

namespace {

// A full recalculation from the nine field texts to all fourteen label texts.
void RecalculateFromTexts(benchmark::State& state) {
    stakewell::calc::SheetInputs in{
        {"100", "10", "0.625", std::to_string(state.range(0)), "60", "0.1019", "2.5", "10", "100"}};
    stakewell::calc::SheetResults labels;
    for (auto _ : state) {
        stakewell::calc::ComputeSheet(in, labels);
        benchmark::DoNotOptimize(labels);
    }
}
BENCHMARK(RecalculateFromTexts)->Arg(4)->Arg(32767)->Unit(benchmark::kMicrosecond);

void ReadNumberAlone(benchmark::State& state) {
    const std::string texts[] = {"100", "0.1019", "  2.5E+01 ft", "&HFF", ""};
    for (auto _ : state) {
        for (const std::string& text : texts) {
            benchmark::DoNotOptimize(stakewell::shared::ReadNumber(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(ReadNumberAlone)->Unit(benchmark::kNanosecond);

} // namespace
