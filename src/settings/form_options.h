// The thirteen options of the main window as they are stored between runs: eight flags and the
// selected positions of five pick lists. A position of kNoEntry (or any position outside its
// list) means that the list has no entry selected.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace dudedur::settings {

inline constexpr int32_t kNoEntry = -1;

// The entries of the five pick lists, by position. The addition range holds "30" twice: stored
// files keep positions, so the order must never change.
inline constexpr std::array<std::string_view, 7> kAddRangeEntries = {"10", "20", "30", "40",
                                                                     "30", "50", "100"};
inline constexpr std::array<std::string_view, 5> kMulRangeEntries = {"20", "30", "40", "50",
                                                                     "100"};
inline constexpr std::array<std::string_view, 3> kProblemsPerSetEntries = {"10", "15", "18"};
inline constexpr std::array<std::string_view, 7> kSetCountEntries = {"1", "2", "4", "5",
                                                                     "6", "8", "10"};
inline constexpr std::array<std::string_view, 2> kSetsPerPageEntries = {"1", "2"};

struct FormOptions {
    bool CBDodawanie = true;                        // "Dodawanie"
    bool CBOdejmowanie = false;                     // "Odejmowanie"
    bool CBMnozenie = false;                        // "Mnożenie"
    bool CBDzielenie = false;                       // "Dzielenie"
    bool AdvOfficeCheckBoxTrzSkladniki = false;     // three arguments
    bool AdvOfficeCheckBoxNawiasy = false;          // brackets
    bool AdvOfficeCheckBoxNiewiadoma = false;       // one missing argument
    bool AdvOfficeCheckBoxPominZeroIJeden = false;  // skip 0 and 1
    int32_t ComboZakresDodawanie = 0;               // position in kAddRangeEntries ("10")
    int32_t ComboZakresOdejmowanie = 0;             // position in kMulRangeEntries ("20")
    int32_t AdvComboBoxLiczbaZadan = 1;             // position in kProblemsPerSetEntries ("15")
    int32_t AdvComboBoxLiczbaZestawow = 1;          // position in kSetCountEntries ("2")
    int32_t AdvComboBoxLiczbaNaStronie = 1;         // position in kSetsPerPageEntries ("2")

    friend bool operator==(const FormOptions&, const FormOptions&) = default;
};

// Brackets are only in force together with three arguments: clears brackets when three
// arguments are off.
inline void ApplyBracketsRule(FormOptions& options) {
    if (!options.AdvOfficeCheckBoxTrzSkladniki) options.AdvOfficeCheckBoxNawiasy = false;
}

}  // namespace dudedur::settings
