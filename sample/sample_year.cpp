#include "sample_year.h"

#include "data/sjis.h"
#include "date/japanese_holidays.h"
#include "sample_pictures.h"
#include "tools/string_tools.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace sample {

namespace ch = std::chrono;

namespace {

constexpr std::string_view kSchoolName = "さくら保育園";
constexpr std::string_view kClassName = "ひよこ組";

// By ch::weekday::c_encoding(): Sunday first, like the month grid.
constexpr std::array<std::string_view, 7> kWeekdayNames = {"日", "月", "火", "水", "木", "金", "土"};

struct MonthLook {
    std::string_view picture;
    std::string_view comment;
};

// By calendar month, January first.
constexpr std::array<MonthLook, 12> kMonthLooks = {{
    {picture::kSnow, "あけましておめでとう"},
    {picture::kSnow, "豆まきで鬼は外！"},
    {picture::kTulip, "もうすぐ大きい組さん"},
    {picture::kSakura, "入園・進級おめでとう"},
    {picture::kKoinobori, "こいのぼりが泳いでいるよ"},
    {picture::kSun, "雨の日も元気に遊ぼう"},
    {picture::kSun, "水遊びが楽しいね"},
    {picture::kSun, "夏祭りで盆踊り"},
    {picture::kLeaf, "お月見だんごを作ろう"},
    {picture::kLeaf, "運動会でがんばろう"},
    {picture::kLeaf, "どんぐり拾いに行こう"},
    {picture::kSnow, "もうすぐクリスマス"},
}};

struct Holiday {
    int key;  // month × 100 + day
    std::string_view comment;
    std::string_view picture;
};

constexpr Holiday kFixedHolidays[] = {
    {429, "昭和の日", picture::kHinomaru},    {503, "憲法記念日", picture::kHinomaru},
    {505, "こどもの日", picture::kKoinobori}, {1103, "文化の日", picture::kHinomaru},
    {1123, "勤労感謝の日", picture::kHinomaru}, {101, "元日", picture::kFuji},
    {211, "建国記念の日", picture::kHinomaru},
};

// What a filled day holds; the day moves on to the next weekday that is no
// holiday.
struct DayPlan {
    unsigned day;
    std::array<std::string_view, 3> lines;
    std::string_view picture;  // empty: the month's title picture
    std::array<std::string_view, 2> smallPictures;
    int unprintedLine;  // 0: every line is printed
};

// Lines 1 and 2 stand beside the day's picture and hold seven full-width
// characters at the sample's 50 mm boxes, line 3 below it twelve.
constexpr DayPlan kDayPlans[] = {
    {4, {"身体測定", "体操服で登園", "してください"}, picture::kChick, {picture::kStar, ""}, 0},
    {10, {"お誕生会", "おめでとう！", "今月生まれのお友だち"}, picture::kCake, {picture::kHeart, picture::kStar}, 0},
    {15, {"避難訓練", "防災ずきんを", "持ってきてね"}, picture::kBell, {picture::kStar, ""}, 0},
    {20, {"公園へお散歩", "水筒・帽子", "職員：引率３名"}, "", {picture::kBall, ""}, 3},
    {25, {"お弁当の日", "お弁当・水筒", ""}, picture::kOnigiri, {picture::kHeart, ""}, 0},
};

// School-year month of a calendar month: April 1 … March 12.
int schoolMonthOf(unsigned calendarMonth)
{
    return static_cast<int>((calendarMonth + 8) % 12 + 1);
}

int holidayKey(ch::year_month_day date)
{
    return static_cast<int>(static_cast<unsigned>(date.month()) * 100 + static_cast<unsigned>(date.day()));
}

// Stores the holidays from entry 1 on, in the order of the school year.
void storeHolidays(cal::YearSettings& settings, std::vector<Holiday> holidays)
{
    std::stable_sort(holidays.begin(), holidays.end(), [](const Holiday& a, const Holiday& b) {
        const int am = schoolMonthOf(static_cast<unsigned>(a.key / 100));
        const int bm = schoolMonthOf(static_cast<unsigned>(b.key / 100));
        return am != bm ? am < bm : a.key % 100 < b.key % 100;
    });
    for (std::size_t i = 0; i < holidays.size() && i + 1 < settings.holidayDate.size(); ++i) {
        settings.holidayDate[i + 1].set(holidays[i].key);
        cal::storeField(settings.holidayPicture[i + 1], holidays[i].picture);
        cal::storeField(settings.holidayComment[i + 1], holidays[i].comment);
    }
}

bool isHoliday(const cal::YearSettings& settings, int key)
{
    return std::any_of(settings.holidayDate.begin() + 1, settings.holidayDate.end(),
                       [key](const cal::LeInt32& entry) { return entry.get() == key; });
}

// Sunday 0 … Saturday 6.
unsigned firstColumnOf(ch::year_month month)
{
    return ch::weekday{ch::sys_days{month / 1}}.c_encoding();
}

unsigned daysIn(ch::year_month month)
{
    return static_cast<unsigned>((month / ch::last).day());
}

} // namespace

std::optional<ch::year_month_day> parseDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [text](std::size_t from, std::size_t length) -> std::optional<unsigned> {
        unsigned value = 0;
        for (const char c : text.substr(from, length)) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        return value;
    };
    const auto y = number(0, 4);
    const auto m = number(5, 2);
    const auto d = number(8, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const ch::year_month_day date{ch::year{static_cast<int>(*y)}, ch::month{*m}, ch::day{*d}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

int schoolYearOf(ch::year_month_day date)
{
    const auto month = static_cast<int>(static_cast<unsigned>(date.month()));
    return cal::schoolYearOf(static_cast<int>(date.year()), month);
}

ch::year_month calendarMonthOf(int schoolYear, int k)
{
    const auto m = static_cast<unsigned>((k + 2) % 12 + 1);
    return ch::year{m >= 4 ? schoolYear : schoolYear + 1} / ch::month{m};
}

cal::YearSettings defaultYearSettings()
{
    cal::YearSettings settings{};
    cal::storeField(settings.schoolName, kSchoolName);
    cal::storeField(settings.schoolPicture, picture::kSchool);
    cal::storeField(settings.className, kClassName);
    cal::storeField(settings.classPicture, picture::kChick);
    for (std::size_t i = 0; i < picture::kFrames.size(); ++i)
        cal::storeField(settings.framePicture[i + 1], picture::kFrames[i]);
    for (unsigned m = 1; m <= 12; ++m) {
        const MonthLook& look = kMonthLooks[m - 1];
        const auto k = static_cast<std::size_t>(schoolMonthOf(m));
        cal::storeField(settings.titlePicture[k], look.picture);
        cal::storeField(settings.monthComment[k], look.comment);
    }
    storeHolidays(settings, {std::begin(kFixedHolidays), std::end(kFixedHolidays)});
    return settings;
}

cal::YearSettings schoolYearSettings(int schoolYear)
{
    cal::YearSettings settings = defaultYearSettings();
    settings.reservedHead.set(schoolYear);
    for (int k = 1; k <= 12; ++k) {
        const ch::year_month month = calendarMonthOf(schoolYear, k);
        const auto i = static_cast<std::size_t>(k);
        settings.daysInMonth[i].set(static_cast<int>(daysIn(month)));
        cal::storeField(settings.firstWeekday[i], kWeekdayNames[firstColumnOf(month)]);
    }

    const ch::year april{schoolYear};
    const ch::year_month_day entrance{ch::sys_days{april / ch::April / ch::Saturday[1]}};
    const ch::year_month_day sportsDay{ch::sys_days{april / ch::October / ch::Saturday[2]}};
    // The year's national holidays, as "祝日を入れる" puts them.
    std::vector<Holiday> holidays;
    const std::optional<std::vector<cal::Holiday>> national = cal::nationalHolidays(schoolYear);
    if (national) {
        for (const cal::Holiday& h : *national)
            holidays.push_back({h.dateKey(), h.name,
                                h.name == "こどもの日" ? picture::kKoinobori
                                : h.name == "元日"     ? picture::kFuji
                                                       : picture::kHinomaru});
    } else {
        holidays.assign(std::begin(kFixedHolidays), std::end(kFixedHolidays));
    }
    // The events as far as the twenty entries leave room.
    for (const Holiday& event : {Holiday{holidayKey(entrance), "入園式", picture::kTulip},
                                 Holiday{holidayKey(sportsDay), "運動会", picture::kFlag}})
        if (holidays.size() + 1 < settings.holidayDate.size()) holidays.push_back(event);
    storeHolidays(settings, std::move(holidays));
    return settings;
}

cal::MonthCells filledMonth(ch::year_month month, const cal::YearSettings& settings)
{
    cal::MonthCells cells{};
    const unsigned firstColumn = firstColumnOf(month);
    const unsigned lastDay = daysIn(month);
    const MonthLook& look = kMonthLooks[static_cast<unsigned>(month.month()) - 1];
    for (const DayPlan& plan : kDayPlans) {
        unsigned day = plan.day;
        for (; day <= lastDay; ++day) {
            const ch::year_month_day date = month / ch::day{day};
            const ch::weekday weekday{ch::sys_days{date}};
            if (weekday != ch::Saturday && weekday != ch::Sunday && !isHoliday(settings, holidayKey(date)))
                break;
        }
        if (day > lastDay)
            continue;

        cal::DayCell& cell = cells[day + firstColumn];
        for (std::size_t k = 0; k < plan.lines.size(); ++k)
            cal::storeField(cell.lineText[k + 1], plan.lines[k]);
        if (plan.unprintedLine > 0)
            cell.lineCheck[static_cast<std::size_t>(plan.unprintedLine)].set(1);
        cal::storeField(cell.pictureFile[1], plan.picture.empty() ? look.picture : plan.picture);
        for (std::size_t k = 0; k < plan.smallPictures.size(); ++k)
            cal::storeField(cell.pictureFile[k + 3], plan.smallPictures[k]);
    }
    return cells;
}

} // namespace sample
