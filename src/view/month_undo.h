#pragma once
// 元に戻す / やり直し of the displayed month, and the steps that feed them.

#include "data/day_cell.h"

#include <memory>

namespace cal {

struct Context;

// The month as it is before a change, taken by whoever changes it.
std::unique_ptr<MonthCells> monthBefore(const Context& context);
// After a change: keeps the step (when the month changed) and updates the
// buttons.
void monthChanged(Context& context, const MonthCells& before);
// The history starts again: the month was loaded or saved as it is now.
void monthOnDisk(Context& context);

// The shown day is stored first; then the month goes one step back or
// forward, is shown, and its recovery file follows it (gone when the month
// is back as on disk). No file of the data folder is written.
void undoMonth(Context& context);
void redoMonth(Context& context);

}  // namespace cal
