// The frame of every worksheet page: title and date above a rule, the program's name and web
// address and the page number below another.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace dudedur {

class PageCanvas;

// The date and time a worksheet was begun, as its pages show it: "09-12-2024 14:05:07" in local
// time, the time left out when it is exactly midnight.
std::string DocumentDateText(std::time_t documentTime);

// Draws the frame on a page of width x height canvas units. Leaves the font "Verdana",
// Central European, black.
void DrawPageDecorations(PageCanvas& canvas, int32_t width, int32_t height, int32_t pageNumber,
                         bool answers, std::time_t documentTime);

}  // namespace dudedur
