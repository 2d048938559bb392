// The generation sweep written exactly as the rules read, candidate by candidate in the loop
// order (a, b, c, pair, bracket mode), filing each valid problem in plain growable lists: the
// oracle for the production sweep and the baseline of its benchmark.
#pragma once

#include <vector>

#include "model/catalogue.h"
#include "model/generation_options.h"

namespace dudedur::testing {

struct ReferenceGroup {
    int32_t op1 = 0;
    int32_t op2 = 0;
    std::vector<DudedurZadanie> problems;
};

std::vector<ReferenceGroup> ReferenceSweep(const GenerationOptions& options,
                                           const std::vector<OperType>& pairs);

}  // namespace dudedur::testing
