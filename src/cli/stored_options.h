// The options stored by the window, as the command line's `--settings` takes them.
#pragma once

#include "cli/command_options.h"
#include "settings/form_options.h"

namespace dudedur::cli {

// Maps the stored positions to values. Fails, naming the list, when a list that gives a number
// has no entry selected.
Result<StoredOptions> ToStoredOptions(const settings::FormOptions& form);

// Loads the settings file of this user and maps it.
Result<StoredOptions> LoadStoredOptions();

}  // namespace dudedur::cli
