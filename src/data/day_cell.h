#pragma once
// DayCell: one 2736-byte record of a month file, one grid cell of the month.

#include "data/le_int32.h"

#include <array>
#include <cstddef>

namespace cal {

using PictureName = std::array<char, 30>;
using LineField = std::array<char, 40>;

struct DayCell {
    std::array<char, 136> reservedHead;
    std::array<PictureName, 16> pictureFile;  // 1 … 8 in use
    std::array<char, 64> reservedA;
    std::array<LineField, 16> lineText;  // schedule lines 1 … 8
    std::array<char, 4> reservedB;
    std::array<LeInt32, 16> lineCheck;  // 1 keeps line k off the printed page
    std::array<LineField, 16> extraText;  // 1 … 6
    std::array<char, 708> reservedTail;
};

static_assert(sizeof(DayCell) == 2736);
static_assert(offsetof(DayCell, pictureFile) == 136);
static_assert(offsetof(DayCell, reservedA) == 616);
static_assert(offsetof(DayCell, lineText) == 680);
static_assert(offsetof(DayCell, reservedB) == 1320);
static_assert(offsetof(DayCell, lineCheck) == 1324);
static_assert(offsetof(DayCell, extraText) == 1388);
static_assert(offsetof(DayCell, reservedTail) == 2028);

inline constexpr int kMonthRecords = 43;
inline constexpr std::size_t kMonthFileSize = kMonthRecords * sizeof(DayCell);  // 117,648

// The displayed month: record n is grid cell n; record 0 belongs to no cell.
using MonthCells = std::array<DayCell, kMonthRecords>;

}  // namespace cal
