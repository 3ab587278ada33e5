#pragma once
// The month grid: which cell holds which day, and where cells lie on screen.

#include <array>
#include <string>
#include <string_view>

namespace cal {

struct AppState;
struct YearSettings;

// Monday first, as the weekday texts of the year settings.
inline constexpr std::array<std::string_view, 7> kWeekdayKanji{"月", "火", "水", "木", "金", "土", "日"};
// The names over the columns; slot 7 stays empty.
inline constexpr std::array<std::string_view, 8> kWeekdayKana{
    "げつようび", "かようび", "すいようび", "もくようび", "きんようび", "どようび", "にちようび", ""};

// The grid column (Sunday 0 … Saturday 6) of a weekday text; 0 when the text
// is no weekday.
int columnOfWeekday(std::string_view weekday);

// The layout of the displayed month: its first column and its day count.
struct MonthLayout {
    int firstColumn = 0;
    int days = 0;
    // The day cell n holds, or 0 for a blank cell before day 1 or after the last.
    int dayOfCell(int cell) const {
        return cell > firstColumn && cell <= firstColumn + days ? cell - firstColumn : 0;
    }
};
// A day count outside 0 … kMaxMonthDays counts as the nearest of the two.
MonthLayout monthLayout(const YearSettings& settings, int calendarMonth);
inline constexpr int kMaxMonthDays = 31;
// One line per month whose day count or first weekday cannot be used as
// stored, saying what is used instead; empty when all can.
std::string monthLayoutProblems(const YearSettings& settings);

// Palette codes of the calendar.
inline constexpr int kColorOrdinary = 2;
inline constexpr int kColorSunday = 5;  // Sundays and holidays
inline constexpr int kColorSaturday = 11;
// The mark of the day the day editor shows, on screen only.
inline constexpr int kColorShownDay = 4;

// The colours of a day's number and frame. `k` counts the grid's cells from
// the first (k mod 7 = 0 is a Sunday, 6 a Saturday). The holiday entries are
// walked in order: a matching entry makes number and frame red; on a Sunday
// the walk stops at the first entry that does not match, with a red number.
struct DayColors {
    int number, frame;
};
DayColors dayColors(const YearSettings& settings, int calendarMonth, int day, int k);

// The day text of a cell: one blank before a single digit (" 9", "10").
std::string dayText(int day);

}  // namespace cal
