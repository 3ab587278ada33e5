#pragma once
// Putting a text into a day's free schedule line and a picture into its free
// small slot, for the imports that add to a day instead of replacing it.

#include "data/day_cell.h"

#include <string_view>

namespace cal {

enum class Placed { Added, AlreadyThere, NoRoom };

// The first empty schedule line 1 … 8 gets `text` (its mark cleared so that it
// is printed), unless one of the lines already says it.
Placed addScheduleLine(DayCell& cell, std::string_view text);
// The first empty small slot 3 … 8 gets `picture`, unless a slot holds it.
Placed addSmallPicture(DayCell& cell, std::string_view picture);

}  // namespace cal
