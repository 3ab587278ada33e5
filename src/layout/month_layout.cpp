#include "layout/month_layout.h"

#include "data/day_cell.h"

namespace cal {

std::vector<DayPlace> dayPlaces(const MonthLayout& month, int columns, int rows) {
    std::vector<DayPlace> places;
    int day = 1;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const int k = row * columns + column;
            if (k + 1 >= kMonthRecords) return places;
            if (k < month.firstColumn || day > month.days) continue;
            places.push_back({k + 1, day++, k, row, column});
        }
    return places;
}

GridPlacement screenGrid(double boxWidth, double boxHeight, double margin, double titleBand) {
    return {margin, titleBand, boxWidth, boxHeight, 2};
}

GridPlacement paperGrid(double boxWidth, double boxHeight, double left, double top) {
    return {left, top + 320, boxWidth, boxHeight, 0};
}

namespace {

// Number and frame lie alike on screen and paper.
DayBox frameAndNumber(double boxWidth, double boxHeight, Point number) {
    DayBox box;
    box.number = number;
    box.frame = {0, 0, boxWidth - 10, boxHeight - 10};
    return box;
}

}  // namespace

DayBox screenDayBox(double boxWidth, double boxHeight, double margin) {
    DayBox box = frameAndNumber(boxWidth, boxHeight, {2, 2});
    box.picture = {60, 4, 50, 42};
    for (int j = 1; j <= 8; ++j) box.lines[static_cast<std::size_t>(j)] = {margin + 90, 20.0 * j - 10};
    for (int j = 3; j <= 8; ++j) box.smallPictures[static_cast<std::size_t>(j)] = {2, 50.0 + 20 * (j - 3), 27, 22};
    return box;
}

DayBox paperDayBox(double boxWidth, double boxHeight) {
    DayBox box = frameAndNumber(boxWidth, boxHeight, {15, 0});
    box.picture = {140, 20, 86, 72};
    for (int j = 1; j <= 8; ++j)
        box.lines[static_cast<std::size_t>(j)] = j <= 2 ? Point{240, 40.0 * j - 20} : Point{80, 40.0 * j + 5};
    for (int j = 3; j <= 8; ++j) box.smallPictures[static_cast<std::size_t>(j)] = {10, 40.0 * j + 4, 50, 42};
    return box;
}

}  // namespace cal
