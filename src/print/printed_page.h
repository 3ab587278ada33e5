#pragma once

#include "layout/line_fit.h"
#include "view/bitmap_toolkit.h"

#include <vector>

namespace cal {

class Printer;
struct Context;

// Draws the displayed month on the started page: the border of frame
// pictures, the title band, the weekday names and the day cells.
UndrawnNames drawPrintedPage(Context& context, Printer& printer);
// The schedule lines of the displayed month that run past their cell on the page.
std::vector<LineOverflow> linesOffThePage(const Context& context);

}  // namespace cal
