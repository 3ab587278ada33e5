#include "ical/ics_prefilter.h"

#include "ical/civil_days.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace cal::ical {

namespace {

constexpr std::int64_t kMargin = 2;

bool startsWithUpper(std::string_view line, std::string_view name) {
    if (line.size() < name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(line[i])) != name[i]) return false;
    return line.size() == name.size() || line[name.size()] == ';' || line[name.size()] == ':';
}

// The value after the first colon outside a quoted parameter.
std::string_view valueOf(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == ':' && !quoted) return line.substr(i + 1);
    }
    return {};
}

std::optional<std::int64_t> dayOf(std::string_view value) {
    if (value.size() < 8) return std::nullopt;
    int digits[8];
    for (int i = 0; i < 8; ++i) {
        if (value[static_cast<std::size_t>(i)] < '0' || value[static_cast<std::size_t>(i)] > '9') return std::nullopt;
        digits[i] = value[static_cast<std::size_t>(i)] - '0';
    }
    const int y = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    const int m = digits[4] * 10 + digits[5], d = digits[6] * 10 + digits[7];
    if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    return daysFromCivil(y, m, d);
}

// Whole days a DURATION may span, rounded up; nothing for a negative or odd one.
std::optional<std::int64_t> durationDays(std::string_view value) {
    if (value.starts_with('+')) value.remove_prefix(1);
    if (!value.starts_with('P')) return std::nullopt;
    std::int64_t days = 1, number = 0;
    bool time = false;
    for (const char ch : value.substr(1)) {
        if (ch >= '0' && ch <= '9') {
            if (number > 100000) return std::nullopt;
            number = number * 10 + (ch - '0');
        } else if (ch == 'T') {
            time = true;
        } else if (ch == 'W' || ch == 'D' || ch == 'H' || ch == 'M' || ch == 'S') {
            days += ch == 'W' ? number * 7 : ch == 'D' ? number : ch == 'H' && time ? number / 24 + 1 : time ? 1 : 0;
            number = 0;
        } else {
            return std::nullopt;
        }
    }
    return days;
}

bool isFar(const std::vector<std::string>& lines, std::int64_t firstDay, std::int64_t lastDay) {
    std::optional<std::int64_t> start, end, length;
    for (const std::string& line : lines) {
        for (const char* recurring : {"RRULE", "RDATE", "EXRULE", "RECURRENCE-ID"})
            if (startsWithUpper(line, recurring)) return false;
        if (startsWithUpper(line, "DTSTART") && !(start = dayOf(valueOf(line)))) return false;
        if (startsWithUpper(line, "DTEND") && !(end = dayOf(valueOf(line)))) return false;
        if (startsWithUpper(line, "DURATION") && !(length = durationDays(valueOf(line)))) return false;
    }
    if (!start) return false;
    const std::int64_t last = std::max(end.value_or(*start), *start + length.value_or(0));
    return last < firstDay - kMargin || *start > lastDay + kMargin;
}

}  // namespace

std::string withoutFarEvents(std::string_view text, std::int64_t firstDay, std::int64_t lastDay) {
    std::string out;
    out.reserve(text.size());
    std::string block;               // the raw lines of the VEVENT being read
    std::vector<std::string> lines;  // the same, unfolded
    bool inEvent = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
        text.remove_prefix(raw.size());
        std::string_view line = raw;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
        if (!inEvent) {
            inEvent = startsWithUpper(line, "BEGIN") && valueOf(line) == "VEVENT";
            (inEvent ? block : out) += raw;
            if (inEvent) lines.clear();
            continue;
        }
        block += raw;
        if (!line.empty() && (line[0] == ' ' || line[0] == '\t') && !lines.empty())
            lines.back() += line.substr(1);
        else
            lines.emplace_back(line);
        if (startsWithUpper(line, "END") && valueOf(line) == "VEVENT") {
            if (!isFar(lines, firstDay, lastDay)) out += block;
            block.clear();
            inEvent = false;
        }
    }
    return out + block;
}

}  // namespace cal::ical
