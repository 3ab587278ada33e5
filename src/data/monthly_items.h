#pragma once
// Monthly items (毎月の行事): events every month repeats on a rule, such as
// 誕生会 on the last Friday or 避難訓練 on the 15th, kept per school year in
// master/Calendar<schoolYear>毎月行事.txt (CP932 text, one item a line).

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

inline constexpr std::size_t kMonthlyItemCount = 20;
inline constexpr std::size_t kMonthlyTextWidth = 40;     // a schedule line
inline constexpr std::size_t kMonthlyPictureWidth = 30;  // a picture name

enum class RuleKind { DayOfMonth, NthWeekday, LastWeekday };

struct MonthlyRule {
    RuleKind kind = RuleKind::DayOfMonth;
    int number = 1;   // the day (1 … 31) or n of the n-th weekday (1 … 5)
    int weekday = 0;  // 0 = Sunday … 6 = Saturday
    bool toWorkday = false;  // moved to the next day that is no weekend or holiday
    friend bool operator==(const MonthlyRule&, const MonthlyRule&) = default;
};

// "15日", "第2火曜日", "最終金曜日" (full-width digits too); nothing for any
// other text.
std::optional<MonthlyRule> parseRule(std::string_view text);
// The rule as parseRule reads it, half-width digits; toWorkday is not part of it.
std::string ruleText(const MonthlyRule& rule);

// Whether a day is a registered or national holiday (weekends are known).
using HolidayTest = std::function<bool(int year, int month, int day)>;

// The day of the month the rule names, before any move; nothing when the
// month has no such day (31日 in April, a fifth Tuesday that is not there).
std::optional<int> ruleDay(const MonthlyRule& rule, int year, int month);
// The days of this month the item falls on: its own day, moved on past
// weekends and holidays when it is to be, and last month's when moving
// carried it over into this one.
std::vector<int> itemDays(const MonthlyRule& rule, int year, int month, const HolidayTest& holiday);

// One item; texts in UTF-8.
struct MonthlyItem {
    MonthlyRule rule;
    std::string text;
    std::string picture;
    friend bool operator==(const MonthlyItem&, const MonthlyItem&) = default;
};

struct MonthlyItemsRead {
    std::vector<MonthlyItem> items;
    std::vector<std::string> problems;  // "3行目: …", one per line that could not be used
};

// The file's lines: rule, 1 or 0 for the move, picture, text, separated by
// tabs. A line that cannot be used is named and left out; the others count.
MonthlyItemsRead parseMonthlyItems(std::string_view bytes);
std::string monthlyItemsBytes(const std::vector<MonthlyItem>& items);

std::string monthlyItemsPath(const std::string& dataDir, const std::string& schoolYear);
std::string defaultMonthlyItemsPath(const std::string& dataDir);

}  // namespace cal
