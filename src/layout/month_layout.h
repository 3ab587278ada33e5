#pragma once
// One month laid out on a surface: which cell holds which day, where each
// cell lies, and where a day's number, frame, pictures and lines go inside
// its cell. The screen shows the month at half the printed size; screen and
// paper share the walk and differ in scale and in their own constants.

#include "layout/grid.h"

#include <array>
#include <vector>

namespace cal {

struct Point {
    double x = 0, y = 0;
};
struct Rect {
    double x = 0, y = 0, width = 0, height = 0;
};

// A cell of the grid that holds a day. `cell` is its number (row × columns +
// column + 1, the record of monthCells); `k` counts cells from the first
// (k mod 7 = 0 is a Sunday).
struct DayPlace {
    int cell = 0, day = 0, k = 0, row = 0, column = 0;
};
// The day cells of a grid of `columns` × `rows`, in order, never past the
// month file's last record.
std::vector<DayPlace> dayPlaces(const MonthLayout& month, int columns, int rows);

// Where the cells of a grid lie on a surface. The first row sits `firstRowLift`
// higher than the rows below it would put it.
struct GridPlacement {
    double left = 0, top = 0, boxWidth = 0, boxHeight = 0, firstRowLift = 0;
    Point cell(int row, int column) const {
        return {left + column * boxWidth, row == 0 ? top - firstRowLift : top + row * boxHeight};
    }
};
// The month window: cells below the title band, right of the margin.
GridPlacement screenGrid(double boxWidth, double boxHeight, double margin, double titleBand);
// The printed page: cells below the page's title band, from its top-left margins.
GridPlacement paperGrid(double boxWidth, double boxHeight, double left, double top);

// The parts of one day, from its cell's top-left corner.
struct DayBox {
    Point number;
    double numberMag = 3;
    Rect frame;                        // outline from (x, y) to (x + width, y + height)
    Rect picture;                      // picture slot 1
    std::array<Rect, 9> smallPictures; // picture slots 3 … 8
    std::array<Point, 9> lines;        // schedule lines 1 … 8
};
// `margin` is the screen's left margin, which the screen's line texts follow.
DayBox screenDayBox(double boxWidth, double boxHeight, double margin);
DayBox paperDayBox(double boxWidth, double boxHeight);

}  // namespace cal
