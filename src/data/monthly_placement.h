#pragma once
// Placing the monthly items into the days of a month.

#include "data/day_cell.h"
#include "data/monthly_items.h"
#include "layout/month_layout.h"

#include <string>
#include <vector>

namespace cal {

struct YearSettings;

// Saturdays and Sundays aside, the days off: the national holidays and the
// days the year settings register (month × 100 + day).
HolidayTest registeredHolidays(const YearSettings& settings);

// Each item of the month goes into its day's first free schedule line and its
// picture into the first free small slot, unless the day already holds that
// text or picture. Answers what did not fit: "5月15日 避難訓練", or "…（絵）"
// for a picture without a free slot.
std::vector<std::string> placeMonthlyItems(MonthCells& cells, const std::vector<DayPlace>& places,
                                           const std::vector<MonthlyItem>& items, int year, int month,
                                           const HolidayTest& holiday);

}  // namespace cal
