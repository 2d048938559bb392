// One exercise drawn as a row of text: the problem form with a blank "__" where the pupil
// writes, and the answer form with every value filled in and the pupil's value in red.
#pragma once

#include <cstdint>
#include <string>

#include "model/dudedur_zadanie.h"
#include "model/zestaw.h"

namespace dudedur {

class PageCanvas;

// The geometry of a row, in canvas units: column width and gap.
struct RowGrid {
    int32_t column;
    int32_t gap;
};
inline constexpr RowGrid kProblemGrid{70, 20};
inline constexpr RowGrid kAnswerGrid{30, 6};
// The result of an answer row stands this much further right than its grid would put it.
inline constexpr int32_t kAnswerResultShift = 7;

// The decimal text of a number: no leading zeros, spaces or grouping; a minus sign when negative.
std::string NumberText(int32_t value);

// The text drawn between two slots: " + ", " - ", " • ", " : "; empty for any other code.
std::string OperatorText(int32_t op);

// The text of one slot (1 to 3 the arguments, 4 the result) with the bracket the problem's
// bracket mode glues to it; "__" in place of the number when `blank`. Empty outside 1 to 4.
std::string ArgumentText(const DudedurZadanie& problem, int32_t slot, bool blank);

// Sets the font colour to red when marked, else black, and the style to regular either way.
void SetAnswerMark(PageCanvas& canvas, bool marked);

// Draws the problem form with its row label ending at `left`, at the row's top. Without the
// missing-argument option the result is the blank; with it, the argument at `blank`.
void DrawProblemRow(PageCanvas& canvas, const DudedurZadanie& problem, int32_t rowNumber,
                    int32_t left, int32_t top, BlankPosition blank, bool threeArguments,
                    bool missingArgument);

// Draws the answer form: everything filled in, the value at `blank` in red. Leaves the canvas
// font black.
void DrawAnswerRow(PageCanvas& canvas, const DudedurZadanie& problem, int32_t rowNumber,
                   int32_t left, int32_t top, BlankPosition blank, bool threeArguments);

}  // namespace dudedur
