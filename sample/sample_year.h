// What the sample installation holds: the year settings of the school and a
// month with a few days filled in.
#pragma once

#include "data/day_cell.h"
#include "data/year_settings.h"

#include <chrono>
#include <optional>
#include <string_view>

namespace sample {

// "YYYY-MM-DD" naming a real date; nothing for anything else.
std::optional<std::chrono::year_month_day> parseDate(std::string_view text);

// The school year (named by the calendar year of its April) holding the date.
int schoolYearOf(std::chrono::year_month_day date);

// The calendar month of school-year month k (1 = April … 12 = March).
std::chrono::year_month calendarMonthOf(int schoolYear, int k);

// What every new school year starts from: the names and pictures of the
// school and class, six frames, a title picture and a comment for each month
// and the holidays that fall on the same date every year. No day counts.
cal::YearSettings defaultYearSettings();

// One school year: the defaults plus each month's day count and first
// weekday, and the school's own events (entrance ceremony, sports day).
cal::YearSettings schoolYearSettings(int schoolYear);

// The month's grid with a few weekdays filled in: schedule lines, a main
// picture and small ones; one line is kept off the printed page. Days that
// `settings` lists as holidays stay free.
cal::MonthCells filledMonth(std::chrono::year_month month, const cal::YearSettings& settings);

} // namespace sample
