#include "model/sweep.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "reference_sweep.h"

namespace dudedur {
namespace {

struct Operations {
    bool add = false, sub = false, mul = false, div = false;
};

GenerationOptions Options(Operations ops, bool three, bool brackets, bool skip, int32_t addRange,
                          int32_t mulRange) {
    GenerationOptions options;
    options.addition = ops.add;
    options.subtraction = ops.sub;
    options.multiplication = ops.mul;
    options.division = ops.div;
    options.threeArguments = three;
    options.brackets = brackets;
    options.skipZeroAndOne = skip;
    options.addRange = addRange;
    options.mulRange = mulRange;
    return options;
}

constexpr Operations kAll{true, true, true, true};

std::string Describe(const GenerationOptions& o) {
    std::ostringstream text;
    text << (o.addition ? "+" : "") << (o.subtraction ? "-" : "") << (o.multiplication ? "*" : "")
         << (o.division ? ":" : "") << (o.threeArguments ? " three" : " two")
         << (o.brackets ? " brackets" : "") << (o.skipZeroAndOne ? " skip01" : "") << " ranges "
         << o.addRange << "/" << o.mulRange;
    return text.str();
}

Dudedur Sweep(const GenerationOptions& options) {
    Dudedur catalogue;
    EXPECT_TRUE(BuildCatalogue(options, catalogue).ok()) << Describe(options);
    return catalogue;
}

struct GroupCount {
    int32_t op1, op2;
    int32_t count;
};

TEST(BuildOperationPairs, FollowsTheFixedOrder) {
    const std::vector<OperType> all3 =
        BuildOperationPairs(Options(kAll, true, false, false, 10, 20));
    const std::vector<OperType> expected3 = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {1, 2}, {2, 1},
                                             {1, 3}, {3, 1}, {1, 4}, {4, 1}, {2, 3}, {3, 2},
                                             {2, 4}, {4, 2}, {3, 4}, {4, 3}};
    EXPECT_EQ(all3, expected3);
    const std::vector<OperType> all2 =
        BuildOperationPairs(Options(kAll, false, false, false, 10, 20));
    const std::vector<OperType> expected2 = {{0, 2}, {0, 1}, {0, 3}, {0, 4}};
    EXPECT_EQ(all2, expected2);
    const std::vector<OperType> subMul =
        BuildOperationPairs(Options({false, true, true, false}, true, false, false, 10, 20));
    const std::vector<OperType> expectedSubMul = {{2, 2}, {3, 3}, {2, 3}, {3, 2}};
    EXPECT_EQ(subMul, expectedSubMul);
    EXPECT_TRUE(BuildOperationPairs(Options({}, true, false, false, 10, 20)).empty());
}

TEST(Sweep, NoOperationIsRefusedAndEmptiesTheCatalogue) {
    Dudedur catalogue;
    DudedurZadanie old;
    catalogue.AddProblem(old);
    const Status status = BuildCatalogue(Options({}, true, true, false, 10, 20), catalogue);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(),
              "Nie wybrano operacji!\n\nZaznacz: dodawanie, odejmowanie, mnożenie lub dzielenie");
    EXPECT_EQ(catalogue.GroupCount(), 0);
}

TEST(Sweep, KnownCatalogues) {
    const struct {
        std::string name;
        GenerationOptions options;
        std::vector<GroupCount> groups;  // empty: only the total is checked
        int64_t total;
    } cases[] = {
        {"addition, two arguments, skip, 20",
         Options({true}, false, false, true, 20, 20),
         {{0, 1, 153}},
         153},
        {"all, two arguments, 20",
         Options(kAll, false, false, false, 20, 20),
         {{0, 2, 231}, {0, 1, 231}, {0, 3, 67}, {0, 4, 45}},
         574},
        {"all, two arguments, 100",
         Options(kAll, false, false, false, 100, 100),
         {{0, 2, 5151}, {0, 1, 5151}, {0, 3, 121}, {0, 4, 99}},
         10522},
        {"all, three arguments, skip, 20", Options(kAll, true, false, true, 20, 20), {}, 9251},
        {"all, three arguments, brackets, skip, 20",
         Options(kAll, true, true, true, 20, 20),
         {},
         18790},
        {"all, three arguments, 100", Options(kAll, true, false, false, 100, 100), {}, 1112935},
        {"all, three arguments, brackets, 100",
         Options(kAll, true, true, false, 100, 100),
         {},
         2034562},
    };
    for (const auto& c : cases) {
        const Dudedur catalogue = Sweep(c.options);
        EXPECT_EQ(catalogue.ProblemCount(), c.total) << c.name;
        if (c.options.threeArguments) {
            EXPECT_EQ(catalogue.GroupCount(), 16) << c.name;
        }
        if (c.groups.empty()) continue;
        ASSERT_EQ(catalogue.GroupCount(), static_cast<int32_t>(c.groups.size())) << c.name;
        for (size_t g = 0; g < c.groups.size(); ++g) {
            EXPECT_EQ(catalogue.groups[g].op1, c.groups[g].op1) << c.name << " group " << g;
            EXPECT_EQ(catalogue.groups[g].op2, c.groups[g].op2) << c.name << " group " << g;
            EXPECT_EQ(catalogue.GroupSize(static_cast<int32_t>(g)), c.groups[g].count)
                << c.name << " group " << g;
        }
    }
}

TEST(Sweep, ProblemsFollowTheSweepOrder) {
    const Dudedur catalogue = Sweep(Options({true}, false, false, true, 20, 20));
    const DudedurZadanie first = catalogue.ProblemAt(0, 0);
    const DudedurZadanie second = catalogue.ProblemAt(0, 1);
    const DudedurZadanie last = catalogue.ProblemAt(0, catalogue.GroupSize(0) - 1);
    EXPECT_EQ((std::vector<int32_t>{first.a, first.b, first.c, first.result}),
              (std::vector<int32_t>{0, 2, 2, 4}));
    EXPECT_EQ((std::vector<int32_t>{second.b, second.c}), (std::vector<int32_t>{2, 3}));
    EXPECT_EQ((std::vector<int32_t>{last.b, last.c, last.result}),
              (std::vector<int32_t>{18, 2, 20}));
}

// The groups stand where the full sweep first meets a valid problem of their pair, which is not
// the order of the pair list.
TEST(Sweep, GroupsStandInOrderOfTheirFirstProblem) {
    const Dudedur catalogue = Sweep(Options(kAll, true, false, true, 20, 20));
    const std::vector<OperType> expected = {{1, 1}, {3, 3}, {1, 2}, {2, 1}, {1, 3}, {3, 1},
                                            {1, 4}, {4, 1}, {3, 2}, {2, 4}, {3, 4}, {4, 3},
                                            {2, 2}, {4, 4}, {2, 3}, {4, 2}};
    std::vector<OperType> actual;
    for (const auto& group : catalogue.groups) actual.push_back({group.op1, group.op2});
    EXPECT_EQ(actual, expected);
}

TEST(Sweep, BracketsAreAlwaysShownAndNeverRepeatAdditions) {
    const Dudedur catalogue = Sweep(Options(kAll, true, true, false, 30, 30));
    for (const auto& group : catalogue.groups) {
        for (const DudedurZadanie& problem : group.problems) {
            ASSERT_NE(problem.bracketMode, kBracketsNone);
            if (group.op1 == kOpAdd && group.op2 == kOpAdd) {
                ASSERT_EQ(problem.bracketMode, kBracketsLeft);
            }
            ASSERT_FALSE(problem.invalid);
            ASSERT_EQ(problem.op1, group.op1);
            ASSERT_EQ(problem.op2, group.op2);
        }
    }
}

TEST(Sweep, ProgressFollowsTheOuterLoop) {
    const struct {
        std::string name;
        GenerationOptions options;
        int32_t firstPosition;
    } cases[] = {
        {"three arguments, skip", Options({true}, true, false, true, 10, 20), 3},
        {"three arguments", Options({true}, true, false, false, 10, 20), 1},
        {"two arguments, skip", Options({true}, false, false, true, 10, 20), 3},
        {"two arguments", Options({false, true}, false, false, false, 10, 20), 1},
    };
    for (const auto& c : cases) {
        std::vector<int32_t> positions;
        Dudedur catalogue;
        ASSERT_TRUE(BuildCatalogue(c.options, catalogue, [&](int32_t position, int32_t maximum) {
                        EXPECT_EQ(maximum, 100) << c.name;
                        positions.push_back(position);
                    }).ok());
        std::vector<int32_t> expected = {0};
        for (int32_t p = c.firstPosition; p <= 101; ++p) expected.push_back(p);
        EXPECT_EQ(positions, expected) << c.name;
    }
}

// The production sweep against the rules read literally, catalogue for catalogue: every
// operation subset, two and three arguments, brackets, skipping, and small, window and odd
// ranges.
TEST(Sweep, MatchesTheStraightforwardSweep) {
    const int32_t ranges[][2] = {{10, 20}, {0, 0},    {1, 1},    {7, 13},  {100, 100},
                                 {37, 53}, {20, 100}, {100, 20}, {-5, -1}, {10000, 10000}};
    std::vector<GenerationOptions> table;
    for (int subset = 1; subset < 16; ++subset) {
        const Operations ops{(subset & 1) != 0, (subset & 2) != 0, (subset & 4) != 0,
                             (subset & 8) != 0};
        const int k = __builtin_popcount(static_cast<unsigned>(subset));
        for (int r = 0; r < 10; ++r) {
            table.push_back(Options(ops, false, false, r % 2 == 1, ranges[r][0], ranges[r][1]));
        }
        // Three arguments cost a million candidates per pair: one set of options per subset
        // of at most two operations, and a few for the larger subsets.
        if (k > 2 && subset != 7 && subset != 15) continue;
        const int r = subset % 10;
        table.push_back(
            Options(ops, true, subset % 2 == 0, subset % 3 == 0, ranges[r][0], ranges[r][1]));
        if (k == 1) {
            table.push_back(Options(ops, true, true, false, 100, 100));
            table.push_back(Options(ops, true, false, true, 20, 20));
        }
    }
    table.push_back(Options(kAll, true, true, false, 100, 100));
    table.push_back(Options(kAll, true, true, true, 37, 53));

    for (const GenerationOptions& options : table) {
        const std::vector<OperType> pairs = BuildOperationPairs(options);
        const auto expected = testing::ReferenceSweep(options, pairs);
        Dudedur actual;
        SweepProblems(options, pairs, actual);
        ASSERT_EQ(actual.GroupCount(), static_cast<int32_t>(expected.size())) << Describe(options);
        for (size_t g = 0; g < expected.size(); ++g) {
            const auto& group = actual.groups[g];
            ASSERT_EQ(group.op1, expected[g].op1) << Describe(options) << " group " << g;
            ASSERT_EQ(group.op2, expected[g].op2) << Describe(options) << " group " << g;
            ASSERT_EQ(group.problems.size(), expected[g].problems.size())
                << Describe(options) << " group " << g;
            ASSERT_TRUE(std::equal(group.problems.begin(), group.problems.end(),
                                   expected[g].problems.begin()))
                << Describe(options) << " group " << g;
        }
    }
}

}  // namespace
}  // namespace dudedur
