// The page canvas on a cairo context, with text laid out by pango.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include "pdf/page_canvas.h"

namespace dudedur {

class PangoCanvas : public PageCanvas {
  public:
    PangoCanvas();
    ~PangoCanvas() override;
    PangoCanvas(const PangoCanvas&) = delete;
    PangoCanvas& operator=(const PangoCanvas&) = delete;

    // Draws on `context` from now on; nullptr to draw nowhere (measuring still works).
    void Bind(cairo_t* context) { context_ = context; }

    void TextOut(int32_t x, int32_t y, std::string_view text) override;
    int32_t TextWidth(std::string_view text) override;
    int32_t TextHeight(std::string_view text) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;

  private:
    // Lays out the text in the current font; returns its logical size in canvas units.
    PangoRectangle Layout(std::string_view text);

    PangoContext* pango_ = nullptr;
    PangoLayout* layout_ = nullptr;
    cairo_t* context_ = nullptr;
    int32_t penX_ = 0;
    int32_t penY_ = 0;
};

}  // namespace dudedur
