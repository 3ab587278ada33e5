#include "date/japanese_holidays.h"

#include "date/calc_date.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <map>

namespace cal {
namespace {

constexpr std::array<std::string_view, 24> kNames{
    "元日", "成人の日", "建国記念の日", "天皇誕生日", "春分の日", "昭和の日", "憲法記念日",
    "みどりの日", "こどもの日", "海の日", "山の日", "敬老の日", "秋分の日", "スポーツの日",
    "体育の日", "文化の日", "勤労感謝の日", "振替休日", "国民の休日", "即位の日",
    "即位礼正殿の儀の行われる日", "即位礼正殿の儀", "昭和天皇の大喪の礼",
    "皇太子徳仁親王の結婚の儀"};

constexpr std::string_view kSubstitute = "振替休日";
constexpr std::string_view kInBetween = "国民の休日";

int weekdayOf(int year, int month, int day) {
    return weekdayOfSerial(serialDay(year, month, day));
}

struct MonthDay {
    int month;
    int day;
    int key() const { return month * 100 + day; }
};

// The day after; 31 December has none within the year and gives month 13.
MonthDay nextDay(int year, MonthDay date) {
    if (date.day < daysInMonth(year, date.month)) return {date.month, date.day + 1};
    return {date.month + 1, 1};
}

// Day of the month of the n-th Monday.
int nthMonday(int year, int month, int n) {
    const int firstWeekday = weekdayOf(year, month, 1);
    const int firstMonday = 1 + (8 - firstWeekday) % 7;
    return firstMonday + 7 * (n - 1);
}

int equinoxDay(int year, double base) {
    const int y = year - 1980;
    return static_cast<int>(std::floor(base + 0.242194 * y - std::floor(y / 4.0)));
}

// The days named by the law (no substitute or in-between days), keyed
// month × 100 + day.
std::map<int, std::string_view> namedDays(int y) {
    std::map<int, std::string_view> days;
    auto add = [&days](int month, int day, std::string_view name) { days[month * 100 + day] = name; };

    add(1, 1, "元日");
    if (y >= 2000) add(1, nthMonday(y, 1, 2), "成人の日");
    else add(1, 15, "成人の日");
    add(2, 11, "建国記念の日");
    if (y >= 2020) add(2, 23, "天皇誕生日");
    add(3, equinoxDay(y, 20.8431), "春分の日");
    if (y <= 1988) add(4, 29, "天皇誕生日");
    else if (y <= 2006) add(4, 29, "みどりの日");
    else add(4, 29, "昭和の日");
    add(5, 3, "憲法記念日");
    if (y >= 2007) add(5, 4, "みどりの日");
    add(5, 5, "こどもの日");

    if (y == 2020) add(7, 23, "海の日");
    else if (y == 2021) add(7, 22, "海の日");
    else if (y >= 2003) add(7, nthMonday(y, 7, 3), "海の日");
    else if (y >= 1996) add(7, 20, "海の日");

    if (y == 2020) add(8, 10, "山の日");
    else if (y == 2021) add(8, 8, "山の日");
    else if (y >= 2016) add(8, 11, "山の日");

    if (y >= 2003) add(9, nthMonday(y, 9, 3), "敬老の日");
    else add(9, 15, "敬老の日");
    add(9, equinoxDay(y, 23.2488), "秋分の日");

    if (y == 2020) add(7, 24, "スポーツの日");
    else if (y == 2021) add(7, 23, "スポーツの日");
    else if (y >= 2020) add(10, nthMonday(y, 10, 2), "スポーツの日");
    else if (y >= 2000) add(10, nthMonday(y, 10, 2), "体育の日");
    else add(10, 10, "体育の日");

    add(11, 3, "文化の日");
    add(11, 23, "勤労感謝の日");
    if (y >= 1989 && y <= 2018) add(12, 23, "天皇誕生日");

    if (y == 1989) add(2, 24, "昭和天皇の大喪の礼");
    if (y == 1990) add(11, 12, "即位礼正殿の儀");
    if (y == 1993) add(6, 9, "皇太子徳仁親王の結婚の儀");
    if (y == 2019) {
        add(5, 1, "即位の日");
        add(10, 22, "即位礼正殿の儀の行われる日");
    }
    return days;
}

}  // namespace

std::optional<std::vector<Holiday>> nationalHolidaysOfYear(int year) {
    if (year < kFirstHolidayYear || year > kLastHolidayYear) return std::nullopt;
    const std::map<int, std::string_view> named = namedDays(year);
    std::map<int, std::string_view> all = named;

    // A named day on a Sunday gives the next day off: from 2007 the first day
    // after it that is no named day, before that only the Monday.
    for (const auto& [key, name] : named) {
        const MonthDay date{key / 100, key % 100};
        if (weekdayOf(year, date.month, date.day) != 0) continue;
        MonthDay off = nextDay(year, date);
        while (year >= 2007 && named.contains(off.key())) off = nextDay(year, off);
        if (off.month <= 12 && !named.contains(off.key())) all[off.key()] = kSubstitute;
    }

    // A day between two named days that is neither a Sunday nor already off.
    if (year >= 1988) {
        for (const auto& [key, name] : named) {
            const MonthDay between = nextDay(year, {key / 100, key % 100});
            if (between.month > 12) continue;
            const MonthDay after = nextDay(year, between);
            if (all.contains(between.key()) || !named.contains(after.key()) ||
                weekdayOf(year, between.month, between.day) == 0) {
                continue;
            }
            all[between.key()] = kInBetween;
        }
    }

    std::vector<Holiday> holidays;
    holidays.reserve(all.size());
    for (const auto& [key, name] : all) {
        holidays.push_back(Holiday{year, key / 100, key % 100, std::string(name)});
    }
    return holidays;
}

std::optional<std::vector<Holiday>> nationalHolidays(int schoolYear) {
    if (schoolYear < kFirstHolidaySchoolYear || schoolYear > kLastHolidaySchoolYear) return std::nullopt;
    const auto first = nationalHolidaysOfYear(schoolYear);
    const auto second = nationalHolidaysOfYear(schoolYear + 1);
    if (!first || !second) return std::nullopt;
    std::vector<Holiday> holidays;
    std::copy_if(first->begin(), first->end(), std::back_inserter(holidays),
                 [](const Holiday& h) { return h.month >= 4; });
    std::copy_if(second->begin(), second->end(), std::back_inserter(holidays),
                 [](const Holiday& h) { return h.month <= 3; });
    return holidays;
}

bool isNationalHolidayName(std::string_view name) {
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

}  // namespace cal
