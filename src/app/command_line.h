#pragma once
// The program's command line. Options begin with "--":
//   --print-pdf FILE   print the displayed month to FILE as a PDF and exit
//   --month YYYY-MM    display that month instead of today's
//   --print-png FILE   print the displayed month to FILE as a PNG picture of
//                      the page at 150 dpi and exit
//   --school-year YYYY with --print-pdf: print that school year, April to
//                      March, one page a month
//   --import-picture FILE  bring the picture file into the data folder's
//                      picture library and exit (repeatable)
// Every other argument is part of the data folder text, the arguments
// joined by single blanks.

#include <optional>
#include <string>
#include <vector>

namespace cal {

struct YearMonth {
    int year = 0, month = 0;
};

struct CommandLine {
    std::string dataText;               // empty: use the working folder
    std::optional<std::string> pdfFile; // --print-pdf
    std::optional<std::string> pngFile; // --print-png
    std::optional<YearMonth> month;     // --month
    std::optional<int> schoolYear;      // --school-year
    std::vector<std::string> importPictures;  // --import-picture, in order
    std::string error;                  // not empty: a message for the user, the program stops
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

// Checks that a file can be written there, without leaving anything behind
// when it did not exist before.
bool canWriteFile(const std::string& path, std::string& error);

}  // namespace cal
