// Whether a printed schedule line fits its cell.

#include "layout/line_fit.h"

#include <gtest/gtest.h>

namespace cal {
namespace {

TEST(LineFit, AFullWidthCharacterTakesTwoHalfWidthOnes) {
    EXPECT_DOUBLE_EQ(printedTextWidth("あ"), 2 * printedTextWidth("a"));
    EXPECT_DOUBLE_EQ(printedTextWidth("ｱ"), printedTextWidth("a"));  // half-width kana
    EXPECT_DOUBLE_EQ(printedTextWidth("a", 9), 9.0 / 2 * 254 / 72);
    EXPECT_DOUBLE_EQ(printedTextWidth(""), 0);
}

TEST(LineFit, TheRoomEndsAtTheFrameAndWidensForLowerLines) {
    const DayBox box = paperDayBox(700, 380);
    const double room1 = box.frame.width - box.lines[1].x;
    std::string fits;
    while (printedTextWidth(fits + "a") <= room1) fits += "a";
    EXPECT_TRUE(lineFits(box, 1, fits));
    EXPECT_FALSE(lineFits(box, 1, fits + "a"));
    EXPECT_TRUE(lineFits(box, 3, fits + "aaaa"));  // lines 3 … 8 start further left
}

}  // namespace
}  // namespace cal
