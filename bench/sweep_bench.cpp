// The heaviest sweep (all four operations, three arguments, brackets, both ranges 100), by the
// production sweep and by the straightforward rendering of the rules, side by side.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

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

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_SweepStraightforward(benchmark::State& state) {
    const GenerationOptions options = HeaviestOptions();
    const auto pairs = BuildOperationPairs(options);
    size_t problems = 0;
    for (auto _ : state) {
        auto catalogue = testing::ReferenceSweep(options, pairs);
        problems = 0;
        for (const auto& group : catalogue) problems += group.problems.size();
        benchmark::DoNotOptimize(catalogue.data());
    }
    state.counters["problems"] = static_cast<double>(problems);
}

void BM_Sweep(benchmark::State& state) {
    const GenerationOptions options = HeaviestOptions();
    const auto pairs = BuildOperationPairs(options);
    int64_t problems = 0;
    for (auto _ : state) {
        Dudedur catalogue;
        SweepProblems(options, pairs, catalogue);
        problems = catalogue.ProblemCount();
        benchmark::DoNotOptimize(catalogue.groups.data());
    }
    state.counters["problems"] = static_cast<double>(problems);
    // Run first, so that the process's peak is this sweep's own.
    state.counters["peak_MB"] = PeakResidentMegabytes();
}

BENCHMARK(BM_Sweep)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SweepStraightforward)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace dudedur
