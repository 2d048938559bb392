#include "pdf/Pdfhdr.h"

#include <utility>

#include "platform/desktop_opener.h"

namespace dudedur {
namespace {

// nullptr for an empty property, so that the library leaves it out.
const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    const int64_t product = int64_t{number} * numerator;
    const int64_t half = (denominator < 0 ? -int64_t{denominator} : denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const int64_t magnitude = (product < 0 ? -product : product);
    const int64_t divisor = denominator < 0 ? -int64_t{denominator} : denominator;
    const int64_t rounded = (magnitude + half) / divisor;
    return static_cast<int32_t>(negative ? -rounded : rounded);
}

TRolePDF::TRolePDF(std::unique_ptr<PdfLibrary> library)
    : library_(std::move(library)), opener_(platform::OpenWithDesktop) {
    SetPageSize(psA4);
}

void TRolePDF::SetPageSize(TPageSize size) {
    pageSize_ = size;
    switch (size) {
        case psA4:
            PageWidth = 595;
            PageHeight = 842;
            break;
        case psLetter:
            PageWidth = 612;
            PageHeight = 792;
            break;
        case psLegal:
            PageWidth = 612;
            PageHeight = 1008;
            break;
        case psCustom:
            break;
    }
}

void TRolePDF::SetOrientation(TPageOrientation orientation) {
    orientation_ = orientation;
    const bool swap = orientation == poPortrait ? PageWidth > PageHeight : PageWidth < PageHeight;
    if (swap) std::swap(PageWidth, PageHeight);
}

Status TRolePDF::BeginDoc() {
    return library_->BeginDocument(OrNull(FileName), OrNull(Title), OrNull(Author), OrNull(Subject),
                                   OrNull(Keywords), OrNull(Creator), PageWidth, PageHeight);
}

PageCanvas& TRolePDF::GetCanvas() { return library_->CurrentPage(); }

Status TRolePDF::NewPage() { return library_->NewPage(); }

Status TRolePDF::EndDoc() {
    Status ended = library_->EndDocument();
    if (ended.ok() && AutoLaunch && opener_) opener_(FileName);
    return ended;
}

int32_t TRolePDF::GetPageWidth() {
    const int32_t answer = library_->PageWidth();
    return answer != 0 ? answer : PointsToCanvasUnits(PageWidth, DeviceCaps());
}

int32_t TRolePDF::GetPageHeight() {
    const int32_t answer = library_->PageHeight();
    return answer != 0 ? answer : PointsToCanvasUnits(PageHeight, DeviceCaps());
}

int32_t TRolePDF::GetPageCount() { return library_->PageCount(); }

int32_t TRolePDF::AddOutline(const std::string& text, int32_t parent, int32_t page, int32_t y) {
    return library_->AddOutline(text, parent, page, y);
}

}  // namespace dudedur
