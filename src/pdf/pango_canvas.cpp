#include "pdf/pango_canvas.h"

#include <cmath>

#include "pdf/Pdfhdr.h"

namespace dudedur {

PangoCanvas::PangoCanvas() {
    // One context for measuring and drawing, independent of any page, with hinting off: widths
    // are those of the font's outlines, not of a screen's pixels.
    pango_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(pango_, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(pango_, FALSE);
    layout_ = pango_layout_new(pango_);
}

PangoCanvas::~PangoCanvas() {
    g_object_unref(layout_);
    g_object_unref(pango_);
}

PangoRectangle PangoCanvas::Layout(std::string_view text) {
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, font.name.c_str());
    // Points to canvas units: the canvas's 1/96 inch is what pango sees as a device unit.
    pango_font_description_set_absolute_size(
        description, font.size * double{kCanvasUnitsPerInch} / 72.0 * PANGO_SCALE);
    pango_font_description_set_weight(description,
                                      font.style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description,
                                     font.style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout_, description);
    pango_font_description_free(description);

    PangoAttrList* attributes = pango_attr_list_new();
    if (font.style.underline)
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.style.strikeOut)
        pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(layout_, attributes);
    pango_attr_list_unref(attributes);

    pango_layout_set_text(layout_, text.data(), static_cast<int>(text.size()));
    PangoRectangle logical{};
    pango_layout_get_extents(layout_, nullptr, &logical);
    return logical;
}

void PangoCanvas::TextOut(int32_t x, int32_t y, std::string_view text) {
    Layout(text);
    if (context_ == nullptr) return;
    cairo_set_source_rgb(context_, font.color.red / 255.0, font.color.green / 255.0,
                         font.color.blue / 255.0);
    cairo_move_to(context_, x, y);
    pango_cairo_show_layout(context_, layout_);
}

int32_t PangoCanvas::TextWidth(std::string_view text) {
    return static_cast<int32_t>(std::lround(Layout(text).width / double{PANGO_SCALE}));
}

int32_t PangoCanvas::TextHeight(std::string_view text) {
    return static_cast<int32_t>(std::lround(Layout(text).height / double{PANGO_SCALE}));
}

void PangoCanvas::MoveTo(int32_t x, int32_t y) {
    penX_ = x;
    penY_ = y;
}

void PangoCanvas::LineTo(int32_t x, int32_t y) {
    if (context_ != nullptr) {
        cairo_new_path(context_);
        cairo_set_source_rgb(context_, 0, 0, 0);
        cairo_set_line_width(context_, 1.0);
        // Through the middle of the unit-wide pixel row or column, as a screen pen draws.
        cairo_move_to(context_, penX_ + 0.5, penY_ + 0.5);
        cairo_line_to(context_, x + 0.5, y + 0.5);
        cairo_stroke(context_);
    }
    penX_ = x;
    penY_ = y;
}

}  // namespace dudedur
