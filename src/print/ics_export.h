#pragma once
// The calendar parents put on their phones: what the printed page shows of
// a month, and the year's holidays and events, as all-day iCalendar events.

#include "data/day_cell.h"
#include "data/year_settings.h"
#include "ui/ics_writer.h"

#include <optional>
#include <string>
#include <vector>

namespace cal {

struct Context;

// The events of calendar month `month` of `year`: each schedule line the
// page prints (its day's extra lines in the first event's description),
// and the registered holidays and events of that month.
std::vector<IcsEvent> monthEvents(const YearSettings& settings, const MonthCells& cells, int year, int month);
// Named after the nursery and the class.
std::string calendarName(const YearSettings& settings);

struct IcsExport {
    int months = 0, events = 0;
    std::vector<std::string> missing;  // "2026年4月" for each month without a readable file
    std::string error;                 // not empty: nothing was written, and why
};
// Writes the displayed month as it is in memory, or the school year
// `schoolYear` from its files, to `path`, replacing it safely.
IcsExport exportIcs(Context& context, const std::string& path, std::optional<int> schoolYear);

}  // namespace cal
