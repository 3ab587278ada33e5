#pragma once

namespace cal {

class Printer;
struct Context;

// Draws the displayed month on the started page: the border of frame
// pictures, the title band, the weekday names and the day cells.
void drawPrintedPage(Context& context, Printer& printer);

}  // namespace cal
