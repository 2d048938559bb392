#include "worksheet/expression_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_pdf.h"

namespace dudedur {
namespace {

using testing::CharacterCount;
using testing::DrawCall;
using testing::RecordingCanvas;

DudedurZadanie Problem(int32_t a, int32_t op1, int32_t b, int32_t op2, int32_t c, int32_t mode,
                       int32_t result) {
    DudedurZadanie problem;
    problem.a = a;
    problem.op1 = op1;
    problem.b = b;
    problem.op2 = op2;
    problem.c = c;
    problem.bracketMode = mode;
    problem.result = result;
    return problem;
}

// A drawn text as the tests expect it: the text, its x, and whether it is red.
struct Placed {
    std::string text;
    int32_t x;
    bool red = false;
    friend bool operator==(const Placed&, const Placed&) = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& placed) {
    return out << "\"" << placed.text << "\"@" << placed.x << (placed.red ? " red" : "");
}

std::vector<Placed> Placements(const RecordingCanvas& canvas, int32_t top) {
    std::vector<Placed> placed;
    for (const DrawCall& call : canvas.Texts()) {
        EXPECT_EQ(call.y, top) << call.text;
        EXPECT_EQ(call.font.style, FontStyle{}) << call.text;
        placed.push_back({call.text, call.x, call.font.color == kRed});
    }
    return placed;
}

// x of a text whose right edge is at `right`, with the recording canvas's metrics.
int32_t Right(int32_t right, const std::string& text, int32_t size) {
    return right - CharacterCount(text) * size * 6 / 10;
}

TEST(ExpressionTexts, NumbersOperatorsAndSlots) {
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(1234567), "1234567");
    EXPECT_EQ(NumberText(-42), "-42");
    EXPECT_EQ(OperatorText(kOpAdd), " + ");
    EXPECT_EQ(OperatorText(kOpSub), " - ");
    EXPECT_EQ(OperatorText(kOpMul), " \u2022 ");
    EXPECT_EQ(OperatorText(kOpDiv), " : ");
    EXPECT_EQ(OperatorText(kOpNone), "");
    EXPECT_EQ(OperatorText(7), "");

    const DudedurZadanie left = Problem(3, kOpAdd, 4, kOpMul, 2, kBracketsLeft, 14);
    EXPECT_EQ(ArgumentText(left, 1, false), "(3");
    EXPECT_EQ(ArgumentText(left, 2, false), "4)");
    EXPECT_EQ(ArgumentText(left, 3, false), "2");
    EXPECT_EQ(ArgumentText(left, 4, false), "14");
    EXPECT_EQ(ArgumentText(left, 1, true), "(__");
    const DudedurZadanie right = Problem(20, kOpSub, 5, kOpSub, 5, kBracketsRight, 20);
    EXPECT_EQ(ArgumentText(right, 2, true), "(__");
    EXPECT_EQ(ArgumentText(right, 3, false), "5)");
    EXPECT_EQ(ArgumentText(right, 4, true), "__");
    EXPECT_EQ(ArgumentText(right, 0, false), "");
    EXPECT_EQ(ArgumentText(right, 5, false), "");
}

TEST(DrawProblemRow, TwoArgumentsWithTheResultBlank) {
    RecordingCanvas canvas;
    canvas.font.size = 14;
    const int32_t L = 80;
    DrawProblemRow(canvas, Problem(0, kOpNone, 7, kOpAdd, 5, kBracketsNone, 12), 1, L, 110,
                   kBlankResult, false, false);
    const std::vector<Placed> expected = {
        {"1)", Right(L, "1)", 14)}, {"7", Right(L + 160, "7", 14)},
        {" + ", L + 170},           {"5", Right(L + 250, "5", 14)},
        {" = ", L + 260},           {"__", Right(L + 340, "__", 14)},
    };
    EXPECT_EQ(Placements(canvas, 110), expected);
}

TEST(DrawProblemRow, ThreeArgumentsWithBracketsAndAMissingArgument) {
    const struct {
        std::string name;
        DudedurZadanie problem;
        BlankPosition blank;
        std::vector<std::string> texts;
    } cases[] = {
        {"brackets left, result blank off",
         Problem(3, kOpAdd, 4, kOpMul, 2, kBracketsLeft, 14),
         1,
         {"10)", "(__", " + ", "4)", " \u2022 ", "2", " = ", "14"}},
        {"brackets right, slot 2 blank",
         Problem(20, kOpSub, 5, kOpSub, 5, kBracketsRight, 20),
         2,
         {"10)", "20", " - ", "(__", " - ", "5)", " = ", "20"}},
        {"slot 3 blank",
         Problem(2, kOpMul, 3, kOpAdd, 4, kBracketsNone, 10),
         3,
         {"10)", "2", " \u2022 ", "3", " + ", "__", " = ", "10"}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        canvas.font.size = 12;
        DrawProblemRow(canvas, c.problem, 10, 561, 200, c.blank, true, true);
        const std::vector<Placed> placed = Placements(canvas, 200);
        ASSERT_EQ(placed.size(), c.texts.size()) << c.name;
        const int32_t rightEdges[] = {561, 561 + 70, -1, 561 + 160, -1, 561 + 250, -1, 561 + 340};
        const int32_t leftEdges[] = {-1, -1, 561 + 80, -1, 561 + 170, -1, 561 + 260, -1};
        for (size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].text, c.texts[i]) << c.name << " element " << i;
            const int32_t x =
                rightEdges[i] >= 0 ? Right(rightEdges[i], c.texts[i], 12) : leftEdges[i];
            EXPECT_EQ(placed[i].x, x) << c.name << " element " << i;
            EXPECT_FALSE(placed[i].red) << c.name << " element " << i;
        }
    }
}

TEST(DrawAnswerRow, ThePupilsValueIsRedAndTheRestBlack) {
    const struct {
        std::string name;
        DudedurZadanie problem;
        bool three;
        BlankPosition blank;
        std::vector<Placed> expected;  // x offsets from L on the answer grid
    } cases[] = {
        {"two arguments, result",
         Problem(0, kOpNone, 7, kOpAdd, 5, kBracketsNone, 12),
         false,
         kBlankResult,
         {{"1)", Right(0, "1)", 8)},
          {"7", Right(66, "7", 8)},
          {" + ", 69},
          {"5", Right(102, "5", 8)},
          {" = ", 105},
          {"12", Right(145, "12", 8), true}}},
        {"three arguments, slot 3",
         Problem(2, kOpMul, 3, kOpAdd, 4, kBracketsNone, 10),
         true,
         3,
         {{"1)", Right(0, "1)", 8)},
          {"2", Right(30, "2", 8)},
          {" \u2022 ", 33},
          {"3", Right(66, "3", 8)},
          {" + ", 69},
          {"4", Right(102, "4", 8), true},
          {" = ", 105},
          {"10", Right(145, "10", 8)}}},
        {"brackets, slot 1 keeps its bracket red",
         Problem(3, kOpAdd, 4, kOpMul, 2, kBracketsLeft, 14),
         true,
         1,
         {{"1)", Right(0, "1)", 8)},
          {"(3", Right(30, "(3", 8), true},
          {" + ", 33},
          {"4)", Right(66, "4)", 8)},
          {" \u2022 ", 69},
          {"2", Right(102, "2", 8)},
          {" = ", 105},
          {"14", Right(145, "14", 8)}}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        canvas.font.size = 8;
        canvas.font.style.bold = true;  // the row must reset the style
        const int32_t L = 100;
        DrawAnswerRow(canvas, c.problem, 1, L, 70, c.blank, c.three);
        std::vector<Placed> expected = c.expected;
        for (Placed& p : expected) p.x += L;
        // The row label is drawn before any mark is set, in whatever the canvas had.
        canvas.calls.front().font.style = FontStyle{};
        EXPECT_EQ(Placements(canvas, 70), expected) << c.name;
        EXPECT_EQ(canvas.font.color, kBlack) << c.name;
    }
}

TEST(DrawProblemRow, NumbersOfDifferentWidthsShareTheirRightEdges) {
    RecordingCanvas canvas;
    canvas.font.size = 14;
    DrawProblemRow(canvas, Problem(0, kOpNone, 100, kOpSub, 5, kBracketsNone, 95), 9, 80, 0,
                   kBlankResult, false, false);
    DrawProblemRow(canvas, Problem(0, kOpNone, 7, kOpSub, 15, kBracketsNone, 0), 10, 80, 40,
                   kBlankResult, false, false);
    const auto texts = canvas.Texts();
    auto rightEdge = [](const DrawCall& call) {
        return call.x + CharacterCount(call.text) * 14 * 6 / 10;
    };
    for (size_t column : {0u, 1u, 3u, 5u}) {
        EXPECT_EQ(rightEdge(texts[column]), rightEdge(texts[column + 6]))
            << texts[column].text << " / " << texts[column + 6].text;
    }
    EXPECT_EQ(texts[6].text, "10)");
    EXPECT_EQ(rightEdge(texts[6]), 80);
}

}  // namespace
}  // namespace dudedur
