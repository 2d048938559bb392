#include "worksheet/page_decorations.h"

#include "common/build_info.h"
#include "pdf/page_canvas.h"
#include "worksheet/expression_drawing.h"

namespace dudedur {
namespace {

constexpr int32_t kMargin = 50;
constexpr int32_t kHeaderTextTop = 26;
constexpr int32_t kHeaderRuleY = 40;
constexpr int32_t kFooterRuleFromBottom = 50;
constexpr int32_t kFooterTextFromBottom = 45;

}  // namespace

std::string DocumentDateText(std::time_t documentTime) {
    std::tm local{};
    localtime_r(&documentTime, &local);
    char text[32];
    const bool midnight = local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0;
    std::strftime(text, sizeof text, midnight ? "%d-%m-%Y" : "%d-%m-%Y %H:%M:%S", &local);
    return text;
}

void DrawPageDecorations(PageCanvas& canvas, int32_t width, int32_t height, int32_t pageNumber,
                         bool answers, std::time_t documentTime) {
    canvas.font.name = "Verdana";
    canvas.font.size = 8;
    canvas.font.charset = kCharsetCentralEuropean;

    canvas.MoveTo(kMargin, height - kFooterRuleFromBottom);
    canvas.LineTo(width - kMargin, height - kFooterRuleFromBottom);
    canvas.TextOut(kMargin, height - kFooterTextFromBottom, "Dudedur - " + ProgramPageUrl());
    const std::string page = "Strona: " + NumberText(pageNumber);
    canvas.TextOut(width - kMargin - canvas.TextWidth(page), height - kFooterTextFromBottom, page);

    const std::string date = DocumentDateText(documentTime);
    const int32_t dateWidth = canvas.TextWidth(date);
    canvas.TextOut(kMargin, kHeaderTextTop, answers ? "Odpowiedzi do zadań" : "Zestawy Dudedur");
    canvas.TextOut(width - kMargin - dateWidth, kHeaderTextTop, date);

    canvas.font.color = kBlack;
    canvas.MoveTo(kMargin, kHeaderRuleY);
    canvas.LineTo(width - kMargin, kHeaderRuleY);
}

}  // namespace dudedur
