// The thirteen keys of the settings file: for each, the option it holds, the caption or label of
// its control and, for a pick list, the list's entries. Also how a list position reads as an entry.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/form_options.h"

namespace dudedur::settings {

// One key: a flag (flag set) or a list position (position and entries set).
struct OptionKey {
    std::string_view name;     // the key, which is also the control's name
    std::string_view caption;  // the control's caption or label
    bool FormOptions::*flag = nullptr;
    int32_t FormOptions::*position = nullptr;
    std::span<const std::string_view> entries;
};

constexpr OptionKey FlagKey(std::string_view name, std::string_view caption,
                            bool FormOptions::*flag) {
    return {name, caption, flag, nullptr, {}};
}

constexpr OptionKey ListKey(std::string_view name, std::string_view caption,
                            int32_t FormOptions::*position,
                            std::span<const std::string_view> entries) {
    return {name, caption, nullptr, position, entries};
}

// The keys in the order they are written: the eight flags (operations first), then the five lists.
inline constexpr std::array<OptionKey, 13> kOptionKeys = {
    FlagKey("CBDodawanie", "Dodawanie", &FormOptions::CBDodawanie),
    FlagKey("CBOdejmowanie", "Odejmowanie", &FormOptions::CBOdejmowanie),
    FlagKey("CBMnozenie", "Mnożenie", &FormOptions::CBMnozenie),
    FlagKey("CBDzielenie", "Dzielenie", &FormOptions::CBDzielenie),
    FlagKey("AdvOfficeCheckBoxTrzSkladniki", "Zadania z trzema argumentami",
            &FormOptions::AdvOfficeCheckBoxTrzSkladniki),
    FlagKey("AdvOfficeCheckBoxNawiasy", "Zadania z nawiasami   np.   44 - ( 4 * 7 )",
            &FormOptions::AdvOfficeCheckBoxNawiasy),
    FlagKey("AdvOfficeCheckBoxNiewiadoma",
            "Zadania z jednym brakującym argumentem  np.   3  +  __  =  34",
            &FormOptions::AdvOfficeCheckBoxNiewiadoma),
    FlagKey("AdvOfficeCheckBoxPominZeroIJeden", "Pomiń dla argumentów wartości jeden i zero",
            &FormOptions::AdvOfficeCheckBoxPominZeroIJeden),
    ListKey("ComboZakresDodawanie", "Dodawanie i odejmowanie w zakresie",
            &FormOptions::ComboZakresDodawanie, kAddRangeEntries),
    ListKey("ComboZakresOdejmowanie", "Mnożenie i dzielenie w zakresie",
            &FormOptions::ComboZakresOdejmowanie, kMulRangeEntries),
    ListKey("AdvComboBoxLiczbaZadan", "Liczba zadań w zestawie",
            &FormOptions::AdvComboBoxLiczbaZadan, kProblemsPerSetEntries),
    ListKey("AdvComboBoxLiczbaZestawow", "Liczba zestawów", &FormOptions::AdvComboBoxLiczbaZestawow,
            kSetCountEntries),
    ListKey("AdvComboBoxLiczbaNaStronie", "Liczba zestawów na stronie",
            &FormOptions::AdvComboBoxLiczbaNaStronie, kSetsPerPageEntries),
};

// Indices into kOptionKeys in the order the keys are read: the four task options, the five
// lists, then the four operations.
inline constexpr std::array<std::size_t, 13> kReadOrder = {4,  5,  6, 7, 8, 9, 10,
                                                           11, 12, 0, 1, 2, 3};

// The entry at `position`, or nullopt when the position is outside the list (no entry selected).
std::optional<std::string_view> ListEntry(std::span<const std::string_view> entries,
                                          int32_t position);

// The entry at `position` read as a number (every entry of the five lists is one), or nullopt when
// no entry is selected.
std::optional<int32_t> ListNumber(std::span<const std::string_view> entries, int32_t position);

// The value that a save writes for `key`: "1" or "0" for a flag, the position in decimal for a
// list, "-1" for a list with no entry selected.
std::string StoredValue(const OptionKey& key, const FormOptions& options);

}  // namespace dudedur::settings
