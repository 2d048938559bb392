// The drawing surface of one PDF page, as the worksheet code sees it.
//
// Positions are whole canvas units of 1/96 inch, origin at the page's top-left corner, y
// downwards. Text is UTF-8. The font set in `font` applies to every later text call; it and the
// pen position carry over from page to page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dudedur {

struct CanvasColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const CanvasColor&, const CanvasColor&) = default;
};
inline constexpr CanvasColor kBlack{0, 0, 0};
inline constexpr CanvasColor kRed{255, 0, 0};

// Character sets, as numbered by the fonts of the original platform. Kept with the font; text is
// Unicode whatever the character set says.
inline constexpr int32_t kCharsetWestern = 0;
inline constexpr int32_t kCharsetDefault = 1;
inline constexpr int32_t kCharsetCentralEuropean = 238;

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

struct CanvasFont {
    std::string name = "Tahoma";  // resolved to the nearest installed face
    int32_t size = 8;             // in points
    int32_t charset = kCharsetDefault;
    CanvasColor color = kBlack;
    FontStyle style;
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

class PageCanvas {
  public:
    virtual ~PageCanvas() = default;

    // The font of every later TextOut, TextWidth and TextHeight.
    CanvasFont font;

    // Draws the text in the current font with the top-left corner of its cell at (x, y).
    virtual void TextOut(int32_t x, int32_t y, std::string_view text) = 0;
    // The width of the text in the current font, in whole canvas units.
    virtual int32_t TextWidth(std::string_view text) = 0;
    // The height of the text's cell in the current font, in whole canvas units.
    virtual int32_t TextHeight(std::string_view text) = 0;
    // Moves the pen to (x, y) without drawing.
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    // Draws a black, solid line one unit wide from the pen position to (x, y) and moves the pen
    // there.
    virtual void LineTo(int32_t x, int32_t y) = 0;
};

}  // namespace dudedur
