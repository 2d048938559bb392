#include "model/dudedur_zadanie.h"

#include <gtest/gtest.h>

namespace dudedur {
namespace {

TEST(DudedurZadanie, NewRecordIsZeroPlusZeroPlusZero) {
    DudedurZadanie problem;
    EXPECT_EQ(problem.op1, kOpAdd);
    EXPECT_EQ(problem.op2, kOpAdd);
    problem.Evaluate(0, 0);
    EXPECT_FALSE(problem.invalid);
    EXPECT_EQ(problem.result, 0);
}

}  // namespace
}  // namespace dudedur
