#include "worksheet/page_decorations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "common/build_info.h"
#include "recording_pdf.h"

namespace dudedur {
namespace {

using testing::CharacterCount;
using testing::DrawCall;
using testing::RecordingCanvas;

// Local time, as the page shows it: pinned to one zone so the test does not depend on the machine.
std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    setenv("TZ", "Europe/Warsaw", 1);
    tzset();
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

TEST(DocumentDateText, DayMonthYearWithHyphensAndTheTime) {
    EXPECT_EQ(DocumentDateText(LocalTime(2024, 12, 9, 14, 5, 7)), "09-12-2024 14:05:07");
    EXPECT_EQ(DocumentDateText(LocalTime(2025, 2, 1, 7, 3, 9)), "01-02-2025 07:03:09");
    EXPECT_EQ(DocumentDateText(LocalTime(2024, 12, 31, 0, 0, 0)), "31-12-2024");
    EXPECT_EQ(DocumentDateText(LocalTime(2024, 12, 31, 0, 0, 1)), "31-12-2024 00:00:01");
}

TEST(DrawPageDecorations, FramesPortraitAndLandscapePages) {
    const struct {
        std::string name;
        int32_t width, height, page;
        bool answers;
        std::string title;
    } cases[] = {
        {"portrait problem page", 793, 1123, 1, false, "Zestawy Dudedur"},
        {"landscape answers page", 1123, 793, 4, true, "Odpowiedzi do zadań"},
        {"page number with more digits", 793, 1123, 1234, false, "Zestawy Dudedur"},
    };
    const std::time_t time = LocalTime(2024, 12, 9, 14, 5, 7);
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        canvas.font.color = kBlack;
        DrawPageDecorations(canvas, c.width, c.height, c.page, c.answers, time);
        auto width = [](const std::string& text) { return CharacterCount(text) * 8 * 6 / 10; };
        const std::string pageText = "Strona: " + std::to_string(c.page);
        const std::string date = "09-12-2024 14:05:07";
        const std::vector<std::tuple<DrawCall::Kind, int32_t, int32_t, std::string>> expected = {
            {DrawCall::Kind::kMoveTo, 50, c.height - 50, ""},
            {DrawCall::Kind::kLineTo, c.width - 50, c.height - 50, ""},
            {DrawCall::Kind::kText, 50, c.height - 45, "Dudedur - " + ProgramPageUrl()},
            {DrawCall::Kind::kText, c.width - 50 - width(pageText), c.height - 45, pageText},
            {DrawCall::Kind::kText, 50, 26, c.title},
            {DrawCall::Kind::kText, c.width - 50 - width(date), 26, date},
            {DrawCall::Kind::kMoveTo, 50, 40, ""},
            {DrawCall::Kind::kLineTo, c.width - 50, 40, ""},
        };
        ASSERT_EQ(canvas.calls.size(), expected.size()) << c.name;
        for (size_t i = 0; i < expected.size(); ++i) {
            const DrawCall& call = canvas.calls[i];
            const auto& [kind, x, y, text] = expected[i];
            EXPECT_EQ(call.kind, kind) << c.name << " call " << i;
            EXPECT_EQ(call.x, x) << c.name << " call " << i;
            EXPECT_EQ(call.y, y) << c.name << " call " << i;
            EXPECT_EQ(call.text, text) << c.name << " call " << i;
            if (call.kind == DrawCall::Kind::kText) {
                EXPECT_EQ(call.font.name, "Verdana") << c.name << " call " << i;
                EXPECT_EQ(call.font.size, 8) << c.name << " call " << i;
                EXPECT_EQ(call.font.charset, kCharsetCentralEuropean) << c.name << " call " << i;
            }
        }
        EXPECT_EQ(canvas.font.color, kBlack) << c.name;
    }
}

}  // namespace
}  // namespace dudedur
