// The one month layout: the walk of day cells and the rectangles of a day,
// held screen against paper.

#include "data/day_cell.h"
#include "layout/month_layout.h"

#include <gtest/gtest.h>

namespace cal {
namespace {

bool inside(const Rect& r, const Rect& frame) {
    return r.x >= frame.x && r.y >= frame.y && r.x + r.width <= frame.x + frame.width &&
           r.y + r.height <= frame.y + frame.height;
}
bool inside(const Point& p, const Rect& frame) { return inside(Rect{p.x, p.y, 0, 0}, frame); }

TEST(DayPlaces, ConsecutiveDaysFromTheFirstColumnWithinTheGridAndTheRecords) {
    const std::vector<DayPlace> places = dayPlaces({3, 31}, 7, 5);
    ASSERT_EQ(places.size(), 31u);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const DayPlace& p = places[i];
        EXPECT_EQ(p.day, static_cast<int>(i) + 1);
        EXPECT_EQ(p.k, p.day - 1 + 3);
        EXPECT_EQ(p.cell, p.row * 7 + p.column + 1);
        EXPECT_EQ(p.cell, p.k + 1);
    }
    // A grid too small keeps the days that fit; a large one never passes the
    // month file's last record.
    EXPECT_EQ(dayPlaces({3, 31}, 7, 4).size(), 25u);
    const std::vector<DayPlace> wide = dayPlaces({0, 60}, 10, 6);
    ASSERT_FALSE(wide.empty());
    EXPECT_LT(wide.back().cell, kMonthRecords);
    EXPECT_TRUE(dayPlaces({0, 0}, 7, 5).empty());
}

TEST(DayBox, PaperIsTheScreenAtTwiceTheSizeAndEveryPartLiesInItsFrame) {
    // The standard box of 70 × 38 mm: half of it on screen.
    const DayBox screen = screenDayBox(350, 190, 20);
    const DayBox paper = paperDayBox(700, 380);
    EXPECT_DOUBLE_EQ(paper.frame.width + 10, 2 * (screen.frame.width + 10));
    EXPECT_DOUBLE_EQ(paper.frame.height + 10, 2 * (screen.frame.height + 10));
    EXPECT_DOUBLE_EQ(paper.numberMag, screen.numberMag);
    for (const DayBox* box : {&screen, &paper}) {
        EXPECT_TRUE(inside(box->picture, box->frame));
        EXPECT_TRUE(inside(box->number, box->frame));
        for (std::size_t j = 3; j <= 8; ++j) EXPECT_TRUE(inside(box->smallPictures[j], box->frame)) << j;
        for (std::size_t j = 1; j <= 8; ++j) EXPECT_TRUE(inside(box->lines[j], box->frame)) << j;
        for (std::size_t j = 2; j <= 8; ++j) EXPECT_GT(box->lines[j].y, box->lines[j - 1].y);
    }
}

TEST(GridPlacement, PaperCellsStepTwiceTheScreenCells) {
    const GridPlacement screen = screenGrid(350, 190, 20, 133);
    const GridPlacement paper = paperGrid(700, 380, 200, 130);
    for (int row = 1; row < 5; ++row)
        for (int column = 1; column < 7; ++column) {
            const Point s0 = screen.cell(row, 0), s = screen.cell(row, column);
            const Point p0 = paper.cell(row, 0), p = paper.cell(row, column);
            EXPECT_DOUBLE_EQ(p.x - p0.x, 2 * (s.x - s0.x));
            EXPECT_DOUBLE_EQ(paper.cell(row, column).y - paper.cell(1, column).y,
                             2 * (screen.cell(row, column).y - screen.cell(1, column).y));
        }
    // Cells of one row share their top; rows never overlap.
    EXPECT_DOUBLE_EQ(screen.cell(0, 0).y, screen.cell(0, 6).y);
    EXPECT_GE(screen.cell(1, 0).y - screen.cell(0, 0).y, 190);
    EXPECT_GE(paper.cell(1, 0).y - paper.cell(0, 0).y, 380);
}

}  // namespace
}  // namespace cal
