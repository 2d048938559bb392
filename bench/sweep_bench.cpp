#include <benchmark/benchmark.h>

#include "model/sweep.h"
#include "reference_sweep.h"

namespace dudedur {
namespace {

GenerationOptions HeaviestOptions() {
    GenerationOptions options;
    options.addition = options.subtraction = options.multiplication = options.division = true;
    options.threeArguments = true;
    options.brackets = true;
    options.addRange = 100;
    options.mulRange = 100;
    return options;
}

void BM_SweepStraightforward(benchmark::State& state) {
    const GenerationOptions options = HeaviestOptions();
    const auto pairs = BuildOperationPairs(options);
    for (auto _ : state) {
        Dudedur catalogue;
        testing::ReferenceSweep(options, pairs, catalogue);
        benchmark::DoNotOptimize(catalogue.groups.data());
    }
}
BENCHMARK(BM_SweepStraightforward)->Unit(benchmark::kMillisecond);

void BM_Sweep(benchmark::State& state) {
    const GenerationOptions options = HeaviestOptions();
    const auto pairs = BuildOperationPairs(options);
    for (auto _ : state) {
        Dudedur catalogue;
        SweepProblems(options, pairs, catalogue);
        benchmark::DoNotOptimize(catalogue.groups.data());
    }
}
BENCHMARK(BM_Sweep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dudedur
