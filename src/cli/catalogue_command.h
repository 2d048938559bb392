// `dudedur catalogue`: prints the problem catalogue that the generation options give.
#pragma once

#include <ostream>

#include "model/catalogue.h"

namespace dudedur::cli {

// For people: one line per group with its operation signs and number of problems, then the total.
void PrintCatalogue(const Dudedur& catalogue, std::ostream& out);

// For scripts: group<TAB>op1<TAB>op2<TAB>count per group, each followed with `list` by its
// problems as a<TAB>b<TAB>c<TAB>op1<TAB>op2<TAB>bracketMode<TAB>result, then total<TAB>count.
void PrintCatalogueTsv(const Dudedur& catalogue, bool list, std::ostream& out);

}  // namespace dudedur::cli
