// The PDF library on cairo's PDF surface. The document is written to a temporary file beside its
// destination and renamed into place only when it is complete, so that a failure never leaves a
// truncated PDF under the real name.
#include <cairo-pdf.h>
#include <cairo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "pdf/Pdfhdr.h"
#include "pdf/pango_canvas.h"
#include "pdf/pdf_library.h"

namespace dudedur {
namespace {

class CairoPdfLibrary : public PdfLibrary {
  public:
    ~CairoPdfLibrary() override { Abandon(); }

    Status BeginDocument(const char* fileName, const char* title, const char* author,
                         const char* subject, const char* keywords, const char* creator,
                         int32_t widthPoints, int32_t heightPoints) override {
        Abandon();
        if (fileName == nullptr) return Status::Error("nie podano nazwy pliku");
        finalPath_ = fileName;
        tempPath_ = finalPath_ + ".XXXXXX";
        fd_ = mkstemp(tempPath_.data());
        if (fd_ < 0) {
            const int error = errno;
            tempPath_.clear();
            return Status::Error(std::strerror(error));
        }
        // mkstemp makes the file private; a document gets the mode any new file would.
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd_, 0666 & ~mask);
        writeError_ = 0;
        surface_ = cairo_pdf_surface_create_for_stream(&CairoPdfLibrary::Write, this, widthPoints,
                                                       heightPoints);
        const struct {
            cairo_pdf_metadata_t key;
            const char* value;
        } metadata[] = {{CAIRO_PDF_METADATA_TITLE, title},
                        {CAIRO_PDF_METADATA_AUTHOR, author},
                        {CAIRO_PDF_METADATA_SUBJECT, subject},
                        {CAIRO_PDF_METADATA_KEYWORDS, keywords},
                        {CAIRO_PDF_METADATA_CREATOR, creator}};
        for (const auto& entry : metadata) {
            if (entry.value != nullptr) {
                cairo_pdf_surface_set_metadata(surface_, entry.key, entry.value);
            }
        }
        context_ = cairo_create(surface_);
        // Canvas units are 1/96 inch; the surface counts in points.
        cairo_scale(context_, 72.0 / kCanvasUnitsPerInch, 72.0 / kCanvasUnitsPerInch);
        canvas_.Bind(context_);
        pages_ = 1;
        return Failure();
    }

    PageCanvas& CurrentPage() override { return canvas_; }

    Status NewPage() override {
        if (context_ == nullptr) return Status::Error("dokument nie został rozpoczęty");
        cairo_show_page(context_);
        ++pages_;
        return Failure();
    }

    Status EndDocument() override {
        if (surface_ == nullptr) return Status::Error("dokument nie został rozpoczęty");
        canvas_.Bind(nullptr);
        cairo_destroy(context_);
        context_ = nullptr;
        cairo_surface_finish(surface_);
        Status status = Failure();
        cairo_surface_destroy(surface_);
        surface_ = nullptr;
        if (status.ok() && fsync(fd_) != 0) status = Status::Error(std::strerror(errno));
        if (close(fd_) != 0 && status.ok()) status = Status::Error(std::strerror(errno));
        fd_ = -1;
        if (status.ok() && std::rename(tempPath_.c_str(), finalPath_.c_str()) != 0) {
            status = Status::Error(std::strerror(errno));
        }
        if (!status.ok()) unlink(tempPath_.c_str());
        tempPath_.clear();
        return status;
    }

    int32_t PageWidth() override { return 0; }  // the component converts the size in points
    int32_t PageHeight() override { return 0; }
    int32_t PageCount() override { return pages_; }

    int32_t AddOutline(const std::string& text, int32_t parent, int32_t page, int32_t y) override {
        if (surface_ == nullptr) return 0;
        const std::string link = "page=" + std::to_string(page) + " pos=[0 " +
                                 std::to_string(y * 72.0 / kCanvasUnitsPerInch) + "]";
        return cairo_pdf_surface_add_outline(surface_, parent, text.c_str(), link.c_str(),
                                             CAIRO_PDF_OUTLINE_FLAG_OPEN);
    }

  private:
    static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length) {
        auto* self = static_cast<CairoPdfLibrary*>(closure);
        while (length > 0) {
            const ssize_t written = ::write(self->fd_, data, length);
            if (written < 0) {
                if (errno == EINTR) continue;
                self->writeError_ = errno;
                return CAIRO_STATUS_WRITE_ERROR;
            }
            data += written;
            length -= static_cast<unsigned int>(written);
        }
        return CAIRO_STATUS_SUCCESS;
    }

    // The document's failure so far, with the system's reason where there is one.
    Status Failure() const {
        if (writeError_ != 0) return Status::Error(std::strerror(writeError_));
        if (surface_ != nullptr && cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
            return Status::Error(cairo_status_to_string(cairo_surface_status(surface_)));
        }
        if (context_ != nullptr && cairo_status(context_) != CAIRO_STATUS_SUCCESS) {
            return Status::Error(cairo_status_to_string(cairo_status(context_)));
        }
        return Status::Ok();
    }

    // Drops a document that was begun and never ended, with its temporary file.
    void Abandon() {
        canvas_.Bind(nullptr);
        if (context_ != nullptr) cairo_destroy(context_);
        if (surface_ != nullptr) cairo_surface_destroy(surface_);
        context_ = nullptr;
        surface_ = nullptr;
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
        if (!tempPath_.empty()) unlink(tempPath_.c_str());
        tempPath_.clear();
    }

    PangoCanvas canvas_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* context_ = nullptr;
    std::string finalPath_;
    std::string tempPath_;
    int fd_ = -1;
    int writeError_ = 0;
    int32_t pages_ = 0;
};

}  // namespace

std::unique_ptr<PdfLibrary> MakeCairoPdfLibrary() { return std::make_unique<CairoPdfLibrary>(); }

}  // namespace dudedur
