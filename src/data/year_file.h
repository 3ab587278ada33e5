#pragma once
// The year settings files: master/Calendar<schoolYear>設定.dat and the
// default master/CalendarDef0設定.dat, one YearSettings record each.

#include <string>
#include <string_view>

namespace cal {

struct Context;
struct YearSettings;

std::string yearSettingsPath(const std::string& dataDir, const std::string& schoolYear);
std::string defaultSettingsPath(const std::string& dataDir);

// Reads the file into yearSettings; a missing file changes nothing. A short
// file is read as far as it goes with the rest zero, and said so; a file that
// cannot be read is reported and leaves yearSettings as it was.
void CALENDAR_UT_YOMU(Context& context, const std::string& path);
// The same into a record of the caller's, its messages owned by `owner`.
// Answers whether the record was replaced.
bool readYearSettings(Context& context, const std::string& path, YearSettings& into,
                      std::string_view owner);

// Writes the record whole, replacing the file; answers false with a message
// text on failure.
bool writeYearSettings(const std::string& path, const YearSettings& settings, std::string& error);

}  // namespace cal
