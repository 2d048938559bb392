// The whole generate action, shared by the window and the command line: sweep the catalogue for
// the generation options, draw the sets and write the worksheet PDF.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

#include "common/status.h"
#include "model/catalogue.h"
#include "model/generation_options.h"
#include "model/sweep.h"

namespace dudedur {

class TRolePDF;

// How the worksheet is printed.
struct WorksheetOptions {
    int32_t setCount = 2;          // "Liczba zestawów"
    int32_t problemsPerSet = 15;   // "Liczba zadań w zestawie"
    bool twoSetsPerPage = true;    // "Liczba zestawów na stronie" is "2"
    bool missingArgument = false;  // one missing argument instead of the result
};

struct GenerateRequest {
    GenerationOptions generation;
    WorksheetOptions worksheet;
    // Where to write; empty for the time-stamped name in the output folder.
    std::string outputPath;
    // Open the finished document in the desktop's viewer.
    bool open = false;
};

// What a worksheet run works on and leaves behind: the catalogue with the sets of the last
// worksheet, the document component, and the moment the last worksheet was begun (0 before the
// first). The window owns one for the whole run.
struct WorksheetSession {
    Dudedur& model;
    TRolePDF& pdf;
    std::time_t documentTime = 0;
    // The clock that stamps each worksheet; tests set their own.
    std::function<std::time_t()> now = [] { return std::time(nullptr); };
};

// The refusal when the options leave no exercise at all (ranges the window does not offer).
inline constexpr const char* kNoProblemFitsMessage =
    "Żadne zadanie nie pasuje do wybranych opcji.\n\nZwiększ zakresy liczb lub wybierz inne "
    "działania.";

// Runs the action. On success returns the path of the written document. On a refusal (no
// operation chosen, no exercise fits, an old file that cannot be removed, a failed write)
// returns the Polish text to show the user; nothing is opened then.
Result<std::string> GenerateWorksheet(const GenerateRequest& request, WorksheetSession& session,
                                      const SweepProgress& progress = {});

}  // namespace dudedur
