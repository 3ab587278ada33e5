#pragma once
// A data folder as a whole: whether a folder is one, and what a new one
// starts with. Paths are UTF-8 texts.

#include "data/file_io.h"
#include "data/year_settings.h"

#include <string>

namespace cal {

// folder + separator + name, with the platform's separator.
std::string childPath(const std::string& folder, const std::string& name);

// True when the folder holds a master or a Calendar_dat folder.
bool isDataFolder(const std::string& path);
// True when the folder holds a Calendar_dat folder (the month files).
bool hasMonthFolder(const std::string& path);
// True when the folder holds nothing at all.
bool folderIsEmpty(const std::string& path);
// Creates the folder and its parents when missing; false with `error`.
bool makeFolder(const std::string& path, std::string& error);

// The year settings of a school year that nothing is set for yet: each
// month's day count and the weekday ("月" … "日") of its first day.
YearSettings newSchoolYearSettings(int schoolYear);

}  // namespace cal
