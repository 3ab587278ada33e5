#pragma once
// "祝日を入れる" of the year utility: puts the school year's national holidays
// into the twenty holiday entries, around the events the teacher registered.

#include "date/japanese_holidays.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace cal {

inline constexpr std::size_t kHolidayEntryCount = 20;

// One holiday entry of the year settings, texts in UTF-8.
struct HolidayEntry {
    int dateKey = 0;  // month × 100 + day; 0 = no entry
    std::string picture;
    std::string comment;

    bool empty() const { return dateKey == 0 && picture.empty() && comment.empty(); }
    friend bool operator==(const HolidayEntry&, const HolidayEntry&) = default;
};

struct HolidayFillResult {
    std::array<HolidayEntry, kHolidayEntryCount> entries;  // entry 1 is element 0
    std::vector<std::string> notFitted;                     // "1月13日 成人の日"
};

// Entries whose date is one of `holidays` and whose comment is a holiday name
// come from an earlier fill and are replaced; every other non-empty entry is
// an event and stays in its slot. The holidays go in date order into the free
// slots in slot order; a holiday put again on the same date under the same
// name keeps the picture the teacher gave it. Holidays without a free slot are
// named in notFitted.
HolidayFillResult fillNationalHolidays(const std::array<HolidayEntry, kHolidayEntryCount>& current,
                                       const std::vector<Holiday>& holidays);

}  // namespace cal
