// The heaviest options (all four operations, three arguments, brackets, both ranges 100): the
// production sweep, the whole generate action (sweep and a complete worksheet PDF of 10 sets of
// 18 problems, two to a page, on disk) and the straightforward rendering of the sweep's rules,
// side by side.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/random.h"
#include "model/sweep.h"
#include "pdf/Pdfhdr.h"
#include "reference_sweep.h"
#include "worksheet/generate_action.h"

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

void BM_GenerateWorksheet(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "dudedur-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    GenerateRequest request;
    request.generation = HeaviestOptions();
    request.worksheet.setCount = 10;
    request.worksheet.problemsPerSet = 18;
    request.worksheet.twoSetsPerPage = true;
    request.outputPath = folder + "/zadania.pdf";
    SeedRandom(1);
    for (auto _ : state) {
        Dudedur model;
        TRolePDF pdf;
        WorksheetSession session{model, pdf};
        const Result<std::string> written = GenerateWorksheet(request, session);
        if (!written.ok()) {
            state.SkipWithError(written.message().c_str());
            break;
        }
    }
    std::error_code ignored;
    state.counters["pdf_KB"] =
        static_cast<double>(std::filesystem::file_size(request.outputPath, ignored)) / 1024.0;
    std::filesystem::remove_all(folder, ignored);
}

BENCHMARK(BM_Sweep)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_GenerateWorksheet)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SweepStraightforward)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace dudedur
