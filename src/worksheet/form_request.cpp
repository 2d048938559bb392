#include "worksheet/form_request.h"

#include <charconv>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dudedur {
namespace {

// The number that a list shows at a position, or nothing when no entry is selected.
std::optional<int32_t> EntryValue(std::span<const std::string_view> entries, int32_t position) {
    if (position < 0 || position >= static_cast<int32_t>(entries.size())) return std::nullopt;
    const std::string_view text = entries[position];
    int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

Status NoEntry(const std::string& label) {
    return Status::Error("lista \"" + label + "\" nie ma wybranej pozycji");
}

}  // namespace

GenerationOptions GenerationFlagsFromForm(const settings::FormOptions& form) {
    GenerationOptions g;
    g.addition = form.CBDodawanie;
    g.subtraction = form.CBOdejmowanie;
    g.multiplication = form.CBMnozenie;
    g.division = form.CBDzielenie;
    g.threeArguments = form.AdvOfficeCheckBoxTrzSkladniki;
    g.brackets = form.AdvOfficeCheckBoxNawiasy && g.threeArguments;
    g.skipZeroAndOne = form.AdvOfficeCheckBoxPominZeroIJeden;
    return g;
}

Result<GenerateRequest> RequestFromForm(const settings::FormOptions& form) {
    using namespace settings;
    GenerateRequest request;
    request.generation = GenerationFlagsFromForm(form);
    request.worksheet.missingArgument = form.AdvOfficeCheckBoxNiewiadoma;

    const auto addRange = EntryValue(kAddRangeEntries, form.ComboZakresDodawanie);
    if (!addRange) return NoEntry("Dodawanie i odejmowanie w zakresie");
    const auto mulRange = EntryValue(kMulRangeEntries, form.ComboZakresOdejmowanie);
    if (!mulRange) return NoEntry("Mnożenie i dzielenie w zakresie");
    const auto problems = EntryValue(kProblemsPerSetEntries, form.AdvComboBoxLiczbaZadan);
    if (!problems) return NoEntry("Liczba zadań w zestawie");
    const auto sets = EntryValue(kSetCountEntries, form.AdvComboBoxLiczbaZestawow);
    if (!sets) return NoEntry("Liczba zestawów");
    request.generation.addRange = *addRange;
    request.generation.mulRange = *mulRange;
    request.worksheet.problemsPerSet = *problems;
    request.worksheet.setCount = *sets;
    // Only the entry "2" means two sets per page; no entry prints one.
    request.worksheet.twoSetsPerPage = form.AdvComboBoxLiczbaNaStronie == 1;
    return request;
}

}  // namespace dudedur
