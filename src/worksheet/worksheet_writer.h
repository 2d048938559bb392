// Writes one worksheet from the catalogue: the problem pages, one or two sets to a page, and one
// answers page with every set solved.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "common/status.h"
#include "worksheet/generate_action.h"

namespace dudedur {

// Draws the sets at random from `session.model` (which must hold at least one problem), records
// them in its set list, and writes the document to `path` through `session.pdf`, opening it when
// `open`. `session.documentTime` must be set: the pages show it. Returns the path written, or the
// message to show the user when the file could not be written.
Result<std::string> WriteWorksheet(WorksheetSession& session, const WorksheetOptions& options,
                                   bool threeArguments, const std::string& path, bool open);

}  // namespace dudedur
