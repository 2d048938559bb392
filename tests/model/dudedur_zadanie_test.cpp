#include "model/dudedur_zadanie.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <ostream>
#include <string>

namespace dudedur {
namespace {

// b op2 c, or a op1 b op2 c with the given bracket mode.
DudedurZadanie TwoArguments(int32_t b, int32_t op, int32_t c) {
    DudedurZadanie problem;
    problem.op1 = kOpNone;
    problem.b = b;
    problem.op2 = op;
    problem.c = c;
    return problem;
}

DudedurZadanie ThreeArguments(int32_t a, int32_t op1, int32_t b, int32_t op2, int32_t c,
                              int32_t bracketMode) {
    DudedurZadanie problem;
    problem.a = a;
    problem.op1 = op1;
    problem.b = b;
    problem.op2 = op2;
    problem.c = c;
    problem.bracketMode = bracketMode;
    return problem;
}

struct EvaluationCase {
    std::string name;
    DudedurZadanie problem;
    int32_t addRange;
    int32_t mulRange;
    bool valid;
    int32_t result;  // checked only for valid cases
};

void PrintTo(const EvaluationCase& test, std::ostream* out) { *out << test.name; }

class EvaluateTest : public ::testing::TestWithParam<EvaluationCase> {};

TEST_P(EvaluateTest, AppliesTheRules) {
    const EvaluationCase& test = GetParam();
    DudedurZadanie problem = test.problem;
    problem.invalid = !test.valid;  // Evaluate must set the flag from scratch
    problem.Evaluate(test.addRange, test.mulRange);
    EXPECT_EQ(problem.invalid, !test.valid) << test.name;
    if (test.valid) {
        EXPECT_EQ(problem.result, test.result) << test.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Problems, EvaluateTest,
    ::testing::Values(
        EvaluationCase{"new record 0 + 0 + 0", DudedurZadanie{}, 0, 0, true, 0},
        EvaluationCase{"7 + 5 over range 10", TwoArguments(7, kOpAdd, 5), 10, 20, false, 0},
        EvaluationCase{"7 + 5 within range 20", TwoArguments(7, kOpAdd, 5), 20, 20, true, 12},
        EvaluationCase{"argument above range", TwoArguments(11, kOpAdd, 0), 10, 20, false, 0},
        EvaluationCase{"5 - 7 negative", TwoArguments(5, kOpSub, 7), 20, 20, false, 0},
        EvaluationCase{"7 - 7 is zero", TwoArguments(7, kOpSub, 7), 10, 20, true, 0},
        EvaluationCase{"3 * 7 over 20", TwoArguments(3, kOpMul, 7), 10, 20, false, 0},
        EvaluationCase{"10 * 2 at 20", TwoArguments(10, kOpMul, 2), 10, 20, true, 20},
        EvaluationCase{"11 * 1 factor above 10", TwoArguments(11, kOpMul, 1), 10, 100, false, 0},
        EvaluationCase{"0 * 7", TwoArguments(0, kOpMul, 7), 10, 20, true, 0},
        EvaluationCase{"20 : 2", TwoArguments(20, kOpDiv, 2), 10, 20, true, 10},
        EvaluationCase{"22 : 2 quotient 11", TwoArguments(22, kOpDiv, 2), 10, 100, false, 0},
        EvaluationCase{"7 : 2 remainder", TwoArguments(7, kOpDiv, 2), 10, 100, false, 0},
        EvaluationCase{"6 : 1 divisor one", TwoArguments(6, kOpDiv, 1), 10, 100, false, 0},
        EvaluationCase{"6 : 0 divisor zero", TwoArguments(6, kOpDiv, 0), 10, 100, false, 0},
        EvaluationCase{"0 : 5", TwoArguments(0, kOpDiv, 5), 10, 20, true, 0},
        EvaluationCase{"30 : 3 dividend above 20", TwoArguments(30, kOpDiv, 3), 10, 20, false, 0},
        EvaluationCase{"22 : 11 divisor above 10", TwoArguments(22, kOpDiv, 11), 10, 100, false, 0},
        EvaluationCase{"2 + 3 * 4 product first",
                       ThreeArguments(2, kOpAdd, 3, kOpMul, 4, kBracketsNone), 20, 20, true, 14},
        EvaluationCase{"2 * 3 + 4 left to right",
                       ThreeArguments(2, kOpMul, 3, kOpAdd, 4, kBracketsNone), 20, 20, true, 10},
        EvaluationCase{"8 : 2 : 2 left to right",
                       ThreeArguments(8, kOpDiv, 2, kOpDiv, 2, kBracketsNone), 20, 20, true, 2},
        EvaluationCase{"20 - 5 - 5", ThreeArguments(20, kOpSub, 5, kOpSub, 5, kBracketsNone), 20,
                       20, true, 10},
        EvaluationCase{"(2 + 3) * 4", ThreeArguments(2, kOpAdd, 3, kOpMul, 4, kBracketsLeft), 5, 20,
                       true, 20},
        EvaluationCase{"20 - (5 - 5)", ThreeArguments(20, kOpSub, 5, kOpSub, 5, kBracketsRight), 20,
                       20, true, 20},
        EvaluationCase{"2 * (3 + 9) factor 12",
                       ThreeArguments(2, kOpMul, 3, kOpAdd, 9, kBracketsRight), 20, 100, false, 0},
        EvaluationCase{"6 + 7 - 5 intermediate 13 over 10",
                       ThreeArguments(6, kOpAdd, 7, kOpSub, 5, kBracketsNone), 10, 20, false, 0},
        EvaluationCase{"10 - 8 * 2 negative after product",
                       ThreeArguments(10, kOpSub, 8, kOpMul, 2, kBracketsNone), 20, 20, false, 0},
        EvaluationCase{"12 : (5 - 5) divisor zero",
                       ThreeArguments(12, kOpDiv, 5, kOpSub, 5, kBracketsRight), 20, 20, false, 0},
        EvaluationCase{"first step broken, second fine",
                       ThreeArguments(9, kOpSub, 10, kOpAdd, 5, kBracketsLeft), 20, 20, false, 0}),
    [](const ::testing::TestParamInfo<EvaluationCase>& row) {
        std::string name;
        for (char ch : row.param.name)
            name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    });

TEST(DudedurZadanie, LeftFirstFollowsBracketsThenPrecedence) {
    struct Case {
        int32_t op1, op2, mode;
        bool leftFirst;
    };
    const Case cases[] = {
        {kOpAdd, kOpAdd, kBracketsNone, true},   {kOpAdd, kOpMul, kBracketsNone, false},
        {kOpSub, kOpDiv, kBracketsNone, false},  {kOpMul, kOpAdd, kBracketsNone, true},
        {kOpMul, kOpDiv, kBracketsNone, true},   {kOpNone, kOpMul, kBracketsNone, false},
        {kOpNone, kOpAdd, kBracketsNone, true},  {kOpAdd, kOpMul, kBracketsLeft, true},
        {kOpMul, kOpAdd, kBracketsRight, false},
    };
    for (const Case& c : cases) {
        DudedurZadanie problem;
        problem.op1 = c.op1;
        problem.op2 = c.op2;
        problem.bracketMode = c.mode;
        EXPECT_EQ(problem.LeftFirst(), c.leftFirst)
            << "op1 " << c.op1 << " op2 " << c.op2 << " mode " << c.mode;
    }
}

TEST(DudedurZadanie, InvalidDivisionPerformsNoDivision) {
    // A zero divisor must be caught before dividing, also for the extreme dividend.
    DudedurZadanie problem;
    EXPECT_EQ(problem.Apply(INT32_MIN, 0, kOpDiv, 100, INT32_MAX), 0);
    EXPECT_TRUE(problem.invalid);
}

}  // namespace
}  // namespace dudedur
