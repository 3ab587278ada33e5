#pragma once
// Reading a school year's monthly items with what the user must be told.

#include "data/monthly_items.h"

#include <string>
#include <string_view>
#include <vector>

namespace cal {

struct Context;

// The items of the file; none when it is missing (no message) or cannot be
// read (said so). Lines that cannot be used are named once per content of
// the file, the others are used; the file is never written here.
std::vector<MonthlyItem> readMonthlyItemsFile(Context& context, const std::string& path, std::string_view owner);

// Writes the items, replacing the file; a failure is reported.
bool writeMonthlyItemsFile(Context& context, const std::string& path, const std::vector<MonthlyItem>& items,
                           std::string_view owner);

}  // namespace cal
