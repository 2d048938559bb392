// The generation sweep written exactly as the rules read, candidate by candidate in the loop
// order (a, b, c, pair, bracket mode): the oracle for the production sweep and its benchmark.
#pragma once

#include <vector>

#include "model/catalogue.h"
#include "model/generation_options.h"

namespace dudedur::testing {

void ReferenceSweep(const GenerationOptions& options, const std::vector<OperType>& pairs,
                    Dudedur& catalogue);

}  // namespace dudedur::testing
