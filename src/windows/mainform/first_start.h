#pragma once
// A start without a data folder (from the desktop's menu, say): the data
// folder chosen before, or one the user picks or has made now.

#include <string>

namespace cal {

struct Context;

// `current` is no data folder: answers the remembered data folder when it
// still is one, else asks whether to pick an existing data folder or make a
// new one and remembers the answer; answers `current` when the user declines.
std::string firstStartDataDir(Context& context, const std::string& current);

// Makes `folder` a data folder for `schoolYear`: master/ with that year's
// settings (also as the default) and the main window's display settings,
// Calendar_dat/ with the year's twelve empty months, Calendar_pic/ with the
// picture drawn for missing ones. Files already there stay as they are.
// False with `error` when a folder or file cannot be made.
bool createDataFolder(Context& context, const std::string& folder, int schoolYear, std::string& error);

}  // namespace cal
