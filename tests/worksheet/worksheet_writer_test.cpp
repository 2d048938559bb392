#include "worksheet/worksheet_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/random.h"
#include "pdf/Pdfhdr.h"
#include "recording_pdf.h"

namespace dudedur {
namespace {

using testing::DrawCall;
using testing::RecordingPdfLibrary;

// A worksheet written through the component onto a recording library.
class WorksheetWriterTest : public ::testing::Test {
  protected:
    WorksheetWriterTest()
        : pdf_(std::make_unique<RecordingPdfLibrary>(record_)), session_{model_, pdf_} {
        pdf_.SetOpener([this](const std::string& path) { opened_.push_back(path); });
        session_.documentTime = 1733749507;  // a fixed moment
        // Four groups, so that draws vary.
        for (int32_t op = kOpAdd; op <= kOpDiv; ++op) {
            for (int32_t b = 2; b < 6; ++b) {
                DudedurZadanie problem;
                problem.op1 = kOpNone;
                problem.op2 = op;
                problem.b = b * 2;
                problem.c = 2;
                problem.Evaluate(100, 100);
                model_.AddProblem(problem);
            }
        }
    }

    Result<std::string> Write(int32_t sets, int32_t problems, bool twoPerPage, bool missing = false,
                              bool three = false) {
        WorksheetOptions options;
        options.setCount = sets;
        options.problemsPerSet = problems;
        options.twoSetsPerPage = twoPerPage;
        options.missingArgument = missing;
        SeedRandom(2024);
        return WriteWorksheet(session_, options, three, "/tmp/worksheet.pdf", true);
    }

    std::vector<DrawCall> TextsStartingWith(const std::string& prefix) const {
        std::vector<DrawCall> found;
        for (const DrawCall& call : record_.canvas.Texts()) {
            if (call.text.rfind(prefix, 0) == 0) found.push_back(call);
        }
        return found;
    }

    RecordingPdfLibrary::Record record_;
    TRolePDF pdf_;
    Dudedur model_;
    WorksheetSession session_;
    std::vector<std::string> opened_;
};

TEST_F(WorksheetWriterTest, OneSetMakesAPortraitDocumentOfTwoPages) {
    ASSERT_TRUE(Write(1, 10, false).ok());
    ASSERT_EQ(record_.documents.size(), 1u);
    const testing::BegunDocument& document = record_.documents[0];
    EXPECT_EQ(document.widthPoints, 595);
    EXPECT_EQ(document.heightPoints, 842);
    EXPECT_EQ(document.fileName, "/tmp/worksheet.pdf");
    EXPECT_EQ(document.author, "© Dudedur - https://ruzerod.pl");
    EXPECT_FALSE(document.title.has_value());
    EXPECT_EQ(record_.pages, 2);
    EXPECT_EQ(record_.endedDocuments, 1);
    EXPECT_EQ(opened_, std::vector<std::string>{"/tmp/worksheet.pdf"});

    const auto heading = TextsStartingWith("Zestaw: ");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_EQ(heading[0].text, "Zestaw: 1");
    EXPECT_EQ(heading[0].page, 2);
    EXPECT_EQ(heading[0].x, 30);
    EXPECT_EQ(heading[0].y, 50);
    const auto pages = TextsStartingWith("Strona: ");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].text, "Strona: 1");
    EXPECT_EQ(pages[1].text, "Strona: 2");
}

TEST_F(WorksheetWriterTest, FiveSetsTwoToAPage) {
    ASSERT_TRUE(Write(5, 15, true).ok());
    EXPECT_EQ(record_.documents[0].widthPoints, 842);
    EXPECT_EQ(record_.documents[0].heightPoints, 595);
    EXPECT_EQ(record_.pages, 4);
    const auto setHeadings = TextsStartingWith("Zestaw nr: ");
    ASSERT_EQ(setHeadings.size(), 5u);
    const int32_t pageOfSet[] = {1, 1, 2, 2, 3};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(setHeadings[i].page, pageOfSet[i]) << "set " << i + 1;
        EXPECT_EQ(setHeadings[i].y, 70) << "set " << i + 1;
        // The heading ends where the set's equals signs start: L + 260.
        const int32_t left = i % 2 == 1 ? 1123 / 2 : 80;
        EXPECT_EQ(setHeadings[i].x + testing::CharacterCount(setHeadings[i].text) * 14 * 6 / 10,
                  left + 260)
            << "set " << i + 1;
    }
    const auto blocks = TextsStartingWith("Zestaw: ");
    ASSERT_EQ(blocks.size(), 5u);
    for (int32_t m = 0; m < 5; ++m) {
        EXPECT_EQ(blocks[m].page, 4);
        EXPECT_EQ(blocks[m].x, 100 + 190 * m - 20) << "block " << m + 1;
        EXPECT_EQ(blocks[m].y, 50) << "block " << m + 1;
    }
    // Decorations on every page, twice on a page with two sets.
    std::map<int32_t, int> framesPerPage;
    for (const auto& call : TextsStartingWith("Strona: ")) ++framesPerPage[call.page];
    EXPECT_EQ(framesPerPage, (std::map<int32_t, int>{{1, 2}, {2, 2}, {3, 1}, {4, 1}}));
}

TEST_F(WorksheetWriterTest, TenSetsFillTheAnswerGrid) {
    const struct {
        bool twoPerPage;
        std::vector<std::pair<int32_t, int32_t>> blocks;  // left, top of each block
    } cases[] = {
        {false,
         {{50, 70},
          {240, 70},
          {430, 70},
          {620, 70},
          {50, 1123 / 3 + 40},
          {240, 1123 / 3 + 40},
          {430, 1123 / 3 + 40},
          {620, 1123 / 3 + 40},
          {50, 2 * 1123 / 3 + 10},
          {240, 2 * 1123 / 3 + 10}}},
        {true,
         {{100, 70},
          {290, 70},
          {480, 70},
          {670, 70},
          {860, 70},
          {100, 793 / 2 + 10},
          {290, 793 / 2 + 10},
          {480, 793 / 2 + 10},
          {670, 793 / 2 + 10},
          {860, 793 / 2 + 10}}},
    };
    for (const auto& c : cases) {
        record_ = {};
        ASSERT_TRUE(Write(10, 10, c.twoPerPage).ok());
        const auto blocks = TextsStartingWith("Zestaw: ");
        ASSERT_EQ(blocks.size(), 10u);
        for (size_t m = 0; m < 10; ++m) {
            EXPECT_EQ(blocks[m].x, c.blocks[m].first - 20) << c.twoPerPage << " block " << m;
            EXPECT_EQ(blocks[m].y, c.blocks[m].second - 20) << c.twoPerPage << " block " << m;
        }
    }
}

TEST_F(WorksheetWriterTest, EighteenProblemsTwoToAPageUseTheSmallerFont) {
    const struct {
        int32_t problems;
        bool twoPerPage;
        int32_t size;
        int32_t spacing;
    } cases[] = {{18, true, 12, 15}, {15, true, 14, 16}, {18, false, 14, 16}};
    for (const auto& c : cases) {
        record_ = {};
        ASSERT_TRUE(Write(1, c.problems, c.twoPerPage).ok());
        // Row labels of the first set: "1)" .. "N)".
        std::vector<DrawCall> labels;
        for (const DrawCall& call : record_.canvas.Texts(1)) {
            if (!call.text.empty() && call.text.back() == ')' && call.x < 80)
                labels.push_back(call);
        }
        ASSERT_EQ(labels.size(), static_cast<size_t>(c.problems)) << c.problems;
        const int32_t pitch = c.size * 16 / 10 + c.spacing;
        for (int32_t j = 0; j < c.problems; ++j) {
            EXPECT_EQ(labels[j].font.size, c.size) << c.problems << " row " << j;
            EXPECT_EQ(labels[j].font.name, "Verdana");
            EXPECT_EQ(labels[j].y, pitch * j + 110) << c.problems << " row " << j;
        }
    }
}

// The answers page repeats the problem pages set by set and row by row.
TEST_F(WorksheetWriterTest, AnswersShowTheProblemsOfTheProblemPages) {
    ASSERT_TRUE(Write(4, 15, true, true).ok());
    ASSERT_EQ(model_.SetCount(), 4);
    for (int32_t m = 0; m < 4; ++m) {
        const Zestaw zestaw = model_.SetAt(m);
        ASSERT_EQ(zestaw.RowCount(), 15);
        for (int32_t k = 0; k < 15; ++k) {
            EXPECT_TRUE(zestaw.BlankAt(k) == 2 || zestaw.BlankAt(k) == 3);
        }
    }
    // Row texts on the problem pages, with blanks, against the answers, filled in: every
    // non-blank slot agrees.
    std::vector<std::string> problemSlots, answerSlots;
    for (const DrawCall& call : record_.canvas.Texts()) {
        if (call.text.rfind("Zestaw", 0) == 0 || call.text.rfind("Strona", 0) == 0 ||
            call.text.find("Dudedur") != std::string::npos || call.y == 26) {
            continue;
        }
        (call.page == 3 ? answerSlots : problemSlots).push_back(call.text);
    }
    ASSERT_EQ(problemSlots.size(), answerSlots.size());
    for (size_t i = 0; i < problemSlots.size(); ++i) {
        if (problemSlots[i] != "__") {
            EXPECT_EQ(problemSlots[i], answerSlots[i]) << i;
        }
    }
}

TEST_F(WorksheetWriterTest, AFailedWriteIsReportedAndNothingOpened) {
    record_.failEndWith = "brak miejsca na dysku";
    const Result<std::string> result = Write(1, 10, false);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message(),
              "Nie można zapisać pliku [/tmp/worksheet.pdf]\nbrak miejsca na dysku");
    EXPECT_TRUE(opened_.empty());
}

TEST_F(WorksheetWriterTest, WithoutMissingArgumentOnlyGroupAndIndexAreDrawn) {
    // One group of one problem: no random number at all for the problems.
    Dudedur single;
    DudedurZadanie problem;
    problem.op1 = kOpNone;
    problem.b = 3;
    problem.c = 4;
    problem.Evaluate(10, 20);
    single.AddProblem(problem);
    WorksheetSession session{single, pdf_};
    session.documentTime = session_.documentTime;
    WorksheetOptions options;
    options.setCount = 2;
    options.problemsPerSet = 18;
    SeedRandom(5);
    ASSERT_TRUE(WriteWorksheet(session, options, false, "/tmp/single.pdf", false).ok());
    const double next = NextUniform();
    SeedRandom(5);
    EXPECT_EQ(next, NextUniform());
    for (int32_t m = 0; m < 2; ++m) {
        for (int32_t k = 0; k < 18; ++k) EXPECT_EQ(single.SetAt(m).BlankAt(k), kBlankResult);
    }
    // With the missing argument the blanks still vary from row to row.
    options.missingArgument = true;
    ASSERT_TRUE(WriteWorksheet(session, options, false, "/tmp/single.pdf", false).ok());
    std::map<int32_t, int> blanks;
    for (int32_t k = 0; k < 18; ++k) ++blanks[single.SetAt(0).BlankAt(k)];
    EXPECT_EQ(blanks.size(), 2u);
}

}  // namespace
}  // namespace dudedur
