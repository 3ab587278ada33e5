#include "print/ics_export.h"

#include "data/file_io.h"
#include "data/month_file.h"
#include "data/sjis.h"
#include "data/year_file.h"
#include "date/japanese_holidays.h"
#include "layout/month_layout.h"
#include "state/context.h"
#include "tools/numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace cal {

namespace {

constexpr int kAllCellsColumns = 7, kAllCellsRows = 6;  // every day of any month

// Tells one nursery's class from another in the UIDs, the same in every export.
std::string calendarKey(const YearSettings& settings) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char ch : fieldText(settings.schoolName) + "\n" + fieldText(settings.className)) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string uidOf(const Date& date, const std::string& entry, const std::string& key) {
    char day[9];
    std::snprintf(day, sizeof day, "%04d%02d%02d", date.year, date.month, date.day);
    return std::string(day) + "-" + entry + "-" + key + "@nursery-calendar";
}

bool isNationalHoliday(int year, int month, int day, const std::string& comment) {
    if (isNationalHolidayName(comment)) return true;
    const auto holidays = nationalHolidaysOfYear(year);
    return holidays && std::any_of(holidays->begin(), holidays->end(), [&](const Holiday& h) {
               return h.month == month && h.day == day;
           });
}

}  // namespace

std::string calendarName(const YearSettings& settings) {
    const std::string school = fieldText(settings.schoolName), group = fieldText(settings.className);
    const std::string name = school + (school.empty() || group.empty() ? "" : " ") + group;
    return name.empty() ? "カレンダー" : name;
}

std::vector<IcsEvent> monthEvents(const YearSettings& settings, const MonthCells& cells, int year, int month) {
    const std::string key = calendarKey(settings);
    std::vector<IcsEvent> events;
    for (const DayPlace& place : dayPlaces(monthLayout(settings, month), kAllCellsColumns, kAllCellsRows)) {
        const DayCell& cell = cells[static_cast<std::size_t>(place.cell)];
        const Date date{year, month, place.day};
        const std::size_t first = events.size();
        for (std::size_t j = 1; j <= 8; ++j) {
            const std::string text = fieldText(cell.lineText[j]);
            // A marked line stays off the page, and so off the parents' phones.
            if (cell.lineCheck[j].get() == 0 && !text.empty())
                events.push_back({uidOf(date, "L" + std::to_string(j), key), date, text, {}, {}});
        }
        int entries = 0;
        for (std::size_t k = 1; k <= 20; ++k) {
            const std::string comment = fieldText(settings.holidayComment[k]);
            if (settings.holidayDate[k].get() != month * 100 + place.day || comment.empty()) continue;
            const bool holiday = isNationalHoliday(year, month, place.day, comment);
            events.push_back({uidOf(date, "H" + std::to_string(++entries), key), date, comment, {},
                              holiday ? "祝日" : "行事"});
        }
        std::string extra;
        for (std::size_t j = 1; j <= 6; ++j)
            if (const std::string text = fieldText(cell.extraText[j]); !text.empty())
                extra += (extra.empty() ? "" : "\n") + text;
        if (events.size() > first) events[first].description = extra;
    }
    return events;
}

IcsExport exportIcs(Context& c, const std::string& path, std::optional<int> schoolYear) {
    const AppState& s = c.state;
    IcsExport result;
    if (c.icsWriter == nullptr) {
        result.error = "この版では iCalendar ファイルを書き出せません。";
        return result;
    }
    IcsCalendar calendar{calendarName(s.yearSettings), {}};
    if (!schoolYear) {
        calendar.events = monthEvents(s.yearSettings, s.monthCells, leadingInt(s.currentYear), s.currentMonth);
        result.months = 1;
    } else {
        auto settings = std::make_unique<YearSettings>();
        const std::string settingsPath = yearSettingsPath(s.dataDir, std::to_string(*schoolYear));
        std::string error;
        const RecordRead read = readYearSettings(settingsPath, *settings, error);
        if (!recordWasRead(read) || read == RecordRead::Empty) {
            result.error = std::to_string(*schoolYear) + "年度のカレンダー設定ファイル(" + settingsPath +
                           ")が読み込めません。" + (error.empty() ? "" : "(" + error + ")");
            return result;
        }
        calendar.name = calendarName(*settings);
        auto cells = std::make_unique<MonthCells>();
        for (int i = 0; i < 12; ++i) {
            const int month = (i + 3) % 12 + 1;  // April … March
            const int year = month >= 4 ? *schoolYear : *schoolYear + 1;
            const RecordRead monthRead = readMonthFile(monthFilePath(s.dataDir, std::to_string(year), month), *cells, error);
            if (!recordWasRead(monthRead) || monthRead == RecordRead::Empty) {
                result.missing.push_back(std::to_string(year) + "年" + std::to_string(month) + "月");
                continue;
            }
            const std::vector<IcsEvent> events = monthEvents(*settings, *cells, year, month);
            calendar.events.insert(calendar.events.end(), events.begin(), events.end());
            ++result.months;
        }
        if (result.months == 0) {
            result.error = std::to_string(*schoolYear) + "年度のカレンダーデータがひと月分もありません。";
            return result;
        }
    }
    std::string error;
    const std::optional<std::string> bytes = c.icsWriter->write(calendar, error);
    if (!bytes || !writeFileReplacing(path, *bytes, error, *c.state.fileWriter)) {
        result.error = "iCalendarファイル(" + path + ")に書き込めません。(" + error + ")";
        return result;
    }
    result.events = static_cast<int>(calendar.events.size());
    return result;
}

}  // namespace cal
