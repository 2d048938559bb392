#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace dudedur {
namespace {

using testing::RunDudedur;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CatalogueCommand, TsvGivesGroupsInOrderAndTheTotal) {
    const auto run = RunDudedur({"catalogue", "--add", "--sub", "--mul", "--div", "--add-range",
                                 "20", "--mul-range", "20", "--tsv"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> expected = {"group\t0\t0\t2\t231", "group\t1\t0\t1\t231",
                                               "group\t2\t0\t3\t67", "group\t3\t0\t4\t45",
                                               "total\t574"};
    EXPECT_EQ(Lines(run.out), expected);
}

TEST(CatalogueCommand, ListFollowsEachGroupWithItsProblems) {
    const auto run =
        RunDudedur({"catalogue", "--skip-zero-one", "--add-range", "5", "--tsv", "--list"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::vector<std::string> expected = {"group\t0\t0\t1\t3", "0\t2\t2\t0\t1\t0\t4",
                                               "0\t2\t3\t0\t1\t0\t5", "0\t3\t2\t0\t1\t0\t5",
                                               "total\t3"};
    EXPECT_EQ(Lines(run.out), expected);
}

TEST(CatalogueCommand, HumanOutputShowsSignsCountsAndTotal) {
    const auto run = RunDudedur({"catalogue", "--three", "--mul", "--sub"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_EQ(lines[1], "    1  a - b - c        286");
    EXPECT_EQ(lines[2], "    2  a • b • c        361");
    EXPECT_EQ(lines[5], "Razem                  1223");
}

TEST(CatalogueCommand, BadInputPrintsOneLineAndNothingOnStdout) {
    const std::vector<std::vector<std::string>> cases = {
        {"catalogue", "--brackets"}, {"catalogue", "--add-range", "x"},
        {"catalogue", "--list"},     {"catalogue", "--nope"},
        {"nosuchcommand"},
    };
    for (const auto& args : cases) {
        const auto run = RunDudedur(args);
        EXPECT_EQ(run.exitStatus, 2) << args.back();
        EXPECT_EQ(run.out, "") << args.back();
        EXPECT_NE(run.err, "") << args.back();
    }
}

TEST(CatalogueCommand, HelpDescribesEveryOption) {
    const auto run = RunDudedur({"catalogue", "--help"});
    ASSERT_EQ(run.exitStatus, 0);
    for (const char* option :
         {"--add", "--sub", "--mul", "--div", "--three", "--brackets", "--skip-zero-one",
          "--add-range", "--mul-range", "--tsv", "--list", "--settings"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace dudedur
