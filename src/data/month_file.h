#pragma once
// The month files: Calendar_dat/Calendar<YYYY><MM>.dat, 43 day records.

#include <string>

namespace cal {

struct AppState;
struct Context;

// The month file of calendar year `year` (text) and month 1 … 12.
std::string monthFilePath(const std::string& dataDir, const std::string& year, int month);

// Reads the month of `currentYear` into monthCells. A missing file shows the
// two messages and offers to create the empty school year.
void CALENDAR_LOAD(Context& context, int month);

enum class SaveResult { Saved, Skipped, Failed };
// Writes monthCells to the month file of the year they were loaded for
// (`currentYear` before any load), replacing it whole. A failure is reported
// and the cells stay in memory.
SaveResult CALENDAR_SAVE(Context& context, int month);

}  // namespace cal
