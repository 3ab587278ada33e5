#pragma once
// The year settings files: master/Calendar<schoolYear>設定.dat and the
// default master/CalendarDef0設定.dat, one YearSettings record each.

#include "data/file_io.h"

#include <string>

namespace cal {

struct YearSettings;

std::string yearSettingsPath(const std::string& dataDir, const std::string& schoolYear);
std::string defaultSettingsPath(const std::string& dataDir);

// Reads the file into `settings`. Missing or unreadable (with `error`):
// `settings` untouched. Short: read as far as it goes, the rest zero.
RecordRead readYearSettings(const std::string& path, YearSettings& settings, std::string& error);

// Writes the record whole, replacing the file; answers false with a message
// text on failure.
bool writeYearSettings(const std::string& path, const YearSettings& settings, std::string& error,
                       FileWriter& writer = systemFileWriter());

}  // namespace cal
