#pragma once
// Recovery files: the displayed month's cells as last stored, kept outside
// the data folder in the user's own state folder, one folder per data
// folder, in the month file's own format.

#include <string>

namespace cal {

// The folder below `root` that holds the recovery files of `dataDir`: the
// same data folder, however it was named, always gives the same folder.
std::string recoveryFolder(const std::string& root, const std::string& dataDir);
// The recovery file of one month: the month file's name in that folder.
std::string recoveryFilePath(const std::string& root, const std::string& dataDir, const std::string& year,
                             int month);

}  // namespace cal
