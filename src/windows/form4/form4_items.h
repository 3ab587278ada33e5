#pragma once
// The utility's monthly items section: its rows shown from and taken into
// the items the utility holds.

#include "data/monthly_items.h"

#include <optional>
#include <string>
#include <vector>

namespace cal {

struct Context;
class HandlerTable;

// Fills the twenty rows from utilityItems, the rest empty.
void showMonthlyItems(Context& context);

struct ItemsOnScreen {
    std::vector<MonthlyItem> items;    // the rows filled in, in order
    std::vector<std::string> problems; // "毎月の行事 3: …" for a row that cannot be stored
};
ItemsOnScreen monthlyItemsOnScreen(const Context& context);

// Reads the items that go with the mode's settings into utilityItems; the
// year's own, or with `year` empty the default's.
void readUtilityItems(Context& context, const std::string& year);
// Copies the default's items onto the year's (nothing when the default has none).
bool copyDefaultItems(Context& context, const std::string& year);

// The texts marked while typing when they will not be stored as shown.
void addItemFitMarks(HandlerTable& table);

}  // namespace cal
