// Texts that show the stored options to the user of the command line.
#pragma once

#include <string>

#include "settings/form_options.h"

namespace dudedur::settings {

// For people: a first line "Plik ustawień: " + path, then one line per key in the order of the
// file: the key, the value that the next save writes, and what it means: the control's caption
// with "zaznaczone" or "niezaznaczone" for a flag, or with the list entry in quotes, or
// "brak wyboru" when no entry is selected. Every line ends with '\n'.
std::string DescribeSettings(const std::string& path, const FormOptions& options);

// For scripts: exactly thirteen lines "key<TAB>value\n" in the order of the file, each value as
// the next save writes it.
std::string SettingsTsv(const FormOptions& options);

}  // namespace dudedur::settings
