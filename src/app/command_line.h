#pragma once
// The program's command line. Options begin with "--":
//   --print-pdf FILE   print the displayed month to FILE as a PDF and exit
//   --month YYYY-MM    display that month instead of today's
//   --print-png FILE   print the displayed month to FILE as a PNG picture of
//                      the page at 150 dpi and exit
//   --school-year YYYY with --print-pdf: print that school year, April to
//                      March, one page a month
//   --import-ics FILE  with --month: put that month's events of the
//                      iCalendar FILE into the month file and exit
//   --paper NAME       with --print-pdf or --print-png: the paper, A3 (the
//                      default), B4, A4 or Letter, landscape
//   --export-ics FILE  write the displayed month (or with --school-year the
//                      school year) to FILE as an iCalendar file and exit
//   --staff            with --print-pdf or --print-png: the staff edition
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
    std::optional<std::string> icsImportFile; // --import-ics
    std::optional<int> paper;           // --paper, as its printer paper code
    std::optional<std::string> icsExportFile; // --export-ics
    bool staff = false;                 // --staff
    std::vector<std::string> importPictures;  // --import-picture, in order
    std::string error;                  // not empty: a message for the user, the program stops
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

// Checks that a file can be written there, without leaving anything behind
// when it did not exist before.
bool canWriteFile(const std::string& path, std::string& error);

}  // namespace cal
