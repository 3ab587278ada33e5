#pragma once
// Date library: serial day numbers and weekdays of written dates, and the
// widening of short two-digit-year dates.

#include <cstdint>
#include <string>
#include <string_view>

namespace cal {

// Serial day number of a date in the proleptic Gregorian calendar, 1 January
// of year 1 being day 1. The caller passes a valid date (year >= 1).
std::int32_t serialDay(std::int32_t year, int month, int day);
// 0 = Sunday … 6 = Saturday.
int weekdayOfSerial(std::int32_t serial);
bool isLeapYear(std::int32_t year);
int daysInMonth(std::int32_t year, int month);

// Reads "YYYY?MM?DD" (any separators; the day from the last two characters).
// A day of 0 or past the month's end becomes the month's last day and the text
// is rewritten with it. Returns the serial day number and sets the weekday
// (0 = Sunday) and its names ("Mon", "月曜日"); on failure returns 0, sets
// weekday 0 and empty names, and leaves the text as it was.
std::int32_t CALCDATE(std::string& dateText, std::int16_t& weekday, std::string& englishName,
                      std::string& japaneseName);

// "12/10/5" with separator "." gives "2012.10.05": one-digit fields get a
// leading zero; text after a third "/" is dropped.
std::string SEIREKICNV(std::string_view shortDate, std::string_view separator);

}  // namespace cal
