#include "data/monthly_items.h"

#include "data/file_io.h"
#include "data/sjis.h"
#include "date/calc_date.h"

#include <array>

namespace cal {

namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames{"日", "月", "火", "水", "木", "金", "土"};
constexpr std::string_view kFullDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr std::size_t kFields = 4;

// Reads leading digits (half- or full-width) off `text`; nothing without one.
std::optional<int> takeNumber(std::string_view& text) {
    int value = 0, digits = 0;
    for (;;) {
        if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
            value = value * 10 + (text[0] - '0');
            text.remove_prefix(1);
        } else {
            int found = -1;
            for (int d = 0; d < 10 && found < 0; ++d)
                if (text.starts_with(kFullDigits[d])) found = d;
            if (found < 0) break;
            value = value * 10 + found;
            text.remove_prefix(kFullDigits[found].size());
        }
        if (++digits > 2) return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    return value;
}

std::optional<int> takeWeekday(std::string_view text) {
    for (std::size_t w = 0; w < kWeekdayNames.size(); ++w)
        if (text == std::string(kWeekdayNames[w]) + "曜日" || text == std::string(kWeekdayNames[w]) + "曜")
            return static_cast<int>(w);
    return std::nullopt;
}

int weekdayOf(int year, int month, int day) { return weekdayOfSerial(serialDay(year, month, day)); }

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

// The reason a field's bytes cannot be used as a text of `width`, or nothing.
std::optional<std::string> badText(std::string_view sjis, std::size_t width, std::string_view what) {
    if (sjisToUtf8(sjis).find("\xEF\xBF\xBD") != std::string::npos || sjisPrefixLength(sjis, sjis.size()) != sjis.size())
        return std::string(what) + "にシフトJISで読めない文字があります";
    for (const char ch : sjis)
        if (static_cast<unsigned char>(ch) < 0x20) return std::string(what) + "に制御文字があります";
    if (sjis.size() > width) return std::string(what) + "が長すぎます（" + std::to_string(width) + "バイトまで）";
    return std::nullopt;
}

std::optional<std::string> readLine(std::string_view line, MonthlyItem& item) {
    const auto fields = splitTabs(line);
    if (fields.size() != kFields) return "項目の数が違います（" + std::to_string(fields.size()) + "個、4個のはず）";
    const std::string ruleUtf8 = sjisToUtf8(fields[0]);
    const auto rule = parseRule(ruleUtf8);
    if (!rule) return "決まり「" + ruleUtf8 + "」が読めません";
    if (fields[1] != "0" && fields[1] != "1") return "休日の扱い「" + sjisToUtf8(fields[1]) + "」は 0 か 1 のはずです";
    if (auto bad = badText(fields[2], kMonthlyPictureWidth, "絵の名前")) return bad;
    if (auto bad = badText(fields[3], kMonthlyTextWidth, "行事名")) return bad;
    if (fields[2].empty() && fields[3].empty()) return "行事名も絵もありません";
    item.rule = *rule;
    item.rule.toWorkday = fields[1] == "1";
    item.picture = sjisToUtf8(fields[2]);
    item.text = sjisToUtf8(fields[3]);
    return std::nullopt;
}

}  // namespace

std::optional<MonthlyRule> parseRule(std::string_view text) {
    while (text.starts_with(" ")) text.remove_prefix(1);
    while (text.ends_with(" ")) text.remove_suffix(1);
    MonthlyRule rule;
    if (text.starts_with("最終")) {
        text.remove_prefix(std::string_view("最終").size());
        const auto w = takeWeekday(text);
        if (!w) return std::nullopt;
        rule.kind = RuleKind::LastWeekday;
        rule.weekday = *w;
        return rule;
    }
    if (text.starts_with("第")) {
        text.remove_prefix(std::string_view("第").size());
        const auto n = takeNumber(text);
        const auto w = takeWeekday(text);
        if (!n || !w || *n < 1 || *n > 5) return std::nullopt;
        rule.kind = RuleKind::NthWeekday;
        rule.number = *n;
        rule.weekday = *w;
        return rule;
    }
    const auto d = takeNumber(text);
    if (!d || *d < 1 || *d > 31 || text != "日") return std::nullopt;
    rule.number = *d;
    return rule;
}

std::string ruleText(const MonthlyRule& rule) {
    const std::string weekday = std::string(kWeekdayNames[static_cast<std::size_t>(rule.weekday)]) + "曜日";
    switch (rule.kind) {
    case RuleKind::DayOfMonth: return std::to_string(rule.number) + "日";
    case RuleKind::NthWeekday: return "第" + std::to_string(rule.number) + weekday;
    case RuleKind::LastWeekday: break;
    }
    return "最終" + weekday;
}

std::optional<int> ruleDay(const MonthlyRule& rule, int year, int month) {
    const int days = daysInMonth(year, month);
    switch (rule.kind) {
    case RuleKind::DayOfMonth:
        if (rule.number > days) return std::nullopt;
        return rule.number;
    case RuleKind::NthWeekday: {
        const int first = 1 + (rule.weekday - weekdayOf(year, month, 1) + 7) % 7;
        const int day = first + 7 * (rule.number - 1);
        if (day > days) return std::nullopt;
        return day;
    }
    case RuleKind::LastWeekday: break;
    }
    return days - (weekdayOf(year, month, days) - rule.weekday + 7) % 7;
}

std::vector<int> itemDays(const MonthlyRule& rule, int year, int month, const HolidayTest& holiday) {
    // The serial number of the day a day of (y, m) ends up on.
    const auto landing = [&](int y, int m, int d) {
        std::int32_t serial = serialDay(y, m, d);
        if (!rule.toWorkday) return serial;
        // The bound keeps a holiday test that says yes to everything from looping.
        for (int step = 0; step < 62; ++step, ++serial) {
            const int w = weekdayOfSerial(serial);
            if (w != 0 && w != 6 && !holiday(y, m, d)) return serial;
            if (++d > daysInMonth(y, m)) {
                d = 1;
                if (++m > 12) m = 1, ++y;
            }
        }
        return serial;
    };
    std::vector<int> days;
    const std::int32_t first = serialDay(year, month, 1);
    const std::int32_t last = serialDay(year, month, daysInMonth(year, month));
    const int py = month == 1 ? year - 1 : year, pm = month == 1 ? 12 : month - 1;
    if (const auto before = ruleDay(rule, py, pm)) {
        const std::int32_t s = landing(py, pm, *before);
        if (s >= first && s <= last) days.push_back(static_cast<int>(s - first + 1));
    }
    if (const auto own = ruleDay(rule, year, month)) {
        const std::int32_t s = landing(year, month, *own);
        if (s <= last) days.push_back(static_cast<int>(s - first + 1));
    }
    return days;
}

MonthlyItemsRead parseMonthlyItems(std::string_view bytes) {
    MonthlyItemsRead read;
    int number = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        MonthlyItem item;
        std::optional<std::string> problem = readLine(line, item);
        if (!problem && read.items.size() >= kMonthlyItemCount)
            problem = "毎月の行事は" + std::to_string(kMonthlyItemCount) + "件までです";
        if (problem)
            read.problems.push_back(std::to_string(number) + "行目: " + *problem);
        else
            read.items.push_back(std::move(item));
    }
    return read;
}

namespace {

// A tab or line break typed into a text would end its field.
std::string fieldOfLine(std::string_view utf8, std::size_t width) {
    std::string text(utf8);
    for (char& ch : text)
        if (ch == '\t' || ch == '\r' || ch == '\n') ch = ' ';
    return utf8ToSjis(fitToSjisWidth(text, width));
}

}  // namespace

std::string monthlyItemsBytes(const std::vector<MonthlyItem>& items) {
    std::string bytes;
    for (const MonthlyItem& item : items)
        bytes += utf8ToSjis(ruleText(item.rule)) + '\t' + (item.rule.toWorkday ? "1" : "0") + '\t' +
                 fieldOfLine(item.picture, kMonthlyPictureWidth) + '\t' + fieldOfLine(item.text, kMonthlyTextWidth) + "\r\n";
    return bytes;
}

std::string monthlyItemsPath(const std::string& dataDir, const std::string& schoolYear) {
    return dataPath(dataDir, "master", "Calendar" + schoolYear + "毎月行事.txt");
}

std::string defaultMonthlyItemsPath(const std::string& dataDir) {
    return dataPath(dataDir, "master", "CalendarDef0毎月行事.txt");
}

}  // namespace cal
