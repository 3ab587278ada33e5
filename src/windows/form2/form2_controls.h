#pragma once
// The month window's control names: one picture a cell of the grid.

#include "ui/names.h"

#include <string>

namespace cal::form2 {

inline constexpr int kCells = 60;

// The picture of grid cell 1 … kCells: PICTURE1 … PICTURE60.
inline std::string cell(int n) { return numberedName("PICTURE", n); }

}  // namespace cal::form2
