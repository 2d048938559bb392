// Worksheets end to end: `dudedur generate` and the generate action write real PDF documents,
// which are read back character by character and checked as a teacher would check them.
#include "worksheet/generate_action.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "common/build_info.h"
#include "model/random.h"
#include "model/sweep.h"
#include "pdf/Pdfhdr.h"
#include "pdf_text.h"
#include "run_program.h"
#include "scoped_environment.h"
#include "temp_folder.h"
#include "worksheet/output_file.h"

namespace dudedur {
namespace {

namespace fs = std::filesystem;
using testing::PdfLine;
using testing::PdfPage;
using testing::ReadFile;
using testing::ReadPdfPages;
using testing::RunDudedur;
using testing::ScopedEnvironment;
using testing::TempFolder;

struct Shape {
    int sets = 2;
    int problems = 15;
    bool twoPerPage = true;
    bool missing = false;
    bool threeArguments = false;
};

// The value of an expression of whole numbers with + - • : and brackets, in the usual order of
// operations. Fails the test on a division with a remainder or a malformed expression.
class Evaluator {
  public:
    explicit Evaluator(const std::string& text) : text_(text) {}

    std::optional<long> Evaluate() {
        const std::optional<long> value = Sum();
        if (position_ != text_.size()) return std::nullopt;
        return value;
    }

  private:
    bool Take(std::string_view token) {
        if (text_.compare(position_, token.size(), token) != 0) return false;
        position_ += token.size();
        return true;
    }

    std::optional<long> Sum() {
        std::optional<long> value = Product();
        while (value) {
            if (Take("+")) {
                const auto right = Product();
                value = right ? std::optional(*value + *right) : std::nullopt;
            } else if (Take("-")) {
                const auto right = Product();
                value = right ? std::optional(*value - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<long> Product() {
        std::optional<long> value = Factor();
        while (value) {
            if (Take("\u2022")) {
                const auto right = Factor();
                value = right ? std::optional(*value * *right) : std::nullopt;
            } else if (Take(":")) {
                const auto right = Factor();
                if (!right || *right == 0 || *value % *right != 0) return std::nullopt;
                value = *value / *right;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<long> Factor() {
        if (Take("(")) {
            const std::optional<long> value = Sum();
            return Take(")") ? value : std::nullopt;
        }
        const size_t start = position_;
        while (position_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[position_])))
            ++position_;
        if (position_ == start) return std::nullopt;
        return std::stol(text_.substr(start, position_ - start));
    }

    std::string text_;
    size_t position_ = 0;
};

// The rows of one set: its heading's number and the rows below it, as read from a page.
struct SetRows {
    int number = 0;
    std::vector<PdfLine> rows;
};

// Reads the set headed by `heading` + number from `lines`, starting at `next`.
std::optional<SetRows> ReadSet(const std::vector<PdfLine>& lines, size_t& next,
                               const std::string& heading, int problems) {
    if (next >= lines.size()) return std::nullopt;
    const std::string headingText = lines[next].Text();
    if (headingText.rfind(heading, 0) != 0) {
        ADD_FAILURE() << "expected a heading \"" << heading << "…\", found \"" << headingText
                      << "\"";
        return std::nullopt;
    }
    SetRows set;
    set.number = std::stoi(headingText.substr(heading.size()));
    for (int row = 1; row <= problems; ++row) {
        if (++next >= lines.size()) {
            ADD_FAILURE() << heading << set.number << " ends after " << row - 1 << " rows";
            return std::nullopt;
        }
        EXPECT_EQ(lines[next].Compact().rfind(std::to_string(row) + ")", 0), 0u)
            << heading << set.number << ": row " << row << " reads " << lines[next].Text();
        set.rows.push_back(lines[next]);
    }
    ++next;
    return set;
}

// Lines between the header and footer rules.
std::vector<PdfLine> BodyLines(const PdfPage& page, double left, double right) {
    std::vector<PdfLine> body;
    for (PdfLine& line : page.Lines(left, right)) {
        if (line.baseline > 45 && line.baseline < page.height - 50) body.push_back(line);
    }
    return body;
}

// Checks the page frame and returns the date and time printed in its header.
std::string CheckDecorations(const PdfPage& page, int pageNumber, bool answers) {
    const std::vector<PdfLine> lines = page.Lines();
    if (lines.size() < 2) {
        ADD_FAILURE() << "page " << pageNumber << " holds no frame";
        return {};
    }
    const std::string title = answers ? "Odpowiedzi do zadań" : "Zestawy Dudedur";
    const std::string header = lines.front().Text();
    EXPECT_EQ(header.rfind(title + " ", 0), 0u) << "page " << pageNumber << ": " << header;
    EXPECT_EQ(lines.back().Text(),
              "Dudedur - " + ProgramPageUrl() + " Strona: " + std::to_string(pageNumber));
    return header.substr(std::min(header.size(), title.size() + 1));
}

// Checks that the answer row shows the problem row with the blank filled in red, bracket
// included, and that its arithmetic is right.
void CheckAnswer(const PdfLine& problemRow, const PdfLine& answerRow, const Shape& shape) {
    const std::string problem = problemRow.Compact();
    const std::string answer = answerRow.Compact();
    SCOPED_TRACE("problem " + problem + ", answer " + answerRow.CompactMarked());
    const size_t blank = problem.find("__");
    ASSERT_NE(blank, std::string::npos);
    EXPECT_EQ(problem.find("__", blank + 2), std::string::npos);
    EXPECT_EQ(problem.ends_with("=__"), !shape.missing);

    ASSERT_EQ(answer.compare(0, blank, problem, 0, blank), 0);
    size_t digitsEnd = blank;
    while (digitsEnd < answer.size() && std::isdigit(static_cast<unsigned char>(answer[digitsEnd])))
        ++digitsEnd;
    const std::string value = answer.substr(blank, digitsEnd - blank);
    ASSERT_FALSE(value.empty());
    std::string before = problem.substr(0, blank);
    std::string after = problem.substr(blank + 2);
    EXPECT_EQ(answer, before + value + after);

    std::string red = value;
    if (before.ends_with("(")) {
        before.pop_back();
        red = "(" + red;
    }
    if (after.starts_with(")")) {
        after.erase(0, 1);
        red += ")";
    }
    EXPECT_EQ(answerRow.CompactMarked(), before + "[" + red + "]" + after);

    const size_t label = answer.find(')');
    const size_t equals = answer.find('=');
    ASSERT_NE(equals, std::string::npos);
    const std::string left = answer.substr(label + 1, equals - label - 1);
    const std::optional<long> expected = Evaluator(left).Evaluate();
    ASSERT_TRUE(expected.has_value()) << left;
    EXPECT_EQ(std::to_string(*expected), answer.substr(equals + 1));

    const std::regex number("[0-9]+");
    const auto numbers = std::distance(std::sregex_iterator(left.begin(), left.end(), number),
                                       std::sregex_iterator());
    EXPECT_EQ(numbers, shape.threeArguments ? 3 : 2);
}

// Reads back a whole worksheet and checks every page of it. Returns the date and time that its
// pages print.
std::string CheckWorksheet(const std::string& path, const Shape& shape) {
    const std::vector<PdfPage> pages = ReadPdfPages(path);
    const int problemPages = shape.twoPerPage ? (shape.sets + 1) / 2 : shape.sets;
    if (static_cast<int>(pages.size()) != problemPages + 1) {
        ADD_FAILURE() << path << " has " << pages.size() << " pages, expected "
                      << problemPages + 1;
        return {};
    }

    std::string dateText;
    std::map<int, SetRows> problemSets;
    for (int p = 0; p < problemPages; ++p) {
        const PdfPage& page = pages[p];
        EXPECT_NEAR(page.width, shape.twoPerPage ? 1123 : 793, 1.5) << "page " << p + 1;
        EXPECT_NEAR(page.height, shape.twoPerPage ? 793 : 1123, 1.5) << "page " << p + 1;
        const std::string pageDate = CheckDecorations(page, p + 1, false);
        if (p == 0) dateText = pageDate;
        EXPECT_EQ(pageDate, dateText) << "page " << p + 1;

        // The left set's rows end at 420 units, the right set's labels begin past 500.
        const double halves[][2] = {{0, 480}, {480, page.width}};
        const int setsHere = shape.twoPerPage ? std::min(2, shape.sets - 2 * p) : 1;
        for (int side = 0; side < 2; ++side) {
            const std::vector<PdfLine> lines = BodyLines(page, halves[side][0], halves[side][1]);
            if (side >= setsHere) {
                EXPECT_TRUE(lines.empty()) << "page " << p + 1 << " has a stray right half";
                continue;
            }
            size_t next = 0;
            const std::optional<SetRows> set = ReadSet(lines, next, "Zestaw nr: ", shape.problems);
            if (!set) continue;
            EXPECT_EQ(set->number, (shape.twoPerPage ? 2 * p : p) + side + 1);
            EXPECT_EQ(next, lines.size()) << "page " << p + 1 << " holds more than its sets";
            problemSets[set->number] = *set;
        }
    }

    const PdfPage& answersPage = pages.back();
    EXPECT_NEAR(answersPage.width, shape.twoPerPage ? 1123 : 793, 1.5);
    EXPECT_EQ(CheckDecorations(answersPage, problemPages + 1, true), dateText);
    const int firstLeft = shape.twoPerPage ? 100 : 50;
    const int blocksPerRow = shape.twoPerPage ? 5 : 4;
    std::map<int, SetRows> answerSets;
    for (int column = 0; column < blocksPerRow; ++column) {
        const double left = firstLeft + 190 * column;
        const std::vector<PdfLine> lines = BodyLines(answersPage, left - 40, left + 150);
        size_t next = 0;
        for (int number = column + 1; number <= shape.sets; number += blocksPerRow) {
            const std::optional<SetRows> set = ReadSet(lines, next, "Zestaw: ", shape.problems);
            if (!set) break;
            EXPECT_EQ(set->number, number);
            answerSets[set->number] = *set;
        }
        EXPECT_EQ(next, lines.size()) << "answers column " << column << " holds more";
    }

    EXPECT_EQ(problemSets.size(), static_cast<size_t>(shape.sets));
    EXPECT_EQ(answerSets.size(), static_cast<size_t>(shape.sets));
    for (const auto& [number, set] : problemSets) {
        const auto answers = answerSets.find(number);
        if (answers == answerSets.end()) continue;
        for (size_t row = 0; row < set.rows.size(); ++row) {
            SCOPED_TRACE("set " + std::to_string(number) + ", row " + std::to_string(row + 1));
            CheckAnswer(set.rows[row], answers->second.rows[row], shape);
        }
    }
    return dateText;
}

// A home of its own for each test, so that nothing reaches the user's folders.
class GenerateCommandTest : public ::testing::Test {
  protected:
    std::map<std::string, std::string> Environment() const {
        return {{"HOME", home_.path()},
                {"XDG_CONFIG_HOME", home_ / "config"},
                {"XDG_DOCUMENTS_DIR", home_ / "Dokumenty"}};
    }
    std::string OutputFolder() const { return home_ / "Dokumenty/Dudedur/"; }

    TempFolder home_;
};

struct WorksheetCase {
    const char* name;
    std::vector<std::string> args;
    Shape shape;
};

void PrintTo(const WorksheetCase& c, std::ostream* out) { *out << c.name; }

// Between them the cases take every value of every option of the window.
const WorksheetCase kWorksheetCases[] = {
    {"FirstRunOptions", {}, {2, 15, true, false, false}},
    {"OneSetOnePage",
     {"--sub", "--sets", "1", "--per-page", "1", "--problems", "10"},
     {1, 10, false, false, false}},
    {"FiveSetsTwoToAPageMissing",
     {"--mul", "--sets", "5", "--problems", "18", "--missing", "--mul-range", "30"},
     {5, 18, true, true, false}},
    {"TenSetsOnePage",
     {"--div", "--sets", "10", "--per-page", "1", "--problems", "18", "--mul-range", "40"},
     {10, 18, false, false, false}},
    {"TenSetsTwoToAPageEverything",
     {"--add", "--sub", "--mul", "--div", "--three", "--brackets", "--add-range", "100",
      "--mul-range", "100", "--sets", "10", "--problems", "18"},
     {10, 18, true, false, true}},
    {"ThreeArgumentsMissingSkipZeroOne",
     {"--add", "--sub", "--three", "--brackets", "--missing", "--skip-zero-one", "--add-range",
      "20", "--sets", "4", "--per-page", "1"},
     {4, 15, false, true, true}},
    {"SixSetsThreeArgumentsNoBrackets",
     {"--add", "--mul", "--three", "--missing", "--add-range", "50", "--mul-range", "50",
      "--sets", "6", "--problems", "10"},
     {6, 10, true, true, true}},
    {"EightSetsOnePage",
     {"--sub", "--div", "--skip-zero-one", "--add-range", "40", "--mul-range", "20", "--sets",
      "8", "--per-page", "1", "--problems", "15"},
     {8, 15, false, false, false}},
};

class GenerateWorksheetCase : public GenerateCommandTest,
                              public ::testing::WithParamInterface<WorksheetCase> {};

TEST_P(GenerateWorksheetCase, WritesACompleteCorrectWorksheet) {
    const WorksheetCase& c = GetParam();
    const std::string path = home_ / "arkusz.pdf";
    std::vector<std::string> args = {"generate", "--seed", "7", "-o", path};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto run = RunDudedur(args, Environment());
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, path + "\n");
    EXPECT_EQ(run.err, "seed: 7\n");
    const std::string dateText = CheckWorksheet(path, c.shape);
    EXPECT_TRUE(std::regex_match(dateText, std::regex(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)")))
        << dateText;
}

INSTANTIATE_TEST_SUITE_P(Options, GenerateWorksheetCase, ::testing::ValuesIn(kWorksheetCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(GenerateCommandTest, WritesIntoTheOutputFolderUnderTheTimeOfItsPages) {
    const auto run = RunDudedur({"generate", "--seed", "3"}, Environment());
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::regex written(R"((.*/)zadania_(\d\d)_(\d\d)_(\d{4})_(\d\d)_(\d\d)_(\d\d)\.pdf\n)");
    std::smatch name;
    ASSERT_TRUE(std::regex_match(run.out, name, written)) << run.out;
    EXPECT_EQ(name[1].str(), OutputFolder());
    const std::string path = run.out.substr(0, run.out.size() - 1);
    const std::string dateText = CheckWorksheet(path, Shape{});
    EXPECT_EQ(dateText, name[2].str() + "-" + name[3].str() + "-" + name[4].str() + " " +
                            name[5].str() + ":" + name[6].str() + ":" + name[7].str());
}

TEST_F(GenerateCommandTest, TheSameSeedGivesTheSameProblems) {
    const std::vector<std::string> options = {"--add", "--sub", "--three", "--missing",
                                              "--seed", "123456789"};
    std::vector<std::string> texts;
    for (const char* name : {"a.pdf", "b.pdf"}) {
        std::vector<std::string> args = {"generate", "-o", home_ / name};
        args.insert(args.end(), options.begin(), options.end());
        ASSERT_EQ(RunDudedur(args, Environment()).exitStatus, 0);
        std::string text;
        const auto pages = ReadPdfPages(home_ / name);
        ASSERT_EQ(pages.size(), 2u);
        for (const PdfLine& line : BodyLines(pages[0], 0, 1e9)) text += line.Text() + "\n";
        texts.push_back(text);
    }
    EXPECT_EQ(texts[0], texts[1]);
    EXPECT_NE(texts[0].find("Zestaw nr: 2"), std::string::npos);
}

TEST_F(GenerateCommandTest, OpensTheDocumentOnlyWhenAsked) {
    // A stand-in for the desktop's opener that notes what it was given.
    const std::string bin = home_ / "bin";
    fs::create_directory(bin);
    const std::string opened = home_ / "opened.txt";
    {
        std::ofstream script(bin + "/xdg-open");
        script << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << opened << "'\n";
    }
    fs::permissions(bin + "/xdg-open", fs::perms::owner_all);
    auto environment = Environment();
    environment["PATH"] = bin + ":" + std::getenv("PATH");

    const std::string path = home_ / "z pliku.pdf";
    ASSERT_EQ(RunDudedur({"generate", "-o", path}, environment).exitStatus, 0);
    ASSERT_EQ(RunDudedur({"generate", "-o", path, "--open"}, environment).exitStatus, 0);
    // The opener runs on its own; give it time to note its argument.
    for (int wait = 0; wait < 100 && ReadFile(opened).empty(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(ReadFile(opened), path + "\n");
}

TEST_F(GenerateCommandTest, BadInputWritesAndRemovesNothing) {
    const std::string path = home_ / "stary.pdf";
    {
        std::ofstream old(path);
        old << "old";
    }
    const std::vector<std::vector<std::string>> cases = {
        {"--problems", "19"}, {"--sets", "0"}, {"--per-page", "3"}, {"--seed", "x"},
        {"--brackets"},       {"--bogus"},     {"-o"},
    };
    for (const auto& bad : cases) {
        std::vector<std::string> args = {"generate", "-o", path};
        args.insert(args.end(), bad.begin(), bad.end());
        const auto run = RunDudedur(args, Environment());
        SCOPED_TRACE(bad.front());
        EXPECT_EQ(run.exitStatus, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(bad.front()), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_FALSE(fs::exists(OutputFolder()));
}

TEST_F(GenerateCommandTest, RefusalsPrintTheirPolishTextAndExitWithOne) {
    fs::create_directories(home_ / "zajety.pdf/otwarty");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--div", "--mul-range", "1", "--skip-zero-one"}, std::string(kNoProblemFitsMessage) + "\n"},
        {{"-o", home_ / "zajety.pdf"},
         "Nie można usunąć pliku [" + home_ / "zajety.pdf" +
             "]\nSprawdź czy nie jest obecnie otwarty w innym programie.\n"},
        {{"-o", home_ / "brak/arkusz.pdf"}, "Nie można zapisać pliku [" + home_ / "brak/arkusz.pdf"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"generate", "--seed", "1"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto run = RunDudedur(args, Environment());
        EXPECT_EQ(run.exitStatus, 1) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, 8), "seed: 1\n") << run.err;
        EXPECT_EQ(run.err.substr(8, c.message.size()), c.message);
    }
    EXPECT_TRUE(fs::exists(home_ / "zajety.pdf/otwarty"));
    EXPECT_FALSE(fs::exists(home_ / "brak"));
}

// The action itself, with a clock of the test's own.
class GenerateActionTest : public ::testing::Test {
  protected:
    GenerateActionTest() {
        documents_ = home_ / "Dokumenty";
        environment_.Set("XDG_DOCUMENTS_DIR", documents_);
        pdf_.SetOpener([this](const std::string& path) { opened_.push_back(path); });
        session_.now = [this] { return now_; };
    }

    Result<std::string> Generate(GenerateRequest request = {}) {
        request.open = true;
        return GenerateWorksheet(request, session_);
    }

    // The sets of the last worksheet, row by row: group, index and blank.
    std::vector<std::vector<int32_t>> SetsAsNumbers() const {
        std::vector<std::vector<int32_t>> numbers;
        for (const Zestaw& set : model_.sets) {
            numbers.push_back(set.groupIndexes);
            numbers.push_back(set.itemIndexes);
            numbers.push_back(set.blankPositions);
        }
        return numbers;
    }

    std::string ExpectedPath() const { return documents_ + "/Dudedur/" + DocumentFileName(now_); }

    TempFolder home_;
    ScopedEnvironment environment_;
    std::string documents_;
    Dudedur model_;
    TRolePDF pdf_;
    WorksheetSession session_{model_, pdf_};
    std::time_t now_ = 1733749507;
    std::vector<std::string> opened_;
};

TEST_F(GenerateActionTest, ASecondWorksheetInTheSameSecondReplacesTheFirst) {
    SeedRandom(1);
    ASSERT_TRUE(Generate().ok());
    const std::string first = ReadFile(ExpectedPath());
    SeedRandom(2);
    const Result<std::string> second = Generate();
    ASSERT_TRUE(second.ok()) << second.message();
    EXPECT_EQ(second.value(), ExpectedPath());
    EXPECT_NE(ReadFile(ExpectedPath()), first);
    EXPECT_EQ(std::distance(fs::directory_iterator(documents_ + "/Dudedur"),
                            fs::directory_iterator()),
              1);
    CheckWorksheet(ExpectedPath(), Shape{});

    // A second later the two stand side by side.
    ++now_;
    ASSERT_TRUE(Generate().ok());
    EXPECT_EQ(std::distance(fs::directory_iterator(documents_ + "/Dudedur"),
                            fs::directory_iterator()),
              2);
    EXPECT_EQ(opened_.size(), 3u);
}

TEST_F(GenerateActionTest, AnOldFileThatCannotBeRemovedLeavesEverythingAsItWas) {
    SeedRandom(1);
    ASSERT_TRUE(Generate().ok());
    const auto setsBefore = SetsAsNumbers();
    opened_.clear();
    // Held by another program: here a folder in the file's place, which no one can remove.
    ++now_;
    fs::create_directories(ExpectedPath() + "/otwarty");

    const Result<std::string> refused = Generate();
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), "Nie można usunąć pliku [" + ExpectedPath() +
                                     "]\nSprawdź czy nie jest obecnie otwarty w innym programie.");
    EXPECT_TRUE(fs::exists(ExpectedPath() + "/otwarty"));
    EXPECT_EQ(SetsAsNumbers(), setsBefore);
    EXPECT_TRUE(opened_.empty());
}

TEST_F(GenerateActionTest, AFailedWriteIsReportedLeavesNoFileAndOpensNothing) {
    // The documents folder is a file, so the output folder cannot be made.
    { std::ofstream blocker(documents_); }
    const Result<std::string> refused = Generate();
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message().rfind("Nie można zapisać pliku [" + ExpectedPath() + "]\n", 0), 0u)
        << refused.message();
    EXPECT_GT(refused.message().size(), ("Nie można zapisać pliku [" + ExpectedPath() + "]\n").size());
    EXPECT_TRUE(opened_.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(home_.path()), fs::directory_iterator()), 1);
}

TEST_F(GenerateActionTest, RefusalsBeginNoDocument) {
    GenerateRequest none;
    none.generation.addition = false;
    const Result<std::string> noOperation = Generate(none);
    ASSERT_FALSE(noOperation.ok());
    EXPECT_EQ(noOperation.message(), kNoOperationMessage);

    GenerateRequest empty;
    empty.generation.addition = false;
    empty.generation.division = true;
    empty.generation.mulRange = 1;
    empty.generation.skipZeroAndOne = true;
    const Result<std::string> noProblem = Generate(empty);
    ASSERT_FALSE(noProblem.ok());
    EXPECT_EQ(noProblem.message(), kNoProblemFitsMessage);

    EXPECT_FALSE(fs::exists(documents_));
    EXPECT_TRUE(opened_.empty());
}

}  // namespace
}  // namespace dudedur
