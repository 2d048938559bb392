#include "cli/catalogue_command.h"

#include <iomanip>
#include <string>

namespace dudedur::cli {
namespace {

// The shape of a group's problems, as "a + b - c" or "b : c".
std::string GroupShape(const DudedurZadaniaOperacja& group) {
    static const char* const kSigns[] = {"", "+", "-", "•", ":"};
    auto sign = [](int32_t op) { return op >= 0 && op <= 4 ? kSigns[op] : "?"; };
    if (group.op1 == kOpNone) return std::string("b ") + sign(group.op2) + " c";
    return std::string("a ") + sign(group.op1) + " b " + sign(group.op2) + " c";
}

// Pads UTF-8 text with spaces to `width` characters.
std::string PadRight(std::string text, size_t width) {
    size_t characters = 0;
    for (unsigned char byte : text) characters += (byte & 0xC0) != 0x80;
    if (characters < width) text.append(width - characters, ' ');
    return text;
}

}  // namespace

void PrintCatalogue(const Dudedur& catalogue, std::ostream& out) {
    out << "Grupa  Działania      Zadań\n";
    for (int32_t g = 0; g < catalogue.GroupCount(); ++g) {
        out << std::setw(5) << g + 1 << "  " << PadRight(GroupShape(catalogue.groups[g]), 10)
            << std::setw(10) << catalogue.GroupSize(g) << '\n';
    }
    out << "Razem" << std::setw(22) << catalogue.ProblemCount() << '\n';
}

void PrintCatalogueTsv(const Dudedur& catalogue, bool list, std::ostream& out) {
    for (int32_t g = 0; g < catalogue.GroupCount(); ++g) {
        const DudedurZadaniaOperacja& group = catalogue.groups[g];
        out << "group\t" << g << '\t' << group.op1 << '\t' << group.op2 << '\t'
            << group.problems.size() << '\n';
        if (!list) continue;
        for (const DudedurZadanie& p : group.problems) {
            out << p.a << '\t' << p.b << '\t' << p.c << '\t' << p.op1 << '\t' << p.op2 << '\t'
                << p.bracketMode << '\t' << p.result << '\n';
        }
    }
    out << "total\t" << catalogue.ProblemCount() << '\n';
}

}  // namespace dudedur::cli
