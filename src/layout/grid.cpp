#include "layout/grid.h"

#include "data/sjis.h"
#include "data/year_settings.h"
#include "tools/numbers.h"
#include "tools/string_tools.h"

#include <string>

namespace cal {

int columnOfWeekday(std::string_view weekday) {
    const std::string_view wanted = trimBlanks(weekday);
    for (std::size_t i = 0; i < kWeekdayKanji.size(); ++i)
        if (trimBlanks(kWeekdayKanji[i]) == wanted) return i == 6 ? 0 : static_cast<int>(i) + 1;
    return 0;
}

MonthLayout monthLayout(const YearSettings& settings, int calendarMonth) {
    const int m = FB_TUKI_CNV(MonthConv::ToSchool, calendarMonth);
    if (m == 0) return {};
    return {columnOfWeekday(fieldName(settings.firstWeekday[static_cast<std::size_t>(m)])),
            settings.daysInMonth[static_cast<std::size_t>(m)].get()};
}

DayColors dayColors(const YearSettings& settings, int calendarMonth, int day, int k) {
    const bool sunday = k % 7 == 0, saturday = k % 7 == 6;
    const int weekdayFrame = sunday ? kColorSunday : saturday ? kColorSaturday : kColorOrdinary;
    const int key = calendarMonth * 100 + day;
    for (std::size_t i = 1; i <= 20; ++i) {
        if (settings.holidayDate[i].get() == key) return {kColorSunday, kColorSunday};
        if (sunday) return {kColorSunday, weekdayFrame};
    }
    return {kColorOrdinary, weekdayFrame};
}

std::string dayText(int day) {
    return (day >= 1 && day <= 9 ? " " : "") + std::to_string(day);
}

}  // namespace cal
