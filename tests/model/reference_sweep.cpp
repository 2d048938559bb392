#include "reference_sweep.h"

#include "model/sweep.h"

namespace dudedur::testing {

namespace {

void AddProblem(std::vector<ReferenceGroup>& groups, const DudedurZadanie& problem) {
    for (ReferenceGroup& group : groups) {
        if (group.op1 == problem.op1 && group.op2 == problem.op2) {
            group.problems.push_back(problem);
            return;
        }
    }
    groups.push_back(ReferenceGroup{problem.op1, problem.op2, {problem}});
}

}  // namespace

std::vector<ReferenceGroup> ReferenceSweep(const GenerationOptions& options,
                                           const std::vector<OperType>& pairs) {
    std::vector<ReferenceGroup> catalogue;
    const int32_t lower = SweepLowerBound(options);
    const int32_t aLower = options.threeArguments ? lower : 0;
    const int32_t aUpper = options.threeArguments ? kSweepUpperBound : 0;
    for (int32_t a = aLower; a <= aUpper; ++a) {
        for (int32_t b = lower; b <= kSweepUpperBound; ++b) {
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
                        if (!problem.invalid) AddProblem(catalogue, problem);
                        continue;
                    }
                    problem.bracketMode = kBracketsLeft;
                    problem.Evaluate(options.addRange, options.mulRange);
                    if (!problem.invalid) AddProblem(catalogue, problem);
                    if (problem.op1 == kOpAdd && problem.op2 == kOpAdd) continue;
                    problem.bracketMode = kBracketsRight;
                    problem.Evaluate(options.addRange, options.mulRange);
                    if (!problem.invalid) AddProblem(catalogue, problem);
                }
            }
        }
    }
    return catalogue;
}

}  // namespace dudedur::testing
