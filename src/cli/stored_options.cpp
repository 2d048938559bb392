#include "cli/stored_options.h"

#include <charconv>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace dudedur::cli {
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
    return Status::Error("lista \"" + label +
                         "\" nie ma wybranej pozycji; wybierz ją w oknie "
                         "programu albo podaj wartość w wierszu poleceń");
}

}  // namespace

Result<StoredOptions> ToStoredOptions(const settings::FormOptions& form) {
    using namespace settings;
    StoredOptions stored;
    GenerationOptions& g = stored.generation;
    g.addition = form.CBDodawanie;
    g.subtraction = form.CBOdejmowanie;
    g.multiplication = form.CBMnozenie;
    g.division = form.CBDzielenie;
    g.threeArguments = form.AdvOfficeCheckBoxTrzSkladniki;
    g.brackets = form.AdvOfficeCheckBoxNawiasy && g.threeArguments;
    g.skipZeroAndOne = form.AdvOfficeCheckBoxPominZeroIJeden;
    stored.worksheet.missingArgument = form.AdvOfficeCheckBoxNiewiadoma;

    const auto addRange = EntryValue(kAddRangeEntries, form.ComboZakresDodawanie);
    if (!addRange) return NoEntry("Dodawanie i odejmowanie w zakresie");
    const auto mulRange = EntryValue(kMulRangeEntries, form.ComboZakresOdejmowanie);
    if (!mulRange) return NoEntry("Mnożenie i dzielenie w zakresie");
    const auto problems = EntryValue(kProblemsPerSetEntries, form.AdvComboBoxLiczbaZadan);
    if (!problems) return NoEntry("Liczba zadań w zestawie");
    const auto sets = EntryValue(kSetCountEntries, form.AdvComboBoxLiczbaZestawow);
    if (!sets) return NoEntry("Liczba zestawów");
    g.addRange = *addRange;
    g.mulRange = *mulRange;
    stored.worksheet.problemsPerSet = *problems;
    stored.worksheet.setCount = *sets;
    // Only the entry "2" means two sets per page; no entry prints one.
    stored.worksheet.twoSetsPerPage = form.AdvComboBoxLiczbaNaStronie == 1;
    return stored;
}

Result<StoredOptions> LoadStoredOptions() {
    settings::FormOptions form = settings::LoadSettings(settings::SettingsFile());
    settings::ApplyBracketsRule(form);
    return ToStoredOptions(form);
}

}  // namespace dudedur::cli
