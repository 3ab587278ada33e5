// Serial day numbers, weekdays and the widening of short dates.
#include "date/calc_date.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace cal {
namespace {

struct CalcCase {
    std::string text;
    std::string corrected;
    std::int32_t serial;
    std::int16_t weekday;
    std::string english;
    std::string japanese;
};

TEST(CalcDate, KnownDates) {
    const CalcCase cases[] = {
        {"0001/01/01", "0001/01/01", 1, 1, "Mon", "月曜日"},
        {"2024/04/01", "2024/04/01", 738977, 1, "Mon", "月曜日"},
        {"2024.04.01", "2024.04.01", 738977, 1, "Mon", "月曜日"},  // any separator
        {"2000/02/29", "2000/02/29", 730179, 2, "Tue", "火曜日"},
        {"1900/02/29", "1900/02/28", 693654, 3, "Wed", "水曜日"},  // 1900 is no leap year
        {"2024/04/00", "2024/04/30", 739006, 2, "Tue", "火曜日"},
        {"2023/02/31", "2023/02/28", 738579, 2, "Tue", "火曜日"},
        {"9999/12/31", "9999/12/31", 3652059, 5, "Fri", "金曜日"},
    };
    for (const CalcCase& c : cases) {
        std::string text = c.text;
        std::int16_t weekday = -1;
        std::string english, japanese;
        EXPECT_EQ(CALCDATE(text, weekday, english, japanese), c.serial) << c.text;
        EXPECT_EQ(text, c.corrected) << c.text;
        EXPECT_EQ(weekday, c.weekday) << c.text;
        EXPECT_EQ(english, c.english) << c.text;
        EXPECT_EQ(japanese, c.japanese) << c.text;
    }
}

TEST(CalcDate, FailuresGiveZeroEmptyNamesAndLeaveTheText) {
    for (const std::string original : {"2024/00/01", "2024/13/01", "0000/04/01", "2024/4/1", "", "abcd/04/01",
                                       "2024/ab/01", "2024/04/x1", "2024/04/-1"}) {
        std::string text = original;
        std::int16_t weekday = 4;
        std::string english = "old", japanese = "old";
        EXPECT_EQ(CALCDATE(text, weekday, english, japanese), 0) << original;
        EXPECT_EQ(text, original);
        EXPECT_EQ(weekday, 0);
        EXPECT_EQ(english, "");
        EXPECT_EQ(japanese, "");
    }
}

// Walking day by day across century and leap-year boundaries, every written
// date is one more than the day before and its weekday one further.
TEST(CalcDate, ConsecutiveDaysCountUpAcrossBoundaries) {
    for (const int startYear : {1, 1599, 1899, 1999, 2099, 9998}) {
        std::int32_t previous = 0;
        for (int year = startYear; year <= startYear + 1; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= daysInMonth(year, month); ++day) {
                    char buffer[40];
                    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
                    std::string text = buffer;
                    std::int16_t weekday = 0;
                    std::string english, japanese;
                    const std::int32_t serial = CALCDATE(text, weekday, english, japanese);
                    ASSERT_EQ(text, buffer);
                    if (previous != 0) {
                        ASSERT_EQ(serial, previous + 1) << buffer;
                    }
                    ASSERT_EQ(weekday, serial % 7) << buffer;
                    ASSERT_EQ(serial, serialDay(year, month, day));
                    previous = serial;
                }
            }
        }
    }
}

TEST(Seireki, WidensYearAndPadsOneDigitFields) {
    EXPECT_EQ(SEIREKICNV("12/10/5", "/"), "2012/10/05");
    EXPECT_EQ(SEIREKICNV("8/4/1", "."), "2008.04.01");
    EXPECT_EQ(SEIREKICNV("08/4/1/9", "-"), "2008-04-01");  // after a third "/" dropped
    EXPECT_EQ(SEIREKICNV("12//", "/"), "2012//");           // empty fields stay empty
}

}  // namespace
}  // namespace cal
