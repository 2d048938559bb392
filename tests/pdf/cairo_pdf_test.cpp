// Real documents written through the component and read back with poppler, qpdf and mupdf.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "pdf/Pdfhdr.h"
#include "platform/desktop_opener.h"
#include "run_program.h"
#include "scoped_environment.h"
#include "temp_folder.h"

namespace dudedur {
namespace {

using testing::ReadFile;
using testing::RunProgram;
using testing::TempFolder;

// The value of a "Key:   value" line of pdfinfo.
std::string InfoField(const std::string& info, const std::string& key) {
    std::smatch match;
    const std::regex line("(^|\\n)" + key + ":\\s*([^\\n]*)");
    return std::regex_search(info, match, line) ? match[2].str() : "";
}

class CairoPdfTest : public ::testing::Test {
  protected:
    CairoPdfTest() {
        pdf_.SetOpener([this](const std::string& path) { opened_.push_back(path); });
    }

    // Writes a document of `pages` pages, each with a line of text at (x, y).
    Status Write(const std::string& path, int pages, const std::string& text, int32_t x = 80,
                 int32_t y = 110) {
        pdf_.FileName = path;
        if (Status begun = pdf_.BeginDoc(); !begun.ok()) return begun;
        for (int page = 0; page < pages; ++page) {
            if (page > 0) {
                EXPECT_TRUE(pdf_.NewPage().ok());
            }
            PageCanvas& canvas = pdf_.GetCanvas();
            canvas.font.name = "Verdana";
            canvas.font.size = 14;
            canvas.TextOut(x, y, text);
            canvas.MoveTo(50, 40);
            canvas.LineTo(pdf_.GetPageWidth() - 50, 40);
        }
        return pdf_.EndDoc();
    }

    TempFolder folder_;
    TRolePDF pdf_;
    std::vector<std::string> opened_;
};

TEST_F(CairoPdfTest, WritesAValidDocumentOfEveryPageSize) {
    const struct {
        std::string name;
        TPageSize size;
        TPageOrientation orientation;
        std::string pageSize;
    } cases[] = {
        {"a4-portrait", psA4, poPortrait, "595 x 842 pts (A4)"},
        {"a4-landscape", psA4, poLandscape, "842 x 595 pts (A4)"},
        {"letter", psLetter, poPortrait, "612 x 792 pts (letter)"},
        {"legal", psLegal, poPortrait, "612 x 1008 pts"},
    };
    for (const auto& c : cases) {
        const std::string path = folder_ / (c.name + ".pdf");
        pdf_.SetPageSize(c.size);
        pdf_.SetOrientation(c.orientation);
        pdf_.Author = "© Dudedur - test";
        ASSERT_TRUE(Write(path, 3, "Zestaw nr: 1").ok()) << c.name;
        EXPECT_EQ(RunProgram({"qpdf", "--check", path}).exitStatus, 0) << c.name;
        const std::string info = RunProgram({"pdfinfo", path}).out;
        EXPECT_EQ(InfoField(info, "Pages"), "3") << c.name;
        EXPECT_EQ(InfoField(info, "Page size"), c.pageSize) << c.name;
        EXPECT_EQ(InfoField(info, "Author"), "© Dudedur - test") << c.name;
        EXPECT_EQ(InfoField(info, "Title"), "") << c.name;
        EXPECT_EQ(pdf_.GetPageCount(), 3) << c.name;
    }
}

TEST_F(CairoPdfTest, TextIsEmbeddedSearchableAndPlacedInCanvasUnits) {
    const std::string path = folder_ / "text.pdf";
    const std::string text = "Odpowiedzi do zadań: 3 • 4 Zażółć gęślą jaźń";
    ASSERT_TRUE(Write(path, 1, text, 80, 110).ok());

    const std::string fonts = RunProgram({"pdffonts", path}).out;
    EXPECT_NE(fonts.find("DejaVu"), std::string::npos) << fonts;
    // Every font line says "yes" for embedded, subset and Unicode map.
    const std::regex fontLine(
        "\\n[^\\n-][^\\n]*?\\s+(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+");
    int fontCount = 0;
    for (std::sregex_iterator it(fonts.begin(), fonts.end(), fontLine), end; it != end; ++it) {
        ++fontCount;
        EXPECT_EQ((*it)[1], "yes") << fonts;
        EXPECT_EQ((*it)[3], "yes") << fonts;
    }
    EXPECT_GT(fontCount, 0) << fonts;

    const std::string extracted = RunProgram({"pdftotext", path, "-"}).out;
    EXPECT_NE(extracted.find(text), std::string::npos) << extracted;

    // The text's left edge at 80 units is 60 points; its top at 110 units is 82.5 points.
    const std::string boxes = RunProgram({"pdftotext", "-bbox", path, "-"}).out;
    std::smatch word;
    ASSERT_TRUE(std::regex_search(
        boxes, word, std::regex("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Odpowiedzi")))
        << boxes;
    EXPECT_NEAR(std::stod(word[1]), 60.0, 0.5);
    EXPECT_NEAR(std::stod(word[2]), 82.5, 3.0);
}

TEST_F(CairoPdfTest, ColourReachesTheDocument) {
    const std::string path = folder_ / "colour.pdf";
    pdf_.FileName = path;
    ASSERT_TRUE(pdf_.BeginDoc().ok());
    PageCanvas& canvas = pdf_.GetCanvas();
    canvas.font.name = "Verdana";
    canvas.font.size = 8;
    canvas.TextOut(50, 50, "A");
    canvas.font.color = kRed;
    canvas.TextOut(80, 50, "B");
    canvas.font.color = kBlack;
    ASSERT_TRUE(pdf_.EndDoc().ok());
    const std::string stext = RunProgram({"mutool", "draw", "-F", "stext", "-o", "-", path}).out;
    EXPECT_NE(stext.find("color=\"#000000\" c=\"A\""), std::string::npos) << stext;
    EXPECT_NE(stext.find("color=\"#ff0000\" c=\"B\""), std::string::npos) << stext;
}

TEST_F(CairoPdfTest, MeasuresInWholeUnitsProportionalToTheFontSize) {
    PageCanvas& canvas = pdf_.GetCanvas();  // measuring needs no document
    canvas.font.name = "Verdana";
    canvas.font.size = 8;
    const int32_t small = canvas.TextWidth("Strona: 10");
    const int32_t smallHeight = canvas.TextHeight("hp");
    canvas.font.size = 16;
    EXPECT_NEAR(canvas.TextWidth("Strona: 10"), 2 * small, 2);
    EXPECT_NEAR(canvas.TextHeight("hp"), 2 * smallHeight, 2);
    EXPECT_GT(small, 0);
    EXPECT_EQ(canvas.TextWidth(""), 0);
}

TEST_F(CairoPdfTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    const std::string blocker = folder_ / "not-a-folder";
    { std::ofstream(blocker) << "x"; }
    const struct {
        std::string name;
        std::string path;
    } cases[] = {
        {"missing folder", folder_ / "missing/out.pdf"},
        {"path under a file", blocker + "/out.pdf"},
    };
    pdf_.AutoLaunch = true;
    for (const auto& c : cases) {
        const Status status = Write(c.path, 1, "x");
        EXPECT_FALSE(status.ok()) << c.name;
        EXPECT_FALSE(status.message().empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(c.path)) << c.name;
    }
    EXPECT_TRUE(opened_.empty());
    // Nothing but the blocker is left in the folder: no temporary files either.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
        ++entries;
        EXPECT_EQ(entry.path().filename(), "not-a-folder");
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(CairoPdfTest, ADocumentReplacesTheFileOnlyWhenComplete) {
    const std::string path = folder_ / "doc.pdf";
    { std::ofstream(path) << "old"; }
    ASSERT_TRUE(Write(path, 1, "nowy").ok());
    EXPECT_EQ(ReadFile(path).rfind("%PDF", 0), 0u);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IRGRP, 0u) << "a document is readable like any new file";
}

// The desktop opener gets the file name as one argument, never through a shell.
TEST(DesktopOpener, HandsTheNameOverUnchanged) {
    TempFolder folder;
    const std::string record = folder / "argv";
    const std::string script = folder / "xdg-open";
    {
        std::ofstream out(script);
        out << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" << record << ".tmp'\nmv '" << record
            << ".tmp' '" << record << "'\n";
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const std::string name = folder / "it's \"my\" file; $(touch pwned) `id`.pdf";
    {
        testing::ScopedEnvironment environment;
        const char* path = std::getenv("PATH");
        environment.Set("PATH", folder.path() + ":" + (path != nullptr ? path : ""));
        platform::OpenWithDesktop(name);
    }
    for (int i = 0; i < 500 && !std::filesystem::exists(record); ++i) usleep(10000);
    EXPECT_EQ(ReadFile(record), "1\n" + name + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "pwned"));
}

}  // namespace
}  // namespace dudedur
