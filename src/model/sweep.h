// The generation sweep: every candidate problem with arguments up to 100 that the options
// allow, evaluated with the arithmetic rules, the valid ones filed in the catalogue.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/status.h"
#include "model/catalogue.h"
#include "model/generation_options.h"

namespace dudedur {

// The largest argument the sweep tries, whatever the ranges.
inline constexpr int32_t kSweepUpperBound = 100;

// Progress of the sweep: called first with position 0, then with each position of the outer loop
// (lower bound + 1 up to kSweepUpperBound + 1). `maximum` is always kSweepUpperBound.
using SweepProgress = std::function<void(int32_t position, int32_t maximum)>;

// The refusal when no operation is chosen, shown to the user as is.
inline constexpr const char* kNoOperationMessage =
    "Nie wybrano operacji!\n\nZaznacz: dodawanie, odejmowanie, mnożenie lub dzielenie";

// The ordered operation pairs for the chosen operations: k chosen operations give k * k pairs
// with three arguments and k pairs (subtraction before addition) with two.
std::vector<OperType> BuildOperationPairs(const GenerationOptions& options);

// The lowest argument the sweep tries: 2 when 0 and 1 are skipped, else 0.
inline int32_t SweepLowerBound(const GenerationOptions& options) {
    return options.skipZeroAndOne ? 2 : 0;
}

// Files every valid problem for the options and pairs in `catalogue`, group by group in the
// order in which a sweep over (a, b, c, pair, bracket mode) meets their first valid problem,
// and within a group in that sweep order. Does not clear the catalogue first.
void SweepProblems(const GenerationOptions& options, const std::vector<OperType>& pairs,
                   Dudedur& catalogue, const SweepProgress& progress = {});

// The whole catalogue step of the generate action: empties the catalogue's groups, builds the
// pairs and sweeps. Fails with kNoOperationMessage (and an empty catalogue) when no operation
// is chosen.
Status BuildCatalogue(const GenerationOptions& options, Dudedur& catalogue,
                      const SweepProgress& progress = {});

}  // namespace dudedur
