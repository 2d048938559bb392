#include "worksheet/worksheet_writer.h"

#include "model/random.h"
#include "pdf/Pdfhdr.h"
#include "worksheet/expression_drawing.h"
#include "worksheet/output_file.h"
#include "worksheet/page_decorations.h"

namespace dudedur {
namespace {

constexpr const char* kFontName = "Verdana";

// Problem pages.
constexpr int32_t kSetLeft = 80;
constexpr int32_t kFirstRowTop = 110;
constexpr int32_t kSetHeadingTop = 70;
constexpr int32_t kSetHeadingRightFromLeft = 260;  // where the rows' equals signs begin
constexpr int32_t kRowFontSize = 14;
constexpr int32_t kRowSpacing = 16;
// Two sets of 18 problems share a landscape page only in a smaller font.
constexpr int32_t kCrowdedRowFontSize = 12;
constexpr int32_t kCrowdedRowSpacing = 15;
constexpr int32_t kCrowdedProblems = 18;

// The answers page.
constexpr int32_t kAnswerFontSize = 8;
constexpr int32_t kAnswerRowSpacing = 4;
constexpr int32_t kBlockPitch = 190;
constexpr int32_t kBlocksTop = 70;
constexpr int32_t kBlockHeadingOffset = 20;

// A block of the answers page: where set m's answers stand.
struct Block {
    int32_t left;
    int32_t top;
};

Block AnswerBlock(int32_t m, bool twoSetsPerPage, int32_t pageHeight) {
    if (twoSetsPerPage) {  // landscape: two rows of five
        if (m < 5) return {100 + kBlockPitch * m, kBlocksTop};
        return {100 + kBlockPitch * (m - 5), pageHeight / 2 + 10};
    }
    // portrait: three rows of four
    if (m < 4) return {50 + kBlockPitch * m, kBlocksTop};
    if (m < 8) return {50 + kBlockPitch * (m - 4), pageHeight / 3 + 40};
    return {50 + kBlockPitch * (m - 8), 2 * pageHeight / 3 + 10};
}

BlankPosition ChooseBlank(bool missingArgument, bool threeArguments) {
    if (!missingArgument) return kBlankResult;
    return threeArguments ? RandomInRange(1, 3) : RandomInRange(2, 3);
}

// A failure to start a page stays with the document and is reported when it ends.
void NewPage(TRolePDF& pdf) { static_cast<void>(pdf.NewPage()); }

}  // namespace

Result<std::string> WriteWorksheet(WorksheetSession& session, const WorksheetOptions& options,
                                   bool threeArguments, const std::string& path, bool open) {
    TRolePDF& pdf = session.pdf;
    Dudedur& model = session.model;
    const bool twoPerPage = options.twoSetsPerPage;
    const bool crowded = twoPerPage && options.problemsPerSet == kCrowdedProblems;

    pdf.FileName = path;
    pdf.AutoLaunch = open;
    pdf.Author = DocumentAuthor();
    pdf.SetPageSize(psA4);
    pdf.SetOrientation(twoPerPage ? poLandscape : poPortrait);
    if (const Status begun = pdf.BeginDoc(); !begun.ok()) {
        return Status::Error(WriteFailedMessage(path, begun.message()));
    }

    model.ClearSets();
    Zestaw zestaw;
    int32_t page = 1;
    for (int32_t i = 0; i < options.setCount; ++i) {
        zestaw.Clear();
        if (i > 0 && (!twoPerPage || i % 2 == 0)) {
            NewPage(pdf);
            ++page;
        }
        pdf.GetCanvas().font.name = kFontName;
        pdf.GetCanvas().font.size = crowded ? kCrowdedRowFontSize : kRowFontSize;
        pdf.GetCanvas().font.charset = kCharsetWestern;
        const int32_t spacing = crowded ? kCrowdedRowSpacing : kRowSpacing;
        const int32_t left = (twoPerPage && i % 2 == 1) ? pdf.GetPageWidth() / 2 : kSetLeft;

        const std::string heading = "Zestaw nr: " + NumberText(i + 1);
        pdf.GetCanvas().TextOut(
            left + kSetHeadingRightFromLeft - pdf.GetCanvas().TextWidth(heading), kSetHeadingTop,
            heading);
        for (int32_t j = 0; j < options.problemsPerSet; ++j) {
            const Dudedur::Drawn drawn = model.RandomProblem();
            const int32_t top = (pdf.GetCanvas().TextHeight("hp") + spacing) * j + kFirstRowTop;
            const BlankPosition blank = ChooseBlank(options.missingArgument, threeArguments);
            zestaw.Add(drawn.group, drawn.index, blank);
            DrawProblemRow(pdf.GetCanvas(), drawn.problem, j + 1, left, top, blank, threeArguments,
                           options.missingArgument);
        }
        model.AddSet(zestaw);
        DrawPageDecorations(pdf.GetCanvas(), pdf.GetPageWidth(), pdf.GetPageHeight(), page, false,
                            session.documentTime);
    }

    NewPage(pdf);  // the answers page
    // Only name and size: the character set and colour stay as the page frame left them.
    pdf.GetCanvas().font.name = kFontName;
    pdf.GetCanvas().font.size = kAnswerFontSize;
    for (int32_t m = 0; m < model.SetCount(); ++m) {
        zestaw = model.SetAt(m);
        const Block block = AnswerBlock(m, twoPerPage, pdf.GetPageHeight());
        pdf.GetCanvas().TextOut(block.left - kBlockHeadingOffset, block.top - kBlockHeadingOffset,
                                "Zestaw: " + NumberText(m + 1));
        for (int32_t k = 0; k < zestaw.RowCount(); ++k) {
            const DudedurZadanie problem = model.ProblemAt(zestaw.GroupAt(k), zestaw.IndexAt(k));
            const int32_t top =
                (pdf.GetCanvas().TextHeight("hp") + kAnswerRowSpacing) * k + block.top;
            DrawAnswerRow(pdf.GetCanvas(), problem, k + 1, block.left, top, zestaw.BlankAt(k),
                          threeArguments);
        }
    }
    DrawPageDecorations(pdf.GetCanvas(), pdf.GetPageWidth(), pdf.GetPageHeight(), page + 1, true,
                        session.documentTime);

    if (const Status ended = pdf.EndDoc(); !ended.ok()) {
        return Status::Error(WriteFailedMessage(path, ended.message()));
    }
    return path;
}

}  // namespace dudedur
