// Monthly item rules as relations over many years, and the items file.
#include "data/monthly_items.h"

#include "data/sjis.h"
#include "date/calc_date.h"

#include <gtest/gtest.h>

namespace cal {
namespace {

constexpr int kFirstYear = 1990, kLastYear = 2060;

int weekday(int y, int m, int d) { return weekdayOfSerial(serialDay(y, m, d)); }

template <typename F>
void forEachMonth(F f) {
    for (int y = kFirstYear; y <= kLastYear; ++y)
        for (int m = 1; m <= 12; ++m) f(y, m);
}

TEST(MonthlyRules, ReadAndWrittenAlike) {
    struct Case {
        const char* text;
        std::optional<MonthlyRule> rule;
    };
    const Case cases[] = {
        {"15日", MonthlyRule{RuleKind::DayOfMonth, 15, 0, false}},
        {"１５日", MonthlyRule{RuleKind::DayOfMonth, 15, 0, false}},
        {"第2火曜日", MonthlyRule{RuleKind::NthWeekday, 2, 2, false}},
        {" 第２火曜 ", MonthlyRule{RuleKind::NthWeekday, 2, 2, false}},
        {"最終金曜日", MonthlyRule{RuleKind::LastWeekday, 1, 5, false}},
        {"32日", std::nullopt}, {"0日", std::nullopt}, {"第6火曜日", std::nullopt},
        {"最終金", std::nullopt}, {"毎週月曜日", std::nullopt}, {"", std::nullopt}, {"第100日曜日", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseRule(c.text), c.rule) << c.text;
        if (c.rule) {
            EXPECT_EQ(parseRule(ruleText(*c.rule)), c.rule) << c.text;
        }
    }
}

TEST(MonthlyRules, DaysAreThoseTheRulesName) {
    forEachMonth([](int y, int m) {
        const int days = daysInMonth(y, m);
        for (int w = 0; w < 7; ++w) {
            for (int n = 1; n <= 5; ++n) {
                const auto day = ruleDay({RuleKind::NthWeekday, n, w, false}, y, m);
                if (!day) {
                    // Only a fifth one may be missing, and then the month has four.
                    ASSERT_EQ(n, 5);
                    ASSERT_GT(*ruleDay({RuleKind::NthWeekday, 4, w, false}, y, m) + 7, days);
                    continue;
                }
                ASSERT_EQ(weekday(y, m, *day), w) << y << "-" << m;
                ASSERT_EQ((*day - 1) / 7 + 1, n) << y << "-" << m;
            }
            const auto last = ruleDay({RuleKind::LastWeekday, 1, w, false}, y, m);
            ASSERT_TRUE(last);
            ASSERT_EQ(weekday(y, m, *last), w);
            ASSERT_GT(*last + 7, days);
        }
        for (int d = 28; d <= 31; ++d)
            ASSERT_EQ(ruleDay({RuleKind::DayOfMonth, d, 0, false}, y, m).has_value(), d <= days);
    });
}

TEST(MonthlyRules, MovedItemsLandOnTheNextWorkingDay) {
    // Registered: 5 May and the days around New Year, whatever the year.
    const HolidayTest holiday = [](int, int m, int d) { return (m == 5 && d == 5) || (m == 1 && d <= 3); };
    const auto off = [&](int y, int m, int d) { return weekday(y, m, d) == 0 || weekday(y, m, d) == 6 || holiday(y, m, d); };
    forEachMonth([&](int y, int m) {
        for (const MonthlyRule rule : {MonthlyRule{RuleKind::DayOfMonth, 1, 0, true},
                                       MonthlyRule{RuleKind::DayOfMonth, 5, 0, true},
                                       MonthlyRule{RuleKind::LastWeekday, 1, 6, true}}) {
            const int nominal = *ruleDay(rule, y, m);
            const auto days = itemDays(rule, y, m, holiday);
            const int days0 = daysInMonth(y, m);
            for (const int d : days) {
                ASSERT_FALSE(off(y, m, d)) << y << "-" << m << "-" << d;
                // Every day passed over was one off.
                for (int between = d >= nominal ? nominal : 1; between < d; ++between)
                    ASSERT_TRUE(off(y, m, between)) << y << "-" << m << "-" << between;
            }
            // The item of this month is here unless it moved past the month's end.
            bool movedOut = true;
            for (int d = nominal; d <= days0; ++d)
                if (!off(y, m, d)) movedOut = false;
            ASSERT_EQ(std::count_if(days.begin(), days.end(), [&](int d) { return d >= nominal; }), movedOut ? 0 : 1);
        }
    });
}

TEST(MonthlyRules, AMoveAcrossTheMonthEndLandsInTheNextMonth) {
    const HolidayTest none = [](int, int, int) { return false; };
    // 31 May 2025 is a Saturday: the item is on Monday 2 June.
    const MonthlyRule rule{RuleKind::DayOfMonth, 31, 0, true};
    EXPECT_TRUE(itemDays(rule, 2025, 5, none).empty());
    EXPECT_EQ(itemDays(rule, 2025, 6, none), std::vector<int>{2});
    // Unmoved, and a holiday test that never ends, stay bounded.
    EXPECT_TRUE(itemDays({RuleKind::DayOfMonth, 31, 0, false}, 2025, 6, none).empty());
    EXPECT_LE(itemDays(rule, 2025, 6, [](int, int, int) { return true; }).size(), 2U);
}

TEST(MonthlyItemsFile, ItemsComeBackAsWrittenInShiftJis) {
    const std::vector<MonthlyItem> items{
        {{RuleKind::LastWeekday, 1, 5, false}, "誕生会", "tanjoubi.bmp"},
        {{RuleKind::DayOfMonth, 15, 0, true}, "避難訓練", ""},
        {{RuleKind::NthWeekday, 2, 2, false}, "", "taisou.bmp"},
    };
    const std::string bytes = monthlyItemsBytes(items);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), utf8ToSjis("最終金曜日\t0\ttanjoubi.bmp\t誕生会"));
    const MonthlyItemsRead read = parseMonthlyItems(bytes);
    EXPECT_EQ(read.items, items);
    EXPECT_TRUE(read.problems.empty());
}

TEST(MonthlyItemsFile, LinesThatCannotBeUsedAreNamedAndTheOthersKept) {
    const std::string good = utf8ToSjis("15日\t1\t\t避難訓練");
    const std::string bytes = good + "\r\n" + utf8ToSjis("15日\t1") + "\r\n" + utf8ToSjis("第6火曜日\t0\t\t体操") +
                              "\r\n" + "1\x93\xfa\t0\t\t\x81" + "\r\n\r\n" + utf8ToSjis("最終金曜日\t2\t\t誕生会") +
                              "\n" + good.substr(0, good.size() - 1);
    const MonthlyItemsRead read = parseMonthlyItems(bytes);
    // The fourth holds a lead byte with nothing after it; the last is cut in
    // the middle of a character.
    const std::vector<std::string> lines{"2行目", "3行目", "4行目", "6行目", "7行目"};
    ASSERT_EQ(read.problems.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(read.problems[i].starts_with(lines[i])) << read.problems[i];
    ASSERT_EQ(read.items.size(), 1U);
    EXPECT_EQ(read.items[0].text, "避難訓練");
}

}  // namespace
}  // namespace cal
