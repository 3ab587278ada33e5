#include "data/data_folder.h"

#include "data/sjis.h"
#include "date/calc_date.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace cal {

namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

}  // namespace

std::string childPath(const std::string& folder, const std::string& name) {
    return folder + static_cast<char>(fs::path::preferred_separator) + name;
}

bool isDataFolder(const std::string& path) {
    return folderExists(path) && (isFolder(pathOf(path) / "master") || hasMonthFolder(path));
}

bool hasMonthFolder(const std::string& path) {
    return folderExists(path) && isFolder(pathOf(path) / "Calendar_dat");
}

bool folderIsEmpty(const std::string& path) {
    std::error_code ec;
    return fs::is_empty(pathOf(path), ec) && !ec;
}

bool makeFolder(const std::string& path, std::string& error) {
    std::error_code ec;
    fs::create_directories(pathOf(path), ec);
    if (isFolder(pathOf(path))) return true;
    error = "フォルダ(" + path + ")を作成できません。" + (ec ? "(" + ec.message() + ")" : std::string());
    return false;
}

YearSettings newSchoolYearSettings(int schoolYear) {
    static constexpr std::array<const char*, 7> kSundayFirst{"日", "月", "火", "水", "木", "金", "土"};
    YearSettings settings{};
    settings.reservedHead.set(schoolYear);
    for (int k = 1; k <= 12; ++k) {
        const int month = (k + 2) % 12 + 1;  // 1 = April … 12 = March
        const int year = month >= 4 ? schoolYear : schoolYear + 1;
        const auto i = static_cast<std::size_t>(k);
        settings.daysInMonth[i].set(daysInMonth(year, month));
        storeField(settings.firstWeekday[i],
                   kSundayFirst[static_cast<std::size_t>(weekdayOfSerial(serialDay(year, month, 1)))]);
    }
    return settings;
}

}  // namespace cal
