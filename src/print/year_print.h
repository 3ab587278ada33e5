#pragma once
// Printing a whole school year, April to March, one page a month: each page
// the one that printing that month alone gives.

#include <string>
#include <vector>

namespace cal {

struct Context;

struct YearPrint {
    int pages = 0;                     // months printed
    std::vector<std::string> missing;  // "2026年4月" for each month without a month file
    std::vector<std::string> empty;    // and for each whose month file holds nothing
    std::string error;                 // not empty: nothing could be printed, and why
};

// Prints school year `schoolYear` on the printer set up like BUTTON7's. The
// displayed month and its settings are as they were afterwards.
YearPrint printSchoolYear(Context& context, int schoolYear);

}  // namespace cal
