#include "model/sweep.h"

namespace dudedur {

std::vector<OperType> BuildOperationPairs(const GenerationOptions& options) {
    std::vector<OperType> pairs;
    if (!options.threeArguments) {
        if (options.subtraction) pairs.push_back({kOpNone, kOpSub});
        if (options.addition) pairs.push_back({kOpNone, kOpAdd});
        if (options.multiplication) pairs.push_back({kOpNone, kOpMul});
        if (options.division) pairs.push_back({kOpNone, kOpDiv});
        return pairs;
    }
    const bool chosen[5] = {false, options.addition, options.subtraction, options.multiplication,
                            options.division};
    for (int32_t op = kOpAdd; op <= kOpDiv; ++op) {
        if (chosen[op]) pairs.push_back({op, op});
    }
    for (int32_t first = kOpAdd; first <= kOpDiv; ++first) {
        for (int32_t second = first + 1; second <= kOpDiv; ++second) {
            if (chosen[first] && chosen[second]) {
                pairs.push_back({first, second});
                pairs.push_back({second, first});
            }
        }
    }
    return pairs;
}

void SweepProblems(const GenerationOptions& options, const std::vector<OperType>& pairs,
                   Dudedur& catalogue, const SweepProgress& progress) {
    const int32_t lower = SweepLowerBound(options);
    const int32_t aLower = options.threeArguments ? lower : 0;
    const int32_t aUpper = options.threeArguments ? kSweepUpperBound : 0;
    if (progress) progress(0, kSweepUpperBound);
    for (int32_t a = aLower; a <= aUpper; ++a) {
        if (options.threeArguments && progress) progress(a + 1, kSweepUpperBound);
        for (int32_t b = lower; b <= kSweepUpperBound; ++b) {
            if (!options.threeArguments && progress) progress(b + 1, kSweepUpperBound);
            for (int32_t c = lower; c <= kSweepUpperBound; ++c) {
                for (const OperType& pair : pairs) {
                    DudedurZadanie problem;
                    problem.a = a;
                    problem.b = b;
                    problem.c = c;
                    problem.op1 = options.threeArguments ? pair.op1 : kOpNone;
                    problem.op2 = pair.op2;
                    if (!options.brackets) {
                        problem.bracketMode = kBracketsNone;
                        problem.Evaluate(options.addRange, options.mulRange);
                        if (!problem.invalid) catalogue.AddProblem(problem);
                        continue;
                    }
                    problem.bracketMode = kBracketsLeft;
                    problem.Evaluate(options.addRange, options.mulRange);
                    if (!problem.invalid) catalogue.AddProblem(problem);
                    if (problem.op1 == kOpAdd && problem.op2 == kOpAdd) continue;
                    problem.bracketMode = kBracketsRight;
                    problem.Evaluate(options.addRange, options.mulRange);
                    if (!problem.invalid) catalogue.AddProblem(problem);
                }
            }
        }
    }
}

Status BuildCatalogue(const GenerationOptions& options, Dudedur& catalogue,
                      const SweepProgress& progress) {
    catalogue.ClearGroups();
    const std::vector<OperType> pairs = BuildOperationPairs(options);
    if (pairs.empty()) return Status::Error(kNoOperationMessage);
    SweepProblems(options, pairs, catalogue, progress);
    return Status::Ok();
}

}  // namespace dudedur
