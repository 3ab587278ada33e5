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
// Mode 1: calendar month → school-year month (4 → 1 … 3 → 12); mode 2: back;
// mode 11: the month itself. Any other mode or month gives 0.
int FB_TUKI_CNV(int mode, int month);

// The school year of a calendar month: the year before for January to March.
int schoolYearOf(int calendarYear, int month);

}  // namespace cal
