#pragma once
// master/CalendarH.dat: the display and print settings as text lines.

#include "data/file_io.h"

#include <string>
#include <vector>

namespace cal {

// The line end the settings file is written with: the system's own.
#ifdef _WIN32
inline constexpr const char* kSettingsLineEnd = "\r\n";
#else
inline constexpr const char* kSettingsLineEnd = "\n";
#endif

// Reads the file's lines (UTF-8, line ends removed), at most `maxLines`.
// Answers false with `error` when the file exists but cannot be read.
bool readSettingsLines(const std::string& path, std::size_t maxLines, std::vector<std::string>& lines,
                       std::string& error);
// Writes the lines with the platform's line ends, replacing the file whole.
bool writeSettingsLines(const std::string& path, const std::vector<std::string>& lines, std::string& error,
                        FileWriter& writer = systemFileWriter());

}  // namespace cal
