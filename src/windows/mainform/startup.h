#pragma once

#include <optional>
#include <string>

namespace cal {

struct Context;

// The main window's start-up: data folder, settings, today's month, the
// month window and the day editor, the school year's settings and the month.
// With `askForDataFolder`, a start without a command line from a folder that
// is no data folder first asks which data folder to use.
void MAINFORM_START(Context& context, const std::string& commandLine,
                    const std::optional<std::string>& currentDirectory, bool askForDataFolder = false);

// Sets currentMonth, currentYear (and EDIT154) and schoolYear from today.
void takeTodaysMonth(Context& context);

// Reads the displayed month's school year settings, creating them from the
// default file first when they are missing.
void readSchoolYearSettings(Context& context);

}  // namespace cal
