// A PDF library for tests that writes nothing and keeps every call: what the document was begun
// with, and every text and line drawn, page by page, with the font in force. Text metrics are
// fixed (see RecordingCanvas), so positions can be checked exactly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pdf/page_canvas.h"
#include "pdf/pdf_library.h"

namespace dudedur::testing {

struct DrawCall {
    enum class Kind { kText, kMoveTo, kLineTo };
    Kind kind = Kind::kText;
    int32_t page = 1;  // counted from 1
    int32_t x = 0;
    int32_t y = 0;
    std::string text;
    CanvasFont font;
};

// Metrics: every character is font.size * 6 / 10 units wide, a line font.size * 16 / 10 high.
class RecordingCanvas : public PageCanvas {
  public:
    std::vector<DrawCall> calls;
    int32_t page = 1;

    void TextOut(int32_t x, int32_t y, std::string_view text) override;
    int32_t TextWidth(std::string_view text) override;
    int32_t TextHeight(std::string_view text) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;

    // The texts drawn, in order, optionally on one page only.
    std::vector<DrawCall> Texts(std::optional<int32_t> onPage = std::nullopt) const;
};

// Characters of UTF-8 text.
int32_t CharacterCount(std::string_view text);

struct BegunDocument {
    std::optional<std::string> fileName, title, author, subject, keywords, creator;
    int32_t widthPoints = 0;
    int32_t heightPoints = 0;
};

class RecordingPdfLibrary : public PdfLibrary {
  public:
    // Shared with the test, which keeps a pointer after handing the library to TRolePDF.
    struct Record {
        std::vector<BegunDocument> documents;
        RecordingCanvas canvas;
        int32_t pages = 0;
        int32_t endedDocuments = 0;
        std::string failEndWith;  // when set, EndDocument fails with this reason
    };
    explicit RecordingPdfLibrary(Record& record) : record_(record) {}

    Status BeginDocument(const char* fileName, const char* title, const char* author,
                         const char* subject, const char* keywords, const char* creator,
                         int32_t widthPoints, int32_t heightPoints) override;
    PageCanvas& CurrentPage() override { return record_.canvas; }
    Status NewPage() override;
    Status EndDocument() override;
    int32_t PageWidth() override { return 0; }  // let the component convert the points
    int32_t PageHeight() override { return 0; }
    int32_t PageCount() override { return record_.pages; }
    int32_t AddOutline(const std::string&, int32_t, int32_t, int32_t) override { return 0; }

  private:
    Record& record_;
};

}  // namespace dudedur::testing
