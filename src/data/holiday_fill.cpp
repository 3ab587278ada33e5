#include "data/holiday_fill.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <tuple>

namespace cal {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isEarlierFill(const HolidayEntry& entry, const std::vector<Holiday>& holidays) {
    if (!isNationalHolidayName(trimmed(entry.comment))) return false;
    return std::any_of(holidays.begin(), holidays.end(),
                       [&entry](const Holiday& h) { return h.dateKey() == entry.dateKey; });
}

std::string noticeText(const Holiday& h) {
    return std::to_string(h.month) + "月" + std::to_string(h.day) + "日 " + h.name;
}

}  // namespace

HolidayFillResult fillNationalHolidays(const std::array<HolidayEntry, kHolidayEntryCount>& current,
                                       const std::vector<Holiday>& holidays) {
    std::vector<Holiday> ordered = holidays;
    std::stable_sort(ordered.begin(), ordered.end(), [](const Holiday& a, const Holiday& b) {
        return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
    });

    HolidayFillResult result{current, {}};
    std::vector<HolidayEntry> replaced;
    std::vector<std::size_t> freeSlots;
    for (std::size_t i = 0; i < result.entries.size(); ++i) {
        HolidayEntry& entry = result.entries[i];
        if (entry.empty()) {
            freeSlots.push_back(i);
        } else if (isEarlierFill(entry, ordered)) {
            replaced.push_back(entry);
            entry = HolidayEntry{};
            freeSlots.push_back(i);
        }
    }

    std::size_t next = 0;
    for (const Holiday& h : ordered) {
        if (next == freeSlots.size()) {
            result.notFitted.push_back(noticeText(h));
            continue;
        }
        HolidayEntry placed{h.dateKey(), "", h.name};
        const auto same = std::find_if(replaced.begin(), replaced.end(), [&placed](const HolidayEntry& e) {
            return e.dateKey == placed.dateKey && trimmed(e.comment) == placed.comment;
        });
        if (same != replaced.end()) placed.picture = same->picture;
        result.entries[freeSlots[next++]] = placed;
    }
    return result;
}

}  // namespace cal
