#include "reference_sweep.h"

#include "model/sweep.h"

namespace dudedur::testing {

void ReferenceSweep(const GenerationOptions& options, const std::vector<OperType>& pairs,
                    Dudedur& catalogue) {
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

}  // namespace dudedur::testing
