#include "worksheet/form_request.h"

#include <string>

#include "settings/option_keys.h"

namespace dudedur {
namespace {

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

    const auto addRange = ListNumber(kAddRangeEntries, form.ComboZakresDodawanie);
    if (!addRange) return NoEntry("Dodawanie i odejmowanie w zakresie");
    const auto mulRange = ListNumber(kMulRangeEntries, form.ComboZakresOdejmowanie);
    if (!mulRange) return NoEntry("Mnożenie i dzielenie w zakresie");
    const auto problems = ListNumber(kProblemsPerSetEntries, form.AdvComboBoxLiczbaZadan);
    if (!problems) return NoEntry("Liczba zadań w zestawie");
    const auto sets = ListNumber(kSetCountEntries, form.AdvComboBoxLiczbaZestawow);
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
