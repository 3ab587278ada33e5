#pragma once
// Loading and saving the displayed month and reading a school year's
// settings, with what the user must be told.

#include <string>
#include <string_view>

namespace cal {

struct Context;
struct YearSettings;

// Reads the month of `currentYear` into monthCells. A missing file shows the
// two messages and offers to create the empty school year.
void CALENDAR_LOAD(Context& context, int month);

enum class SaveResult { Saved, Skipped, Failed };
// Writes monthCells to the month file of the year they were loaded for
// (`currentYear` before any load), replacing it whole, and removes the
// month's recovery file. A failure is reported and the cells stay in memory;
// so do they when the file was changed by someone else since it was read and
// the user declines to write over it (Failed, without a further message).
SaveResult CALENDAR_SAVE(Context& context, int month);

// Reads the file into yearSettings; a missing file changes nothing. A short
// file is read as far as it goes with the rest zero, and said so; a file that
// cannot be read is reported and leaves yearSettings as it was. A day count
// outside 0 … 31 or a first weekday that is none is reported once, naming the
// month and what is drawn instead.
void CALENDAR_UT_YOMU(Context& context, const std::string& path);
// The same into a record of the caller's, its messages owned by `owner`.
// Answers whether the record was replaced.
bool readYearSettings(Context& context, const std::string& path, YearSettings& into, std::string_view owner);

}  // namespace cal
