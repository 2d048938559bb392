// The PDF document component: properties that describe a document, and the calls that begin it,
// hand out the page canvas, move on page by page and end it. The pages are made by a PdfLibrary
// (cairo and pango unless a test hands in another).
//
// Canvas units are 1/96 inch on every page, whatever the screen: a document is not a screen,
// and fixed positions in units must keep matching font sizes in points.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/status.h"
#include "pdf/page_canvas.h"
#include "pdf/pdf_library.h"

namespace dudedur {

enum TPageSize { psCustom = 0, psA4 = 1, psLetter = 2, psLegal = 3 };
enum TPageOrientation { poPortrait = 0, poLandscape = 1 };

// The resolution of the canvas, in units per inch.
inline constexpr int32_t kCanvasUnitsPerInch = 96;

// number * numerator / denominator with a 64-bit intermediate, rounded half away from zero;
// -1 when the denominator is 0.
int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator);

// A length in points as canvas units at the given resolution.
inline int32_t PointsToCanvasUnits(int32_t points, int32_t unitsPerInch) {
    return MulDiv(points, unitsPerInch, 72);
}

class TRolePDF {
  public:
    using Opener = std::function<void(const std::string& path)>;

    explicit TRolePDF(std::unique_ptr<PdfLibrary> library = MakeCairoPdfLibrary());

    // Document information; an empty one is left out of the document.
    std::string FileName;
    std::string Author;
    std::string Title;
    std::string Subject;
    std::string Keywords;
    std::string Creator;
    // Written in points; read through GetPageWidth and GetPageHeight in canvas units.
    int32_t PageWidth = 595;
    int32_t PageHeight = 842;
    // Open FileName in the desktop's viewer after a successful EndDoc.
    bool AutoLaunch = false;

    TPageSize PageSize() const { return pageSize_; }
    // Sets the portrait size of a named page; psCustom keeps the width and height.
    void SetPageSize(TPageSize size);
    TPageOrientation Orientation() const { return orientation_; }
    // Swaps width and height when they do not match the orientation.
    void SetOrientation(TPageOrientation orientation);

    // Begins the document; its first page is current. Fails with the reason when the file
    // cannot be started.
    Status BeginDoc();
    // The canvas of the current page: the same object for the component's whole life.
    PageCanvas& GetCanvas();
    // Finishes the current page and makes a new one current.
    Status NewPage();
    // Completes the file and, with AutoLaunch, opens it. Fails with the reason when the file
    // cannot be written; then nothing is left under FileName and nothing is opened.
    Status EndDoc();

    int32_t GetPageWidth();
    int32_t GetPageHeight();
    int32_t DeviceCaps() const { return kCanvasUnitsPerInch; }
    int32_t GetPageCount();
    int32_t AddOutline(const std::string& text, int32_t parent, int32_t page, int32_t y);

    // Replaces the desktop's opener, for tests.
    void SetOpener(Opener opener) { opener_ = std::move(opener); }

  private:
    std::unique_ptr<PdfLibrary> library_;
    TPageSize pageSize_ = psA4;
    TPageOrientation orientation_ = poPortrait;
    Opener opener_;
};

}  // namespace dudedur
