#include "pdf/Pdfhdr.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_pdf.h"

namespace dudedur {
namespace {

using testing::RecordingPdfLibrary;

class PdfhdrTest : public ::testing::Test {
  protected:
    PdfhdrTest() : pdf_(std::make_unique<RecordingPdfLibrary>(record_)) {
        pdf_.SetOpener([this](const std::string& path) { opened_.push_back(path); });
    }

    RecordingPdfLibrary::Record record_;
    TRolePDF pdf_;
    std::vector<std::string> opened_;
};

TEST_F(PdfhdrTest, StartsAsPortraitA4WithEmptyInformation) {
    EXPECT_EQ(pdf_.PageSize(), psA4);
    EXPECT_EQ(pdf_.Orientation(), poPortrait);
    EXPECT_EQ(pdf_.PageWidth, 595);
    EXPECT_EQ(pdf_.PageHeight, 842);
    EXPECT_FALSE(pdf_.AutoLaunch);
    EXPECT_TRUE(pdf_.FileName.empty() && pdf_.Author.empty() && pdf_.Title.empty() &&
                pdf_.Subject.empty() && pdf_.Keywords.empty() && pdf_.Creator.empty());
    EXPECT_EQ(pdf_.DeviceCaps(), 96);
}

TEST_F(PdfhdrTest, PageSizeAndOrientationFollowTheirOrder) {
    const struct {
        std::string name;
        std::vector<std::pair<char, int>> steps;  // 's' size, 'o' orientation, 'w'/'h' points
        int32_t width, height;
    } cases[] = {
        {"A4 portrait", {{'s', psA4}, {'o', poPortrait}}, 595, 842},
        {"A4 then landscape", {{'s', psA4}, {'o', poLandscape}}, 842, 595},
        {"landscape then Letter stays portrait", {{'o', poLandscape}, {'s', psLetter}}, 612, 792},
        {"Legal then landscape", {{'s', psLegal}, {'o', poLandscape}}, 1008, 612},
        {"landscape twice changes nothing",
         {{'s', psA4}, {'o', poLandscape}, {'o', poLandscape}},
         842,
         595},
        {"custom keeps written points", {{'w', 300}, {'h', 200}, {'s', psCustom}}, 300, 200},
        {"square is never swapped", {{'w', 500}, {'h', 500}, {'o', poLandscape}}, 500, 500},
    };
    for (const auto& c : cases) {
        TRolePDF pdf(std::make_unique<RecordingPdfLibrary>(record_));
        for (const auto& [kind, value] : c.steps) {
            if (kind == 's') pdf.SetPageSize(static_cast<TPageSize>(value));
            if (kind == 'o') pdf.SetOrientation(static_cast<TPageOrientation>(value));
            if (kind == 'w') pdf.PageWidth = value;
            if (kind == 'h') pdf.PageHeight = value;
        }
        ASSERT_TRUE(pdf.BeginDoc().ok());
        EXPECT_EQ(record_.documents.back().widthPoints, c.width) << c.name;
        EXPECT_EQ(record_.documents.back().heightPoints, c.height) << c.name;
    }
}

TEST_F(PdfhdrTest, EmptyInformationReachesTheLibraryAsNull) {
    pdf_.FileName = "/tmp/x.pdf";
    pdf_.Author = "© Dudedur";
    ASSERT_TRUE(pdf_.BeginDoc().ok());
    const testing::BegunDocument& document = record_.documents.back();
    EXPECT_EQ(document.fileName, "/tmp/x.pdf");
    EXPECT_EQ(document.author, "© Dudedur");
    EXPECT_FALSE(document.title.has_value());
    EXPECT_FALSE(document.subject.has_value());
    EXPECT_FALSE(document.keywords.has_value());
    EXPECT_FALSE(document.creator.has_value());
}

TEST(PointsToCanvasUnits, MultipliesThenDividesWithRounding) {
    const struct {
        int32_t points, resolution, expected;
    } cases[] = {{595, 96, 793}, {842, 96, 1123}, {595, 120, 992}, {842, 120, 1403},
                 {612, 96, 816}, {0, 96, 0},      {1, 96, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(PointsToCanvasUnits(c.points, c.resolution), c.expected)
            << c.points << " pt at " << c.resolution;
    }
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);  // half away from zero
    EXPECT_EQ(MulDiv(7, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);  // 64-bit product
}

// The page size reads in 96ths of an inch whatever the screen, when the library answers 0.
TEST_F(PdfhdrTest, PageSizeReadsInCanvasUnits) {
    pdf_.SetOrientation(poLandscape);
    EXPECT_EQ(pdf_.GetPageWidth(), 1123);
    EXPECT_EQ(pdf_.GetPageHeight(), 793);
    pdf_.PageWidth = 595;
    EXPECT_EQ(pdf_.GetPageWidth(), 793);
}

TEST_F(PdfhdrTest, OpensOnlyWhenAskedAndWritten) {
    pdf_.FileName = "/tmp/it's a $(name); \"quoted\".pdf";
    ASSERT_TRUE(pdf_.BeginDoc().ok());
    ASSERT_TRUE(pdf_.EndDoc().ok());
    EXPECT_TRUE(opened_.empty());

    pdf_.AutoLaunch = true;
    ASSERT_TRUE(pdf_.BeginDoc().ok());
    ASSERT_TRUE(pdf_.EndDoc().ok());
    EXPECT_EQ(opened_, std::vector<std::string>{pdf_.FileName});

    record_.failEndWith = "disk full";
    ASSERT_TRUE(pdf_.BeginDoc().ok());
    const Status ended = pdf_.EndDoc();
    EXPECT_FALSE(ended.ok());
    EXPECT_EQ(ended.message(), "disk full");
    EXPECT_EQ(opened_.size(), 1u);
}

TEST_F(PdfhdrTest, TheCanvasAndItsFontCarryOverPages) {
    ASSERT_TRUE(pdf_.BeginDoc().ok());
    PageCanvas& first = pdf_.GetCanvas();
    first.font.name = "Verdana";
    first.font.size = 14;
    ASSERT_TRUE(pdf_.NewPage().ok());
    EXPECT_EQ(&pdf_.GetCanvas(), &first);
    EXPECT_EQ(pdf_.GetCanvas().font.size, 14);
    EXPECT_EQ(pdf_.GetPageCount(), 2);
}

}  // namespace
}  // namespace dudedur
