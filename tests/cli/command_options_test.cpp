#include "cli/command_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dudedur::cli {
namespace {

Result<StoredOptions> Stored() {
    StoredOptions stored;
    stored.generation.addition = false;
    stored.generation.multiplication = true;
    stored.generation.threeArguments = true;
    stored.generation.brackets = true;
    stored.generation.addRange = 30;
    stored.generation.mulRange = 50;
    stored.worksheet.problemsPerSet = 18;
    stored.worksheet.setCount = 4;
    stored.worksheet.twoSetsPerPage = false;
    return stored;
}

Result<StoredOptions> NoEntry() {
    return Status::Error("lista \"Liczba zadań w zestawie\" nie ma wybranej pozycji");
}

std::string Join(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args) text += arg + " ";
    return text;
}

TEST(ParseCommandOptions, DefaultsAreTheWindowsFirstRun) {
    const Result<CommandOptions> parsed = ParseCommandOptions(Command::kGenerate, {}, Stored);
    ASSERT_TRUE(parsed.ok()) << parsed.message();
    const CommandOptions& o = parsed.value();
    EXPECT_TRUE(o.generation.addition);
    EXPECT_FALSE(o.generation.subtraction || o.generation.multiplication || o.generation.division ||
                 o.generation.threeArguments || o.generation.brackets ||
                 o.generation.skipZeroAndOne);
    EXPECT_EQ(o.generation.addRange, 10);
    EXPECT_EQ(o.generation.mulRange, 20);
    EXPECT_EQ(o.worksheet.problemsPerSet, 15);
    EXPECT_EQ(o.worksheet.setCount, 2);
    EXPECT_TRUE(o.worksheet.twoSetsPerPage);
    EXPECT_FALSE(o.worksheet.missingArgument);
    EXPECT_FALSE(o.seed.has_value());
    EXPECT_TRUE(o.outputPath.empty());
    EXPECT_FALSE(o.open);
}

TEST(ParseCommandOptions, AcceptedOptions) {
    struct Case {
        Command command;
        std::vector<std::string> args;
        void (*check)(const CommandOptions&);
    };
    const Case cases[] = {
        {Command::kCatalogue,
         {"--sub"},
         [](const CommandOptions& o) {
             EXPECT_FALSE(o.generation.addition);
             EXPECT_TRUE(o.generation.subtraction);
         }},
        {Command::kCatalogue,
         {"--div", "--add"},
         [](const CommandOptions& o) {
             EXPECT_TRUE(o.generation.addition && o.generation.division);
             EXPECT_FALSE(o.generation.subtraction || o.generation.multiplication);
         }},
        {Command::kCatalogue,
         {"--three", "--brackets", "--skip-zero-one"},
         [](const CommandOptions& o) {
             EXPECT_TRUE(o.generation.threeArguments && o.generation.brackets &&
                         o.generation.skipZeroAndOne);
         }},
        {Command::kCatalogue,
         {"--add-range", "0", "--mul-range", "10000", "--tsv", "--list"},
         [](const CommandOptions& o) {
             EXPECT_EQ(o.generation.addRange, 0);
             EXPECT_EQ(o.generation.mulRange, 10000);
             EXPECT_TRUE(o.tsv && o.list);
         }},
        {Command::kGenerate,
         {"--missing", "--problems", "18", "--sets", "10", "--per-page", "1", "--seed", "7", "-o",
          "out file.pdf", "--open"},
         [](const CommandOptions& o) {
             EXPECT_TRUE(o.worksheet.missingArgument);
             EXPECT_EQ(o.worksheet.problemsPerSet, 18);
             EXPECT_EQ(o.worksheet.setCount, 10);
             EXPECT_FALSE(o.worksheet.twoSetsPerPage);
             EXPECT_EQ(o.seed, 7u);
             EXPECT_EQ(o.outputPath, "out file.pdf");
             EXPECT_TRUE(o.open);
         }},
        {Command::kGenerate,
         {"--settings"},
         [](const CommandOptions& o) {
             EXPECT_FALSE(o.generation.addition);
             EXPECT_TRUE(o.generation.multiplication && o.generation.brackets);
             EXPECT_EQ(o.generation.addRange, 30);
             EXPECT_EQ(o.worksheet.problemsPerSet, 18);
             EXPECT_FALSE(o.worksheet.twoSetsPerPage);
         }},
        {Command::kGenerate,
         {"--settings", "--add", "--problems", "10", "--add-range", "100"},
         [](const CommandOptions& o) {
             EXPECT_TRUE(o.generation.addition && o.generation.multiplication);
             EXPECT_EQ(o.worksheet.problemsPerSet, 10);
             EXPECT_EQ(o.worksheet.setCount, 4);
             EXPECT_EQ(o.generation.addRange, 100);
             EXPECT_EQ(o.generation.mulRange, 50);
         }},
    };
    for (const Case& c : cases) {
        const Result<CommandOptions> parsed = ParseCommandOptions(c.command, c.args, Stored);
        ASSERT_TRUE(parsed.ok()) << Join(c.args) << ": " << parsed.message();
        SCOPED_TRACE(Join(c.args));
        c.check(parsed.value());
    }
}

TEST(ParseCommandOptions, RejectedOptionsNameTheOptionAndWhatItAccepts) {
    const struct {
        Command command;
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Command::kCatalogue, {"--bogus"}, "--bogus: nieznana opcja (zobacz --help)"},
        {Command::kCatalogue, {"--brackets"}, "--brackets: działa tylko razem z --three"},
        {Command::kCatalogue,
         {"--add-range"},
         "--add-range: brak wartości; oczekiwano liczby całkowitej od 0 do 10000"},
        {Command::kCatalogue,
         {"--add-range", "abc"},
         "--add-range: oczekiwano liczby całkowitej od 0 do 10000, podano \"abc\""},
        {Command::kCatalogue,
         {"--mul-range", "10001"},
         "--mul-range: oczekiwano liczby całkowitej od 0 do 10000, podano \"10001\""},
        {Command::kCatalogue,
         {"--mul-range", "-1"},
         "--mul-range: oczekiwano liczby całkowitej od 0 do 10000, podano \"-1\""},
        {Command::kCatalogue,
         {"--add-range", "12x"},
         "--add-range: oczekiwano liczby całkowitej od 0 do 10000, podano \"12x\""},
        {Command::kCatalogue, {"--problems", "10"}, "--problems: nieznana opcja (zobacz --help)"},
        {Command::kGenerate, {"--tsv"}, "--tsv: nieznana opcja (zobacz --help)"},
        {Command::kGenerate,
         {"--problems", "19"},
         "--problems: oczekiwano liczby całkowitej od 1 do 18, podano \"19\""},
        {Command::kGenerate,
         {"--problems", "0"},
         "--problems: oczekiwano liczby całkowitej od 1 do 18, podano \"0\""},
        {Command::kGenerate,
         {"--sets", "11"},
         "--sets: oczekiwano liczby całkowitej od 1 do 10, podano \"11\""},
        {Command::kGenerate, {"--per-page", "3"}, "--per-page: oczekiwano 1 albo 2, podano \"3\""},
        {Command::kGenerate,
         {"--seed", "-5"},
         "--seed: oczekiwano liczby naturalnej, podano \"-5\""},
        {Command::kGenerate, {"-o"}, "-o: brak wartości; oczekiwano ścieżki pliku PDF"},
        {Command::kGenerate, {"--settings", "--three", "--brackets", "--add"}, ""},
    };
    for (const auto& c : cases) {
        const Result<CommandOptions> parsed = ParseCommandOptions(c.command, c.args, Stored);
        if (c.message.empty()) {
            EXPECT_TRUE(parsed.ok()) << Join(c.args);
            continue;
        }
        ASSERT_FALSE(parsed.ok()) << Join(c.args);
        EXPECT_EQ(parsed.message(), c.message) << Join(c.args);
    }
}

TEST(ParseCommandOptions, SettingsWithAnEmptyListStopTheCommand) {
    const Result<CommandOptions> parsed =
        ParseCommandOptions(Command::kGenerate, {"--settings"}, NoEntry);
    ASSERT_FALSE(parsed.ok());
    EXPECT_EQ(parsed.message(),
              "--settings: lista \"Liczba zadań w zestawie\" nie ma wybranej pozycji");
}

}  // namespace
}  // namespace dudedur::cli
