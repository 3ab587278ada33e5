#include "layout/grid.h"

#include "data/sjis.h"
#include "data/year_settings.h"
#include "tools/numbers.h"
#include "tools/string_tools.h"

#include <algorithm>
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
    // A day count outside 0 … 31 is drawn as the nearest of the two.
    const int days = std::clamp(settings.daysInMonth[static_cast<std::size_t>(m)].get(), 0, kMaxMonthDays);
    return {columnOfWeekday(fieldName(settings.firstWeekday[static_cast<std::size_t>(m)])), days};
}

std::string monthLayoutProblems(const YearSettings& settings) {
    std::string text;
    for (int m = 1; m <= 12; ++m) {
        const auto k = static_cast<std::size_t>(m);
        const std::string month = std::to_string(FB_TUKI_CNV(MonthConv::ToCalendar, m)) + "月";
        const int days = settings.daysInMonth[k].get();
        if (days < 0 || days > kMaxMonthDays)
            text += month + "の日数 " + std::to_string(days) + " → " +
                    std::to_string(std::clamp(days, 0, kMaxMonthDays)) + " として表示します\r\n";
        const std::string weekday = fieldName(settings.firstWeekday[k]);
        const bool known = std::find(kWeekdayKanji.begin(), kWeekdayKanji.end(), weekday) != kWeekdayKanji.end();
        // An unset month (no weekday, no days) is no fault.
        if (!known && (!weekday.empty() || days != 0))
            text += month + "の１日の曜日「" + weekday + "」 → 「日」として表示します\r\n";
    }
    return text;
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
