#pragma once
// The month files: Calendar_dat/Calendar<YYYY><MM>.dat, 43 day records.

#include "data/day_cell.h"
#include "data/file_io.h"

#include <string>

namespace cal {

// The month file of calendar year `year` (text) and month 1 … 12.
std::string monthFilePath(const std::string& dataDir, const std::string& year, int month);

// Reads the file into `cells`. Missing: `cells` untouched. Unreadable (a
// folder in the file's place too): `cells` emptied, `error` says why. Short: read as far as it goes, the rest zero.
RecordRead readMonthFile(const std::string& path, MonthCells& cells, std::string& error);

// Writes the 43 records whole, replacing the file.
bool writeMonthFile(const std::string& path, const MonthCells& cells, std::string& error,
                    FileWriter& writer = systemFileWriter());

}  // namespace cal
