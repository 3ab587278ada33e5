#pragma once
// Whether a schedule line fits its day's cell on paper. Lines are printed in
// a fixed-pitch Gothic: a half-width character is half the point size wide,
// a full-width one the whole point size.

#include "data/day_cell.h"
#include "layout/month_layout.h"

#include <string_view>
#include <vector>

namespace cal {

// The point size of the printed schedule lines.
inline constexpr double kPrintedLinePoints = 9;

// The printed width of a text in 0.1 mm.
double printedTextWidth(std::string_view utf8, double points = kPrintedLinePoints);
// True when line j (1 … 8) of a day fits between its place and the frame's right edge.
bool lineFits(const DayBox& paper, int line, std::string_view utf8);

struct LineOverflow {
    int day = 0, line = 0;
};
// The printed lines of the month (not ticked off the page) that do not fit, in day order.
std::vector<LineOverflow> overflowingLines(const MonthCells& cells, const std::vector<DayPlace>& places,
                                           const DayBox& paper);

}  // namespace cal
