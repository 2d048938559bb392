#include "worksheet/expression_drawing.h"

#include "pdf/page_canvas.h"

namespace dudedur {
namespace {

// Where the elements of a row go, from its left edge and grid.
struct RowLayout {
    int32_t slotRight[5];     // right edges of slots 1 to 4 (index 0 unused)
    int32_t operatorLeft[3];  // left edges of the first and second operator (index 0 unused)
    int32_t equalsLeft;
};

RowLayout Layout(int32_t left, RowGrid grid, int32_t resultShift) {
    const int32_t c = grid.column;
    const int32_t g = grid.gap;
    RowLayout layout{};
    layout.slotRight[1] = left + c;
    layout.operatorLeft[1] = left + c + g / 2;
    layout.slotRight[2] = left + 2 * c + g;
    layout.operatorLeft[2] = left + 2 * c + g + g / 2;
    layout.slotRight[3] = left + 3 * c + 2 * g;
    layout.equalsLeft = left + 3 * c + 2 * g + g / 2;
    layout.slotRight[4] = left + 4 * c + 3 * g + resultShift;
    return layout;
}

void DrawRightAligned(PageCanvas& canvas, int32_t right, int32_t top, const std::string& text) {
    canvas.TextOut(right - canvas.TextWidth(text), top, text);
}

void DrawRowLabel(PageCanvas& canvas, int32_t rowNumber, int32_t left, int32_t top) {
    DrawRightAligned(canvas, left, top, NumberText(rowNumber) + ")");
}

}  // namespace

std::string NumberText(int32_t value) { return std::to_string(value); }

std::string OperatorText(int32_t op) {
    switch (op) {
        case kOpAdd:
            return " + ";
        case kOpSub:
            return " - ";
        case kOpMul:
            return " \u2022 ";
        case kOpDiv:
            return " : ";
        default:
            return "";
    }
}

std::string ArgumentText(const DudedurZadanie& problem, int32_t slot, bool blank) {
    const int32_t values[] = {0, problem.a, problem.b, problem.c, problem.result};
    if (slot < 1 || slot > 4) return "";
    std::string text = blank ? "__" : NumberText(values[slot]);
    const bool opens = (problem.bracketMode == kBracketsLeft && slot == 1) ||
                       (problem.bracketMode == kBracketsRight && slot == 2);
    const bool closes = (problem.bracketMode == kBracketsLeft && slot == 2) ||
                        (problem.bracketMode == kBracketsRight && slot == 3);
    if (opens) text = "(" + text;
    if (closes) text += ")";
    return text;
}

void SetAnswerMark(PageCanvas& canvas, bool marked) {
    canvas.font.color = marked ? kRed : kBlack;
    canvas.font.style = FontStyle{};
}

void DrawProblemRow(PageCanvas& canvas, const DudedurZadanie& problem, int32_t rowNumber,
                    int32_t left, int32_t top, BlankPosition blank, bool threeArguments,
                    bool missingArgument) {
    const RowLayout layout = Layout(left, kProblemGrid, 0);
    DrawRowLabel(canvas, rowNumber, left, top);
    if (threeArguments) {
        DrawRightAligned(canvas, layout.slotRight[1], top, ArgumentText(problem, 1, blank == 1));
        canvas.TextOut(layout.operatorLeft[1], top, OperatorText(problem.op1));
    }
    DrawRightAligned(canvas, layout.slotRight[2], top, ArgumentText(problem, 2, blank == 2));
    canvas.TextOut(layout.operatorLeft[2], top, OperatorText(problem.op2));
    DrawRightAligned(canvas, layout.slotRight[3], top, ArgumentText(problem, 3, blank == 3));
    canvas.TextOut(layout.equalsLeft, top, " = ");
    DrawRightAligned(canvas, layout.slotRight[4], top, ArgumentText(problem, 4, !missingArgument));
}

void DrawAnswerRow(PageCanvas& canvas, const DudedurZadanie& problem, int32_t rowNumber,
                   int32_t left, int32_t top, BlankPosition blank, bool threeArguments) {
    const RowLayout layout = Layout(left, kAnswerGrid, kAnswerResultShift);
    DrawRowLabel(canvas, rowNumber, left, top);
    if (threeArguments) {
        SetAnswerMark(canvas, blank == 1);
        DrawRightAligned(canvas, layout.slotRight[1], top, ArgumentText(problem, 1, false));
        SetAnswerMark(canvas, false);
        canvas.TextOut(layout.operatorLeft[1], top, OperatorText(problem.op1));
    }
    SetAnswerMark(canvas, blank == 2);
    DrawRightAligned(canvas, layout.slotRight[2], top, ArgumentText(problem, 2, false));
    SetAnswerMark(canvas, false);
    canvas.TextOut(layout.operatorLeft[2], top, OperatorText(problem.op2));
    SetAnswerMark(canvas, blank == 3);
    DrawRightAligned(canvas, layout.slotRight[3], top, ArgumentText(problem, 3, false));
    SetAnswerMark(canvas, false);
    canvas.TextOut(layout.equalsLeft, top, " = ");
    SetAnswerMark(canvas, blank == kBlankResult);
    DrawRightAligned(canvas, layout.slotRight[4], top, ArgumentText(problem, 4, false));
    SetAnswerMark(canvas, false);
}

}  // namespace dudedur
