#include "tools/string_tools.h"

#include "tools/numbers.h"

namespace cal {

std::string TOOL_NULL_CUT(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    return std::string(trimmed.substr(0, trimmed.find('\0')));
}

std::string TOOL_YEN_CUT(std::string_view path) {
    const std::string_view trimmed = trimBlanks(path);
    if (trimmed.empty()) return std::string(path);
    // UTF-8 never uses the bytes of "\" or "/" inside a multi-byte character,
    // so a byte search cannot cut a character apart.
    const auto cut = trimmed.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? trimmed : trimmed.substr(cut + 1));
}

int FB_TUKI_CNV(MonthConv mode, int month) {
    if (month < 1 || month > 12) return 0;
    switch (mode) {
    case MonthConv::ToSchool: return month >= 4 ? month - 3 : month + 9;
    case MonthConv::ToCalendar: return month <= 9 ? month + 3 : month - 9;
    case MonthConv::Same: return month;
    default: return 0;
    }
}

int schoolYearOf(int calendarYear, int month) {
    return month <= 3 ? calendarYear - 1 : calendarYear;
}

}  // namespace cal
