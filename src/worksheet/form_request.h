// The options of the main window, as stored between runs, turned into what the generate action
// takes. The window and the command line's `--settings` share this conversion.
#pragma once

#include "common/status.h"
#include "model/generation_options.h"
#include "settings/form_options.h"
#include "worksheet/generate_action.h"

namespace dudedur {

// The ticked boxes as generation options; the ranges keep their defaults.
GenerationOptions GenerationFlagsFromForm(const settings::FormOptions& form);

// Maps the ticked boxes and the selected list entries to a request (time-stamped output name,
// not opened). Fails, naming the list, when a list that gives a number has no entry selected:
// `lista "Liczba zestawów" nie ma wybranej pozycji`.
Result<GenerateRequest> RequestFromForm(const settings::FormOptions& form);

}  // namespace dudedur
