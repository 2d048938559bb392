// The text of a real PDF document, character by character, as mutool reads it back: where each
// character stands on its page, in the page canvas's units, and whether it is red.
#pragma once

#include <string>
#include <vector>

namespace dudedur::testing {

struct PdfCharacter {
    double x = 0;         // left edge, canvas units from the page's left edge
    double right = 0;     // right edge
    double baseline = 0;  // canvas units from the page's top edge
    bool red = false;
    std::string text;  // one character, UTF-8
};

// One line of text: the characters that share a baseline, from left to right.
struct PdfLine {
    double baseline = 0;
    std::vector<PdfCharacter> characters;

    // The text with every run of blanks, and every gap wider than a blank, made one space, and no
    // blanks at the ends.
    std::string Text() const;
    // The text without any blank.
    std::string Compact() const;
    // Compact() with each red character in square brackets, e.g. "1)8+1=[9]".
    std::string CompactMarked() const;
};

struct PdfPage {
    double width = 0;  // canvas units
    double height = 0;
    // A character drawn again at the same place (the frame of a page that holds two sets) is
    // kept once.
    std::vector<PdfCharacter> characters;

    // The lines made of the characters whose left edge lies in [left, right), top to bottom.
    std::vector<PdfLine> Lines(double left = -1e9, double right = 1e9) const;
};

// Reads every page of the document at `path` with `mutool draw -F stext`. An unreadable document
// gives no pages.
std::vector<PdfPage> ReadPdfPages(const std::string& path);

}  // namespace dudedur::testing
