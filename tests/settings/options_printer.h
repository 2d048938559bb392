// Lets GoogleTest print the thirteen options in a failed assertion, one "key<TAB>value" per line.
#pragma once

#include <ostream>

#include "settings/form_options.h"
#include "settings/settings_report.h"

namespace dudedur::settings {

inline void PrintTo(const FormOptions& options, std::ostream* out) {
    *out << '\n' << SettingsTsv(options);
}

}  // namespace dudedur::settings
