#include "date/calc_date.h"

#include <array>
#include <cstddef>
#include <optional>

namespace cal {
namespace {

constexpr std::array<const char*, 7> kEnglishNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kJapaneseNames{"日曜日", "月曜日", "火曜日", "水曜日",
                                                   "木曜日", "金曜日", "土曜日"};
constexpr std::array<int, 13> kMonthLengths{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A decimal number with optional blanks around it and an optional sign;
// nothing when the text holds anything else.
std::optional<std::int32_t> readNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    std::int32_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');  // at most four digits are read
        ++i;
    }
    if (i == firstDigit) return std::nullopt;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

}  // namespace

bool isLeapYear(std::int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(std::int32_t year, int month) {
    if (month == 2) return isLeapYear(year) ? 29 : 28;
    return kMonthLengths[static_cast<std::size_t>(month)];
}

std::int32_t serialDay(std::int32_t year, int month, int day) {
    const std::int32_t p = year - 1;
    std::int32_t n = p * 365 + p / 4 - p / 100 + p / 400 + day;
    for (int m = 1; m < month; ++m) n += daysInMonth(year, m);
    return n;
}

int weekdayOfSerial(std::int32_t serial) {
    return static_cast<int>(serial % 7);
}

std::int32_t CALCDATE(std::string& dateText, std::int16_t& weekday, std::string& englishName,
                      std::string& japaneseName) {
    weekday = 0;
    englishName.clear();
    japaneseName.clear();
    if (dateText.size() < 10) return 0;
    const std::string_view text = dateText;
    const auto year = readNumber(text.substr(0, 4));
    const auto month = readNumber(text.substr(5, 2));
    const auto day = readNumber(text.substr(text.size() - 2));
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 0) return 0;

    int d = *day;
    const int last = daysInMonth(*year, *month);
    if (d == 0 || d > last) {
        d = last;
        dateText = dateText.substr(0, 8) + twoDigits(d);
    }
    const std::int32_t serial = serialDay(*year, *month, d);
    const int w = weekdayOfSerial(serial);
    weekday = static_cast<std::int16_t>(w);
    englishName = kEnglishNames[static_cast<std::size_t>(w)];
    japaneseName = kJapaneseNames[static_cast<std::size_t>(w)];
    return serial;
}

std::string SEIREKICNV(std::string_view shortDate, std::string_view separator) {
    std::array<std::string, 3> fields;
    std::size_t slashes = 0;
    for (const char c : shortDate) {
        if (c == '/') {
            ++slashes;
        } else if (slashes < fields.size()) {
            fields[slashes] += c;
        }
    }
    for (std::string& field : fields) {
        if (field.size() == 1) field.insert(0, "0");
    }
    std::string result = "20" + fields[0];
    result.append(separator).append(fields[1]).append(separator).append(fields[2]);
    return result;
}

}  // namespace cal
