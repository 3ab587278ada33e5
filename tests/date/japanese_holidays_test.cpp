// The national holidays of Japan held against the published lists and the
// rules of the holiday law.
#include "date/japanese_holidays.h"

#include "date/calc_date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace cal {
namespace {

// The Cabinet Office's lists of national holidays, calendar years 2019 to 2027.
const std::vector<Holiday> kPublished{
    {2019, 1, 1, "元日"}, {2019, 1, 14, "成人の日"}, {2019, 2, 11, "建国記念の日"}, {2019, 3, 21, "春分の日"},
    {2019, 4, 29, "昭和の日"}, {2019, 4, 30, "国民の休日"}, {2019, 5, 1, "即位の日"}, {2019, 5, 2, "国民の休日"},
    {2019, 5, 3, "憲法記念日"}, {2019, 5, 4, "みどりの日"}, {2019, 5, 5, "こどもの日"}, {2019, 5, 6, "振替休日"},
    {2019, 7, 15, "海の日"}, {2019, 8, 11, "山の日"}, {2019, 8, 12, "振替休日"}, {2019, 9, 16, "敬老の日"},
    {2019, 9, 23, "秋分の日"}, {2019, 10, 14, "体育の日"}, {2019, 10, 22, "即位礼正殿の儀の行われる日"},
    {2019, 11, 3, "文化の日"}, {2019, 11, 4, "振替休日"}, {2019, 11, 23, "勤労感謝の日"},
    {2020, 1, 1, "元日"}, {2020, 1, 13, "成人の日"}, {2020, 2, 11, "建国記念の日"}, {2020, 2, 23, "天皇誕生日"},
    {2020, 2, 24, "振替休日"}, {2020, 3, 20, "春分の日"}, {2020, 4, 29, "昭和の日"}, {2020, 5, 3, "憲法記念日"},
    {2020, 5, 4, "みどりの日"}, {2020, 5, 5, "こどもの日"}, {2020, 5, 6, "振替休日"}, {2020, 7, 23, "海の日"},
    {2020, 7, 24, "スポーツの日"}, {2020, 8, 10, "山の日"}, {2020, 9, 21, "敬老の日"}, {2020, 9, 22, "秋分の日"},
    {2020, 11, 3, "文化の日"}, {2020, 11, 23, "勤労感謝の日"},
    {2021, 1, 1, "元日"}, {2021, 1, 11, "成人の日"}, {2021, 2, 11, "建国記念の日"}, {2021, 2, 23, "天皇誕生日"},
    {2021, 3, 20, "春分の日"}, {2021, 4, 29, "昭和の日"}, {2021, 5, 3, "憲法記念日"}, {2021, 5, 4, "みどりの日"},
    {2021, 5, 5, "こどもの日"}, {2021, 7, 22, "海の日"}, {2021, 7, 23, "スポーツの日"}, {2021, 8, 8, "山の日"},
    {2021, 8, 9, "振替休日"}, {2021, 9, 20, "敬老の日"}, {2021, 9, 23, "秋分の日"}, {2021, 11, 3, "文化の日"},
    {2021, 11, 23, "勤労感謝の日"},
    {2022, 1, 1, "元日"}, {2022, 1, 10, "成人の日"}, {2022, 2, 11, "建国記念の日"}, {2022, 2, 23, "天皇誕生日"},
    {2022, 3, 21, "春分の日"}, {2022, 4, 29, "昭和の日"}, {2022, 5, 3, "憲法記念日"}, {2022, 5, 4, "みどりの日"},
    {2022, 5, 5, "こどもの日"}, {2022, 7, 18, "海の日"}, {2022, 8, 11, "山の日"}, {2022, 9, 19, "敬老の日"},
    {2022, 9, 23, "秋分の日"}, {2022, 10, 10, "スポーツの日"}, {2022, 11, 3, "文化の日"},
    {2022, 11, 23, "勤労感謝の日"},
    {2023, 1, 1, "元日"}, {2023, 1, 2, "振替休日"}, {2023, 1, 9, "成人の日"}, {2023, 2, 11, "建国記念の日"},
    {2023, 2, 23, "天皇誕生日"}, {2023, 3, 21, "春分の日"}, {2023, 4, 29, "昭和の日"}, {2023, 5, 3, "憲法記念日"},
    {2023, 5, 4, "みどりの日"}, {2023, 5, 5, "こどもの日"}, {2023, 7, 17, "海の日"}, {2023, 8, 11, "山の日"},
    {2023, 9, 18, "敬老の日"}, {2023, 9, 23, "秋分の日"}, {2023, 10, 9, "スポーツの日"}, {2023, 11, 3, "文化の日"},
    {2023, 11, 23, "勤労感謝の日"},
    {2024, 1, 1, "元日"}, {2024, 1, 8, "成人の日"}, {2024, 2, 11, "建国記念の日"}, {2024, 2, 12, "振替休日"},
    {2024, 2, 23, "天皇誕生日"}, {2024, 3, 20, "春分の日"}, {2024, 4, 29, "昭和の日"}, {2024, 5, 3, "憲法記念日"},
    {2024, 5, 4, "みどりの日"}, {2024, 5, 5, "こどもの日"}, {2024, 5, 6, "振替休日"}, {2024, 7, 15, "海の日"},
    {2024, 8, 11, "山の日"}, {2024, 8, 12, "振替休日"}, {2024, 9, 16, "敬老の日"}, {2024, 9, 22, "秋分の日"},
    {2024, 9, 23, "振替休日"}, {2024, 10, 14, "スポーツの日"}, {2024, 11, 3, "文化の日"}, {2024, 11, 4, "振替休日"},
    {2024, 11, 23, "勤労感謝の日"},
    {2025, 1, 1, "元日"}, {2025, 1, 13, "成人の日"}, {2025, 2, 11, "建国記念の日"}, {2025, 2, 23, "天皇誕生日"},
    {2025, 2, 24, "振替休日"}, {2025, 3, 20, "春分の日"}, {2025, 4, 29, "昭和の日"}, {2025, 5, 3, "憲法記念日"},
    {2025, 5, 4, "みどりの日"}, {2025, 5, 5, "こどもの日"}, {2025, 5, 6, "振替休日"}, {2025, 7, 21, "海の日"},
    {2025, 8, 11, "山の日"}, {2025, 9, 15, "敬老の日"}, {2025, 9, 23, "秋分の日"}, {2025, 10, 13, "スポーツの日"},
    {2025, 11, 3, "文化の日"}, {2025, 11, 23, "勤労感謝の日"}, {2025, 11, 24, "振替休日"},
    {2026, 1, 1, "元日"}, {2026, 1, 12, "成人の日"}, {2026, 2, 11, "建国記念の日"}, {2026, 2, 23, "天皇誕生日"},
    {2026, 3, 20, "春分の日"}, {2026, 4, 29, "昭和の日"}, {2026, 5, 3, "憲法記念日"}, {2026, 5, 4, "みどりの日"},
    {2026, 5, 5, "こどもの日"}, {2026, 5, 6, "振替休日"}, {2026, 7, 20, "海の日"}, {2026, 8, 11, "山の日"},
    {2026, 9, 21, "敬老の日"}, {2026, 9, 22, "国民の休日"}, {2026, 9, 23, "秋分の日"}, {2026, 10, 12, "スポーツの日"},
    {2026, 11, 3, "文化の日"}, {2026, 11, 23, "勤労感謝の日"},
    {2027, 1, 1, "元日"}, {2027, 1, 11, "成人の日"}, {2027, 2, 11, "建国記念の日"}, {2027, 2, 23, "天皇誕生日"},
    {2027, 3, 21, "春分の日"}, {2027, 3, 22, "振替休日"}, {2027, 4, 29, "昭和の日"}, {2027, 5, 3, "憲法記念日"},
    {2027, 5, 4, "みどりの日"}, {2027, 5, 5, "こどもの日"}, {2027, 7, 19, "海の日"}, {2027, 8, 11, "山の日"},
    {2027, 9, 20, "敬老の日"}, {2027, 9, 23, "秋分の日"}, {2027, 10, 11, "スポーツの日"}, {2027, 11, 3, "文化の日"},
    {2027, 11, 23, "勤労感謝の日"},
};

std::vector<Holiday> ofSchoolYear(int schoolYear) {
    const auto holidays = nationalHolidays(schoolYear);
    EXPECT_TRUE(holidays.has_value()) << schoolYear;
    return holidays.value_or(std::vector<Holiday>{});
}

std::vector<Holiday> ofYear(int year) {
    return nationalHolidaysOfYear(year).value_or(std::vector<Holiday>{});
}

// The name of the holiday on a date, "" on an ordinary day.
std::string nameOn(int year, int month, int day) {
    for (const Holiday& h : ofYear(year)) {
        if (h.month == month && h.day == day) return h.name;
    }
    return "";
}

bool before(const Holiday& a, const Holiday& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

TEST(JapaneseHolidays, SchoolYearsTogetherGiveThePublishedLists) {
    std::vector<Holiday> computed;
    for (int schoolYear = 2018; schoolYear <= 2027; ++schoolYear) {
        for (const Holiday& h : ofSchoolYear(schoolYear)) {
            if (h.year >= 2019 && h.year <= 2027) computed.push_back(h);
        }
    }
    ASSERT_TRUE(std::is_sorted(computed.begin(), computed.end(), before));
    EXPECT_EQ(computed, kPublished);
}

TEST(JapaneseHolidays, SchoolYearRunsFromAprilToMarchInDateOrder) {
    for (int schoolYear = kFirstHolidaySchoolYear; schoolYear <= kLastHolidaySchoolYear; ++schoolYear) {
        const std::vector<Holiday> holidays = ofSchoolYear(schoolYear);
        ASSERT_FALSE(holidays.empty());
        EXPECT_EQ(holidays.front().year, schoolYear);
        EXPECT_GE(holidays.front().month, 4);
        EXPECT_EQ(holidays.back().year, schoolYear + 1);
        EXPECT_LE(holidays.back().month, 3);
        EXPECT_TRUE(std::adjacent_find(holidays.begin(), holidays.end(), [](const Holiday& a, const Holiday& b) {
                        return !before(a, b);
                    }) == holidays.end())
            << schoolYear;
    }
}

TEST(JapaneseHolidays, YearsOutsideTheEquinoxFormulaAreRefused) {
    EXPECT_FALSE(nationalHolidays(kFirstHolidaySchoolYear - 1).has_value());
    EXPECT_FALSE(nationalHolidays(kLastHolidaySchoolYear + 1).has_value());  // needs March 2100
    EXPECT_FALSE(nationalHolidaysOfYear(1979).has_value());
    EXPECT_FALSE(nationalHolidaysOfYear(2100).has_value());
    EXPECT_TRUE(nationalHolidaysOfYear(2099).has_value());
    EXPECT_EQ(kFirstHolidaySchoolYear, 1980);
    EXPECT_EQ(kLastHolidaySchoolYear, 2098);
}

// From 2007 a holiday on a Sunday moves the day off to the first day after it
// that is no holiday; before, only to the Monday.
TEST(JapaneseHolidays, SundayHolidayGivesASubstituteDay) {
    EXPECT_EQ(nameOn(2023, 1, 2), "振替休日");  // 元日 on a Sunday
    EXPECT_EQ(nameOn(2009, 5, 6), "振替休日");  // 憲法記念日 on a Sunday, 4th and 5th are holidays
    EXPECT_EQ(nameOn(1998, 5, 4), "振替休日");  // before 2007 the Monday, even before 5/5
    EXPECT_EQ(nameOn(1998, 5, 6), "");
    EXPECT_EQ(nameOn(2002, 9, 16), "振替休日");  // 敬老の日 9/15 on a Sunday

    // Every Sunday holiday from 2007 on is followed by a 振替休日 right after
    // its run of holidays, and every 振替休日 closes such a run.
    for (int year = 2007; year <= kLastHolidayYear; ++year) {
        const std::vector<Holiday> holidays = ofYear(year);
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            const Holiday& h = holidays[i];
            const std::int32_t serial = serialDay(h.year, h.month, h.day);
            if (h.name == "振替休日") {
                bool sundayInRun = false;
                for (std::size_t j = i; j-- > 0;) {
                    const std::int32_t s = serialDay(holidays[j].year, holidays[j].month, holidays[j].day);
                    if (serial - s != static_cast<std::int32_t>(i - j)) break;
                    sundayInRun = sundayInRun || weekdayOfSerial(s) == 0;
                }
                EXPECT_TRUE(sundayInRun) << year << "/" << h.month << "/" << h.day;
            } else if (weekdayOfSerial(serial) == 0) {
                std::size_t k = i + 1;
                while (k < holidays.size() && holidays[k].name != "振替休日") ++k;
                ASSERT_LT(k, holidays.size()) << year << "/" << h.month << "/" << h.day;
                const Holiday& off = holidays[k];
                EXPECT_EQ(serialDay(off.year, off.month, off.day) - serial, static_cast<std::int32_t>(k - i));
            }
        }
    }
}

TEST(JapaneseHolidays, DayBetweenTwoHolidaysIsAHoliday) {
    EXPECT_EQ(nameOn(2026, 9, 22), "国民の休日");
    EXPECT_EQ(nameOn(2015, 9, 22), "国民の休日");
    EXPECT_EQ(nameOn(2009, 9, 22), "国民の休日");
    EXPECT_EQ(nameOn(2000, 5, 4), "国民の休日");  // between 憲法記念日 and こどもの日 before 2007
    EXPECT_EQ(nameOn(2019, 4, 30), "国民の休日");
    EXPECT_EQ(nameOn(2019, 5, 2), "国民の休日");
    EXPECT_EQ(nameOn(2020, 9, 22), "秋分の日");  // no gap in 2020: 敬老の日 9/21
}

TEST(JapaneseHolidays, OlympicYearsMoveThreeHolidays) {
    EXPECT_EQ(nameOn(2020, 7, 23), "海の日");
    EXPECT_EQ(nameOn(2020, 7, 24), "スポーツの日");
    EXPECT_EQ(nameOn(2020, 8, 10), "山の日");
    EXPECT_EQ(nameOn(2020, 8, 11), "");
    EXPECT_EQ(nameOn(2020, 10, 12), "");
    EXPECT_EQ(nameOn(2021, 8, 9), "振替休日");
    EXPECT_EQ(nameOn(2022, 10, 10), "スポーツの日");
    EXPECT_EQ(nameOn(2019, 10, 14), "体育の日");
}

TEST(JapaneseHolidays, ChangesOfTheLaw) {
    // 天皇誕生日: 12/23 until 2018, none in 2019, 2/23 from 2020.
    EXPECT_EQ(nameOn(2018, 12, 23), "天皇誕生日");
    EXPECT_EQ(nameOn(2018, 12, 24), "振替休日");
    EXPECT_EQ(nameOn(2019, 12, 23), "");
    EXPECT_EQ(nameOn(2019, 2, 23), "");
    EXPECT_EQ(nameOn(2020, 2, 23), "天皇誕生日");
    EXPECT_EQ(nameOn(1988, 4, 29), "天皇誕生日");
    // みどりの日: 4/29 until 2006, then 5/4 with 昭和の日 on 4/29.
    EXPECT_EQ(nameOn(2006, 4, 29), "みどりの日");
    EXPECT_EQ(nameOn(2006, 5, 4), "国民の休日");
    EXPECT_EQ(nameOn(2007, 4, 29), "昭和の日");
    EXPECT_EQ(nameOn(2007, 5, 4), "みどりの日");
    // Happy Monday: 成人の日 and 体育の日 from 2000, 海の日 and 敬老の日 from 2003.
    EXPECT_EQ(nameOn(1999, 1, 15), "成人の日");
    EXPECT_EQ(nameOn(1999, 10, 10), "体育の日");
    EXPECT_EQ(nameOn(2000, 1, 10), "成人の日");
    EXPECT_EQ(nameOn(2000, 10, 9), "体育の日");
    EXPECT_EQ(nameOn(2002, 7, 20), "海の日");
    EXPECT_EQ(nameOn(2003, 7, 21), "海の日");
    EXPECT_EQ(nameOn(2003, 9, 15), "敬老の日");
    EXPECT_EQ(nameOn(1995, 7, 20), "");
    // 山の日 from 2016.
    EXPECT_EQ(nameOn(2015, 8, 11), "");
    EXPECT_EQ(nameOn(2016, 8, 11), "山の日");
}

TEST(JapaneseHolidays, EveryProducedNameIsKnown) {
    for (int year = kFirstHolidayYear; year <= kLastHolidayYear; ++year) {
        for (const Holiday& h : ofYear(year)) EXPECT_TRUE(isNationalHolidayName(h.name)) << h.name;
    }
    EXPECT_FALSE(isNationalHolidayName("運動会"));
}

}  // namespace
}  // namespace cal
