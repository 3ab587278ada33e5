#include "data/monthly_placement.h"

#include "data/day_lines.h"
#include "data/year_settings.h"
#include "date/japanese_holidays.h"

#include <map>
#include <memory>
#include <set>

namespace cal {

HolidayTest registeredHolidays(const YearSettings& settings) {
    std::set<int> keys;
    for (std::size_t i = 1; i <= 20; ++i)
        if (const int key = settings.holidayDate[i].get(); key != 0) keys.insert(key);
    // National holidays by calendar year, computed once each.
    auto national = std::make_shared<std::map<int, std::set<int>>>();
    return [keys = std::move(keys), national](int year, int month, int day) {
        const int key = month * 100 + day;
        if (keys.contains(key)) return true;
        auto [it, fresh] = national->try_emplace(year);
        if (fresh)
            if (const auto holidays = nationalHolidaysOfYear(year))
                for (const Holiday& h : *holidays) it->second.insert(h.dateKey());
        return it->second.contains(key);
    };
}

std::vector<std::string> placeMonthlyItems(MonthCells& cells, const std::vector<DayPlace>& places,
                                           const std::vector<MonthlyItem>& items, int year, int month,
                                           const HolidayTest& holiday) {
    std::map<int, int> cellOfDay;
    for (const DayPlace& p : places) cellOfDay[p.day] = p.cell;
    std::vector<std::string> notFitted;
    for (const MonthlyItem& item : items) {
        for (const int day : itemDays(item.rule, year, month, holiday)) {
            const auto cell = cellOfDay.find(day);
            const std::string when = std::to_string(month) + "月" + std::to_string(day) + "日 ";
            const std::string name = item.text.empty() ? item.picture : item.text;
            if (cell == cellOfDay.end()) {
                notFitted.push_back(when + name);
                continue;
            }
            DayCell& target = cells[static_cast<std::size_t>(cell->second)];
            if (!item.text.empty() && addScheduleLine(target, item.text) == Placed::NoRoom) {
                notFitted.push_back(when + name);
                continue;
            }
            if (!item.picture.empty() && addSmallPicture(target, item.picture) == Placed::NoRoom)
                notFitted.push_back(when + name + "（絵）");
        }
    }
    return notFitted;
}

}  // namespace cal
