// The PDF library behind the document component: one document at a time, drawn page by page.
// The cairo implementation writes real files; tests put a recording one in its place.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/status.h"
#include "pdf/page_canvas.h"

namespace dudedur {

class PdfLibrary {
  public:
    virtual ~PdfLibrary() = default;

    // Begins a document whose pages are widthPoints x heightPoints points; its first page is
    // current. Information strings that are absent come as nullptr, never as "". Fails with a
    // readable reason when the file cannot be started.
    virtual Status BeginDocument(const char* fileName, const char* title, const char* author,
                                 const char* subject, const char* keywords, const char* creator,
                                 int32_t widthPoints, int32_t heightPoints) = 0;
    // The drawing surface of the current page. The same object for the whole document, so that
    // its font and pen carry over from page to page.
    virtual PageCanvas& CurrentPage() = 0;
    // Finishes the current page and makes a new page of the same size current.
    virtual Status NewPage() = 0;
    // Finishes the last page and completes the file under its name. On failure nothing is left
    // under that name and the reason is returned.
    virtual Status EndDocument() = 0;
    // The page size in canvas units, or 0 when the library does not know it.
    virtual int32_t PageWidth() = 0;
    virtual int32_t PageHeight() = 0;
    // The number of pages of the open (or last) document.
    virtual int32_t PageCount() = 0;
    // Adds a bookmark to the document's outline; returns its id.
    virtual int32_t AddOutline(const std::string& text, int32_t level, int32_t page, int32_t y) = 0;
};

// The library that writes real PDF files through cairo and pango.
std::unique_ptr<PdfLibrary> MakeCairoPdfLibrary();

}  // namespace dudedur
