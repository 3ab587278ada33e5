#pragma once
// Small text and month tools used throughout the program.

#include <string>
#include <string_view>

namespace cal {

// Trims blanks at both ends, then cuts at the first zero character.
std::string TOOL_NULL_CUT(std::string_view text);
// Keeps the part after the last "\" or "/" of a path, trimmed; an empty or
// all-blank text comes back unchanged.
std::string TOOL_YEN_CUT(std::string_view path);
// ToSchool: calendar month → school-year month (4 → 1 … 3 → 12);
// ToCalendar: back; Same: the month itself. Any other mode or month gives 0.
enum class MonthConv { ToSchool = 1, ToCalendar = 2, Same = 11 };
int FB_TUKI_CNV(MonthConv mode, int month);

// The school year of a calendar month: the year before for January to March.
int schoolYearOf(int calendarYear, int month);

}  // namespace cal
