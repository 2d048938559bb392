#include "recording_pdf.h"

namespace dudedur::testing {

int32_t CharacterCount(std::string_view text) {
    int32_t count = 0;
    for (unsigned char byte : text) count += (byte & 0xC0) != 0x80;
    return count;
}

void RecordingCanvas::TextOut(int32_t x, int32_t y, std::string_view text) {
    calls.push_back({DrawCall::Kind::kText, page, x, y, std::string(text), font});
}

int32_t RecordingCanvas::TextWidth(std::string_view text) {
    return CharacterCount(text) * font.size * 6 / 10;
}

int32_t RecordingCanvas::TextHeight(std::string_view) { return font.size * 16 / 10; }

void RecordingCanvas::MoveTo(int32_t x, int32_t y) {
    calls.push_back({DrawCall::Kind::kMoveTo, page, x, y, "", font});
}

void RecordingCanvas::LineTo(int32_t x, int32_t y) {
    calls.push_back({DrawCall::Kind::kLineTo, page, x, y, "", font});
}

std::vector<DrawCall> RecordingCanvas::Texts(std::optional<int32_t> onPage) const {
    std::vector<DrawCall> texts;
    for (const DrawCall& call : calls) {
        if (call.kind == DrawCall::Kind::kText && (!onPage || call.page == *onPage)) {
            texts.push_back(call);
        }
    }
    return texts;
}

Status RecordingPdfLibrary::BeginDocument(const char* fileName, const char* title,
                                          const char* author, const char* subject,
                                          const char* keywords, const char* creator,
                                          int32_t widthPoints, int32_t heightPoints) {
    auto text = [](const char* value) -> std::optional<std::string> {
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
    record_.documents.push_back({text(fileName), text(title), text(author), text(subject),
                                 text(keywords), text(creator), widthPoints, heightPoints});
    record_.pages = 1;
    record_.canvas.page = 1;
    return Status::Ok();
}

Status RecordingPdfLibrary::NewPage() {
    ++record_.pages;
    record_.canvas.page = record_.pages;
    return Status::Ok();
}

Status RecordingPdfLibrary::EndDocument() {
    ++record_.endedDocuments;
    if (!record_.failEndWith.empty()) return Status::Error(record_.failEndWith);
    return Status::Ok();
}

}  // namespace dudedur::testing
