#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/random.h"

namespace dudedur {
namespace {

DudedurZadanie Problem(int32_t op1, int32_t op2, int32_t b = 1) {
    DudedurZadanie problem;
    problem.op1 = op1;
    problem.op2 = op2;
    problem.b = b;
    return problem;
}

TEST(Catalogue, AddProblemFilesByOperationPairInOrderOfFirstInsertion) {
    Dudedur catalogue;
    EXPECT_EQ(catalogue.AddProblem(Problem(kOpAdd, kOpSub, 1)), 0);
    EXPECT_EQ(catalogue.AddProblem(Problem(kOpMul, kOpAdd, 2)), 1);
    EXPECT_EQ(catalogue.AddProblem(Problem(kOpAdd, kOpSub, 3)), 0);
    ASSERT_EQ(catalogue.GroupCount(), 2);
    EXPECT_EQ(catalogue.GroupSize(0), 2);
    EXPECT_EQ(catalogue.GroupSize(1), 1);
    EXPECT_EQ(catalogue.ProblemAt(0, 1).b, 3);
    EXPECT_EQ(catalogue.ProblemAt(1, 0).b, 2);
}

TEST(Catalogue, TwoArgumentProblemsNeverJoinThreeArgumentGroups) {
    Dudedur catalogue;
    EXPECT_EQ(catalogue.AddProblem(Problem(kOpAdd, kOpAdd)), 0);
    const int32_t twoArgumentPairs[] = {kOpSub, kOpAdd, kOpMul, kOpDiv};
    for (int32_t op : twoArgumentPairs) catalogue.AddProblem(Problem(kOpNone, op));
    ASSERT_EQ(catalogue.GroupCount(), 5);
    for (int32_t g = 1; g < 5; ++g) {
        EXPECT_EQ(catalogue.groups[g].op1, kOpNone) << "group " << g;
        EXPECT_EQ(catalogue.groups[g].op2, twoArgumentPairs[g - 1]) << "group " << g;
    }
}

TEST(Catalogue, ClearGroupsKeepsSetsAndProblemAtGivesACopy) {
    Dudedur catalogue;
    catalogue.AddProblem(Problem(kOpAdd, kOpAdd, 4));
    DudedurZadanie copy = catalogue.ProblemAt(0, 0);
    copy.b = 99;
    EXPECT_EQ(copy.b, 99);
    EXPECT_EQ(catalogue.ProblemAt(0, 0).b, 4);

    Zestaw zestaw;
    zestaw.Add(0, 0, kBlankResult);
    catalogue.AddSet(zestaw);
    catalogue.ClearGroups();
    EXPECT_EQ(catalogue.GroupCount(), 0);
    EXPECT_EQ(catalogue.SetCount(), 1);
    catalogue.ClearSets();
    EXPECT_EQ(catalogue.SetCount(), 0);
}

TEST(Catalogue, RandomProblemFromOneProblemTakesNoRandomNumber) {
    Dudedur catalogue;
    catalogue.AddProblem(Problem(kOpAdd, kOpAdd, 5));
    SeedRandom(3);
    for (int i = 0; i < 10; ++i) {
        const Dudedur::Drawn drawn = catalogue.RandomProblem();
        EXPECT_EQ(drawn.group, 0);
        EXPECT_EQ(drawn.index, 0);
        EXPECT_EQ(drawn.problem.b, 5);
    }
    const double next = NextUniform();
    SeedRandom(3);
    EXPECT_EQ(next, NextUniform());
}

// Groups are drawn first, so a small group comes up as often as a large one; the first and last
// groups have half the weight of the middle ones.
TEST(Catalogue, RandomProblemDrawsGroupsBeforeProblems) {
    const struct {
        std::vector<int> groupSizes;
        std::vector<double> groupShares;
    } cases[] = {
        {{1, 500}, {0.5, 0.5}},
        {{300, 1, 40}, {0.25, 0.5, 0.25}},
    };
    constexpr int kDraws = 100000;
    SeedRandom(99);
    for (const auto& c : cases) {
        Dudedur catalogue;
        for (size_t g = 0; g < c.groupSizes.size(); ++g) {
            for (int i = 0; i < c.groupSizes[g]; ++i) {
                catalogue.AddProblem(Problem(static_cast<int32_t>(g), kOpAdd, i));
            }
        }
        std::vector<int> seen(c.groupSizes.size());
        for (int i = 0; i < kDraws; ++i) {
            const Dudedur::Drawn drawn = catalogue.RandomProblem();
            ++seen[drawn.group];
            ASSERT_EQ(drawn.problem.b, drawn.index);
            ASSERT_EQ(drawn.problem.op1, drawn.group);
        }
        for (size_t g = 0; g < seen.size(); ++g) {
            EXPECT_NEAR(seen[g] / double{kDraws}, c.groupShares[g], 0.01)
                << "group " << g << " of " << seen.size();
        }
    }
}

}  // namespace
}  // namespace dudedur
