#pragma once
// Building blocks for tests of the displayed month: a year settings layout,
// small BMP files and month files on disk.

#include "support/harness.h"

#include <string>

namespace cal::test {

// A valid 24-bit BMP of the given size, as the picture library holds them.
std::string bmpBytes(int width, int height);

// Puts a picture into the data folder's picture library.
void addPicture(const Harness& h, const std::string& name, int width = 8, int height = 6);

// Displays calendar month `month` of `year`: the layout of that month in the
// year settings (first weekday as "月" … "日", day count) and currentYear,
// currentMonth, schoolYear and EDIT154.
void showMonth(Harness& h, int year, int month, const char* firstWeekday, int days);

// Writes an empty month file, or one whose cell `cell` carries `line` in
// schedule line 1.
void writeMonthFile(const Harness& h, int year, int month, int cell = 0, const std::string& line = {});

// Writes a year settings file whose given month has the given layout.
void writeYearFile(const Harness& h, int schoolYear, int month = 0, const char* firstWeekday = "",
                   int days = 0);

}  // namespace cal::test
