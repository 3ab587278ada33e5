#pragma once
// The national holidays of Japan, computed from the holiday law's rules:
// fixed days, Happy Monday days, the equinoxes, substitute holidays and the
// in-between "国民の休日", with the one-off days of the imperial succession
// and the Olympic moves of 2020 and 2021.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

struct Holiday {
    int year = 0;
    int month = 0;
    int day = 0;
    std::string name;  // UTF-8, e.g. "成人の日"

    // month × 100 + day, as the year settings key holiday entries.
    int dateKey() const { return month * 100 + day; }
    friend bool operator==(const Holiday&, const Holiday&) = default;
};

// The equinox formula holds for these calendar years only.
inline constexpr int kFirstHolidayYear = 1980;
inline constexpr int kLastHolidayYear = 2099;
// A school year runs from April of its year to March of the next one.
inline constexpr int kFirstHolidaySchoolYear = kFirstHolidayYear;
inline constexpr int kLastHolidaySchoolYear = kLastHolidayYear - 1;

// Every national holiday of one calendar year in date order; nothing outside
// kFirstHolidayYear … kLastHolidayYear.
std::optional<std::vector<Holiday>> nationalHolidaysOfYear(int year);
// Every national holiday from 1 April of schoolYear to 31 March of the next
// year in date order; nothing outside kFirstHolidaySchoolYear …
// kLastHolidaySchoolYear.
std::optional<std::vector<Holiday>> nationalHolidays(int schoolYear);
// True for the name of any national holiday this library produces.
bool isNationalHolidayName(std::string_view name);

}  // namespace cal
