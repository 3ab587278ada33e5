#pragma once
// YearSettings: the 59,162-byte record of one school year. Per-month arrays
// are indexed by the school-year month (1 = April … 12 = March).

#include "data/le_int32.h"

#include <array>
#include <cstddef>

namespace cal {

struct YearSettings {
    LeInt32 reservedHead;  // the year utility stores the school year here
    std::array<char, 30> schoolName;
    std::array<char, 30> schoolPicture;
    std::array<LeInt32, 13> daysInMonth;
    std::array<std::array<char, 4>, 13> firstWeekday;  // "月" … "日"
    std::array<std::array<char, 30>, 13> titlePicture;
    std::array<std::array<char, 40>, 13> monthComment;
    std::array<char, 13312> reservedA;
    std::array<LeInt32, 21> holidayDate;  // month × 100 + day; 0 = no entry
    std::array<std::array<char, 30>, 21> holidayPicture;
    std::array<std::array<char, 40>, 21> holidayComment;
    std::array<char, 21504> reservedB;
    std::array<std::array<char, 30>, 7> framePicture;  // 1 … 6
    std::array<char, 30> className;
    std::array<char, 30> classPicture;
    std::array<char, 21444> reservedTail;
};

static_assert(sizeof(YearSettings) == 59162);
static_assert(offsetof(YearSettings, schoolName) == 4);
static_assert(offsetof(YearSettings, schoolPicture) == 34);
static_assert(offsetof(YearSettings, daysInMonth) == 64);
static_assert(offsetof(YearSettings, firstWeekday) == 116);
static_assert(offsetof(YearSettings, titlePicture) == 168);
static_assert(offsetof(YearSettings, monthComment) == 558);
static_assert(offsetof(YearSettings, reservedA) == 1078);
static_assert(offsetof(YearSettings, holidayDate) == 14390);
static_assert(offsetof(YearSettings, holidayPicture) == 14474);
static_assert(offsetof(YearSettings, holidayComment) == 15104);
static_assert(offsetof(YearSettings, reservedB) == 15944);
static_assert(offsetof(YearSettings, framePicture) == 37448);
static_assert(offsetof(YearSettings, className) == 37658);
static_assert(offsetof(YearSettings, classPicture) == 37688);
static_assert(offsetof(YearSettings, reservedTail) == 37718);

}  // namespace cal
