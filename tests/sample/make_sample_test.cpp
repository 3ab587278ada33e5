// make_sample run as a program into fresh folders and its files read back
// through the record layouts, plus the drawing surface on small rasters.

#include "bmp_writer.h"

#include "data/day_cell.h"
#include "data/sjis.h"
#include "data/year_settings.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

bool allZero(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    return std::all_of(bytes, bytes + size, [](unsigned char b) { return b == 0; });
}

std::uint32_t u32(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b.at(at)) | static_cast<std::uint32_t>(b.at(at + 1)) << 8 |
           static_cast<std::uint32_t>(b.at(at + 2)) << 16 |
           static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}

std::uint16_t u16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

// Checks the two headers of an uncompressed bottom-up 24-bit BMP and that the
// file is exactly as long as they say.
void expectBmp24Header(const Bytes& bmp, std::int32_t width, std::int32_t height)
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3u + 3u) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(u32(bmp, 2), bmp.size());
    EXPECT_EQ(u32(bmp, 10), 54u);           // pixel data offset
    EXPECT_EQ(u32(bmp, 14), 40u);           // BITMAPINFOHEADER
    EXPECT_EQ(static_cast<std::int32_t>(u32(bmp, 18)), width);
    EXPECT_EQ(static_cast<std::int32_t>(u32(bmp, 22)), height);
    EXPECT_EQ(u16(bmp, 26), 1u);            // planes
    EXPECT_EQ(u16(bmp, 28), 24u);           // bits per pixel
    EXPECT_EQ(u32(bmp, 30), 0u);            // BI_RGB
    EXPECT_EQ(u32(bmp, 34), imageSize);
    EXPECT_EQ(bmp.size(), 54u + imageSize);
}

// A record field as UTF-8.
std::string text(std::span<const char> field)
{
    return cal::fieldText(field);
}

// Readable Japanese: not empty, not plain ASCII, nothing lost in conversion.
void expectJapanese(const std::string& utf8)
{
    EXPECT_FALSE(utf8.empty());
    EXPECT_TRUE(std::any_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) != 0; })) << utf8;
    EXPECT_EQ(utf8.find("\xEF\xBF\xBD"), std::string::npos) << utf8;
}

cal::YearSettings readYear(const fs::path& file)
{
    const Bytes bytes = readAll(file);
    cal::YearSettings settings{};
    EXPECT_EQ(bytes.size(), sizeof settings) << file;
    std::memcpy(&settings, bytes.data(), std::min(bytes.size(), sizeof settings));
    return settings;
}

std::vector<cal::DayCell> readMonth(const fs::path& file)
{
    const Bytes bytes = readAll(file);
    std::vector<cal::DayCell> cells(cal::kMonthRecords);
    EXPECT_EQ(bytes.size(), cal::kMonthFileSize) << file;
    std::memcpy(cells.data(), bytes.data(), std::min(bytes.size(), cal::kMonthFileSize));
    return cells;
}

std::vector<int> filledRecords(const std::vector<cal::DayCell>& cells)
{
    std::vector<int> filled;
    for (std::size_t n = 0; n < cells.size(); ++n)
        if (!allZero(&cells[n], sizeof(cal::DayCell)))
            filled.push_back(static_cast<int>(n));
    return filled;
}

std::set<std::string> fileNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class MakeSample : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch_ = fs::temp_directory_path() /
                   ("make_sample_test-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(scratch_);
        fs::create_directories(scratch_);
        root_ = scratch_ / "設置 先";  // a space and non-ASCII on purpose
    }
    void TearDown() override { fs::remove_all(scratch_); }

    static int run(const std::vector<std::string>& args)
    {
        std::string command = "'" MAKE_SAMPLE_PATH "'";
        for (const auto& a : args)
            command += " '" + a + "'";
        command += " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int runOn(const std::string& today) const { return run({"--today", today, root_.string()}); }

    fs::path master(const std::string& name) const { return root_ / "master" / name; }
    fs::path month(const std::string& yyyymm) const
    {
        return root_ / "Calendar_dat" / ("Calendar" + yyyymm + ".dat");
    }
    fs::path picture(const std::string& name) const { return root_ / "Calendar_pic" / name; }

    fs::path scratch_;
    fs::path root_;
};

TEST_F(MakeSample, LaysOutTheSchoolYearOfTheGivenDay)
{
    ASSERT_EQ(runOn("2024-06-10"), 0);

    EXPECT_EQ(fileNames(root_ / "master"),
              (std::set<std::string>{"CalendarDef0設定.dat", "Calendar2024設定.dat", "CalendarH.dat"}));
    std::set<std::string> months;
    for (const char* yyyymm : {"202404", "202405", "202406", "202407", "202408", "202409", "202410",
                               "202411", "202412", "202501", "202502", "202503"})
        months.insert(std::string("Calendar") + yyyymm + ".dat");
    EXPECT_EQ(fileNames(root_ / "Calendar_dat"), months);

    // Only today's month has anything in it.
    for (const auto& name : months) {
        const Bytes bytes = readAll(root_ / "Calendar_dat" / name);
        EXPECT_EQ(bytes.size(), 117648u) << name;
        EXPECT_EQ(allZero(bytes.data(), bytes.size()), name != "Calendar202406.dat") << name;
    }
}

TEST_F(MakeSample, YearFileDescribesTheSchoolYear)
{
    ASSERT_EQ(runOn("2024-06-10"), 0);
    const cal::YearSettings year = readYear(master("Calendar2024設定.dat"));

    EXPECT_EQ(year.reservedHead.get(), 2024);
    EXPECT_EQ(text(year.schoolName), "さくら保育園");
    EXPECT_EQ(text(year.className), "ひよこ組");

    // April 2024 … March 2025 as on a printed calendar.
    const std::array<int, 12> days = {30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 28, 31};
    const std::array<const char*, 12> firsts = {"月", "水", "土", "月", "木", "日",
                                                "火", "金", "日", "水", "土", "土"};
    for (std::size_t k = 1; k <= 12; ++k) {
        EXPECT_EQ(year.daysInMonth[k].get(), days[k - 1]) << "month " << k;
        EXPECT_EQ(text(year.firstWeekday[k]), firsts[k - 1]) << "month " << k;
        EXPECT_FALSE(text(year.titlePicture[k]).empty()) << "month " << k;
        expectJapanese(text(year.monthComment[k]));
    }
    // Two Shift-JIS bytes, then zeros.
    EXPECT_EQ(std::string(year.firstWeekday[1].data(), 4), std::string("\x8C\x8E\0\0", 4));
    EXPECT_TRUE(allZero(&year.daysInMonth[0], 4));

    // Holidays and events: real dates of the school year, each with a comment
    // and a picture; no entries after the last one.
    std::set<int> keys;
    std::size_t count = 0;
    while (count + 1 < year.holidayDate.size() && year.holidayDate[count + 1].get() != 0) {
        const std::size_t i = ++count;
        const int key = year.holidayDate[i].get();
        const int m = key / 100;
        ASSERT_TRUE(m >= 1 && m <= 12) << key;
        EXPECT_GE(key % 100, 1);
        EXPECT_LE(key % 100, days[static_cast<std::size_t>((m + 8) % 12)]) << key;
        expectJapanese(text(year.holidayComment[i]));
        EXPECT_FALSE(text(year.holidayPicture[i]).empty());
        keys.insert(key);
    }
    // The national holidays of the year, and the events as far as they fit.
    EXPECT_GE(count, 15u);
    EXPECT_LE(count, 20u);
    EXPECT_EQ(keys.size(), count);
    for (const int key : {101, 211, 429, 503, 505, 1103, 1123})
        EXPECT_EQ(keys.count(key), 1u) << key;
    for (std::size_t i = count + 1; i < year.holidayDate.size(); ++i)
        EXPECT_EQ(year.holidayDate[i].get(), 0);
}

TEST_F(MakeSample, DefaultSettingsAreATemplateWithoutDays)
{
    ASSERT_EQ(runOn("2024-06-10"), 0);
    const cal::YearSettings def = readYear(master("CalendarDef0設定.dat"));

    EXPECT_EQ(def.reservedHead.get(), 0);
    EXPECT_EQ(text(def.schoolName), "さくら保育園");
    EXPECT_EQ(text(def.className), "ひよこ組");
    EXPECT_FALSE(text(def.schoolPicture).empty());
    EXPECT_FALSE(text(def.classPicture).empty());
    EXPECT_TRUE(allZero(def.daysInMonth.data(), sizeof def.daysInMonth));
    EXPECT_TRUE(allZero(def.firstWeekday.data(), sizeof def.firstWeekday));
    std::set<std::string> frames;
    for (std::size_t i = 1; i <= 6; ++i)
        frames.insert(text(def.framePicture[i]));
    EXPECT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames.count(""), 0u);
}

TEST_F(MakeSample, SchoolYearRunsFromAprilToMarch)
{
    struct Case {
        const char* today;
        const char* yearFile;
        const char* filledMonth;
        std::size_t february;  // day count of school-year month 11
    };
    const Case cases[] = {
        {"2023-05-01", "Calendar2023設定.dat", "202305", 29},  // February 2024 is a leap month
        {"2024-03-31", "Calendar2023設定.dat", "202403", 29},
        {"2024-04-01", "Calendar2024設定.dat", "202404", 28},
        {"2025-02-15", "Calendar2024設定.dat", "202502", 28},
        {"2099-12-31", "Calendar2099設定.dat", "209912", 28},  // its March lies in 2100
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today);
        fs::remove_all(root_);
        ASSERT_EQ(runOn(c.today), 0);
        const cal::YearSettings year = readYear(master(c.yearFile));
        EXPECT_EQ(static_cast<std::size_t>(year.daysInMonth[11].get()), c.february);
        const auto filled = filledRecords(readMonth(month(c.filledMonth)));
        EXPECT_GE(filled.size(), 4u);
        EXPECT_LE(filled.size(), 6u);
    }
    // Both ends of the 2023 school year.
    fs::remove_all(root_);
    ASSERT_EQ(runOn("2024-03-31"), 0);
    EXPECT_TRUE(fs::exists(month("202304")));
    EXPECT_TRUE(fs::exists(month("202403")));
    EXPECT_FALSE(fs::exists(month("202404")));
    EXPECT_EQ(text(readYear(master("Calendar2023設定.dat")).firstWeekday[12]), "金");
}

// Record n is grid cell n of a Sunday-first grid; day d lies in record
// d + (the weekday column of the 1st). Filled days are school days.
TEST_F(MakeSample, FilledDaysSitUnderTheirDates)
{
    struct Case {
        const char* today;
        const char* yyyymm;
        int firstColumn;  // Sunday 0 … Saturday 6
        int days;
    };
    const Case cases[] = {
        {"2024-09-15", "202409", 0, 30}, {"2024-04-15", "202404", 1, 30}, {"2024-10-15", "202410", 2, 31},
        {"2024-05-15", "202405", 3, 31}, {"2024-08-15", "202408", 4, 31}, {"2024-11-15", "202411", 5, 30},
        {"2024-06-15", "202406", 6, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today);
        fs::remove_all(root_);
        ASSERT_EQ(runOn(c.today), 0);
        const cal::YearSettings year = readYear(master("Calendar2024設定.dat"));
        std::set<int> holidays;
        for (const cal::LeInt32& key : year.holidayDate)
            holidays.insert(key.get());

        const auto cells = readMonth(month(c.yyyymm));
        const auto filled = filledRecords(cells);
        EXPECT_GE(filled.size(), 4u);
        EXPECT_LE(filled.size(), 6u);
        int unprinted = 0;
        for (const int n : filled) {
            const int day = n - c.firstColumn;
            ASSERT_GE(day, 1) << "record " << n;
            ASSERT_LE(day, c.days) << "record " << n;
            const int weekday = (n - 1) % 7;  // the grid's column: record 1 is Sunday
            EXPECT_TRUE(weekday >= 1 && weekday <= 5) << "day " << day << " column " << weekday;
            EXPECT_EQ(holidays.count((std::atoi(c.yyyymm + 4)) * 100 + day), 0u) << "day " << day;

            const cal::DayCell& cell = cells[static_cast<std::size_t>(n)];
            expectJapanese(text(cell.lineText[1]));
            EXPECT_FALSE(text(cell.pictureFile[1]).empty()) << "day " << day;
            int small = 0;
            for (std::size_t k = 3; k <= 8; ++k)
                small += !text(cell.pictureFile[k]).empty();
            EXPECT_TRUE(small == 1 || small == 2) << "day " << day;
            for (std::size_t k = 1; k <= 8; ++k) {
                const int check = cell.lineCheck[k].get();
                EXPECT_TRUE(check == 0 || check == 1);
                if (check == 1) {
                    ++unprinted;
                    expectJapanese(text(cell.lineText[k]));
                }
            }
        }
        EXPECT_EQ(unprinted, 1);
    }
}

TEST_F(MakeSample, EveryNamedPictureIsThereAsA24BitBmp)
{
    ASSERT_EQ(runOn("2024-06-10"), 0);
    std::set<std::string> names{"不明２５６.bmp"};
    for (const char* file : {"CalendarDef0設定.dat", "Calendar2024設定.dat"}) {
        const cal::YearSettings year = readYear(master(file));
        names.insert(text(year.schoolPicture));
        names.insert(text(year.classPicture));
        for (std::size_t k = 1; k <= 12; ++k)
            names.insert(text(year.titlePicture[k]));
        for (std::size_t i = 1; i < year.holidayDate.size(); ++i)
            if (year.holidayDate[i].get() != 0)
                names.insert(text(year.holidayPicture[i]));
        for (std::size_t i = 1; i <= 6; ++i)
            names.insert(text(year.framePicture[i]));
    }
    for (const cal::DayCell& cell : readMonth(month("202406")))
        for (std::size_t k = 1; k <= 8; ++k)
            names.insert(text(cell.pictureFile[k]));
    names.erase("");
    EXPECT_GE(names.size(), 15u);
    EXPECT_TRUE(std::any_of(names.begin(), names.end(),
                            [](const std::string& n) { return static_cast<unsigned char>(n[0]) >= 0x80; }))
        << "a picture with a Japanese name";

    std::set<Bytes> contents;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Bytes bmp = readAll(picture(name));
        ASSERT_GE(bmp.size(), 54u);
        const auto width = static_cast<std::int32_t>(u32(bmp, 18));
        const auto height = static_cast<std::int32_t>(u32(bmp, 22));
        EXPECT_TRUE(width >= 64 && width <= 256 && height >= 64 && height <= 256);
        expectBmp24Header(bmp, width, height);
        // A drawn picture, not a blank tile.
        std::set<std::uint32_t> colours;
        for (std::size_t i = 54; i + 2 < bmp.size() && colours.size() < 3; i += 3)
            colours.insert(u32(Bytes{bmp[i], bmp[i + 1], bmp[i + 2], 0}, 0));
        EXPECT_GE(colours.size(), 3u);
        contents.insert(bmp);
    }
    EXPECT_EQ(contents.size(), names.size()) << "two names hold the same picture";
}

TEST_F(MakeSample, RunningAgainKeepsExistingFilesAndRestoresMissingOnes)
{
    ASSERT_EQ(runOn("2024-06-10"), 0);
    const fs::path yearFile = master("Calendar2024設定.dat");
    const fs::path defaults = master("CalendarDef0設定.dat");
    const fs::path june = month("202406");
    const fs::path july = month("202407");
    const fs::path sakura = picture("sakura.bmp");
    const Bytes originalJune = readAll(june);
    const Bytes originalDefaults = readAll(defaults);
    const Bytes originalSakura = readAll(sakura);

    // The school has edited some files and lost others.
    const std::string edited = "edited by the school";
    writeAll(yearFile, edited);
    writeAll(july, edited);
    writeAll(picture("不明２５６.bmp"), edited);
    fs::remove(june);
    fs::remove(defaults);
    fs::remove(sakura);
    ASSERT_EQ(runOn("2024-06-11"), 0);
    for (const fs::path& file : {yearFile, july, picture("不明２５６.bmp")})
        EXPECT_EQ(readAll(file), Bytes(edited.begin(), edited.end())) << file;
    EXPECT_EQ(readAll(june), originalJune);
    EXPECT_EQ(readAll(defaults), originalDefaults);
    EXPECT_EQ(readAll(sakura), originalSakura);

    // The same day again changes nothing at all.
    std::vector<std::pair<fs::path, fs::file_time_type>> times;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
        times.emplace_back(entry.path(), entry.last_write_time());
    ASSERT_EQ(runOn("2024-06-11"), 0);
    for (const auto& [file, time] : times)
        EXPECT_EQ(fs::last_write_time(file), time) << file;

    // A new school year is added beside the old one.
    ASSERT_EQ(runOn("2025-04-10"), 0);
    EXPECT_EQ(readAll(yearFile), Bytes(edited.begin(), edited.end()));
    EXPECT_EQ(readYear(master("Calendar2025設定.dat")).reservedHead.get(), 2025);
    EXPECT_FALSE(filledRecords(readMonth(month("202504"))).empty());
    EXPECT_EQ(fileNames(root_ / "Calendar_dat").size(), 24u);
}

TEST_F(MakeSample, WithoutADateUsesTodaysSchoolYear)
{
    const auto schoolYearNow = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local.tm_year + 1900 - (local.tm_mon < 3 ? 1 : 0);
    };
    const int before = schoolYearNow();
    ASSERT_EQ(run({root_.string()}), 0);
    const int after = schoolYearNow();
    EXPECT_TRUE(fs::exists(master("Calendar" + std::to_string(before) + "設定.dat")) ||
                fs::exists(master("Calendar" + std::to_string(after) + "設定.dat")));
}

TEST_F(MakeSample, RefusesBadArgumentsAndUnusableFolders)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {root_.string(), "extra"},
        {"--today", root_.string()},
        {root_.string(), "--today"},
        {"--today", "2024-02-30", root_.string()},
        {"--today", "2024-6-10", root_.string()},
        {"--today", "20240610", root_.string()},
        {"--today", "1999-12-31", root_.string()},
        {"--today", "2100-01-01", root_.string()},
        {"--verbose", root_.string()},
    };
    for (const auto& args : bad) {
        EXPECT_NE(run(args), 0) << ::testing::PrintToString(args);
        EXPECT_FALSE(fs::exists(root_)) << ::testing::PrintToString(args);
    }

    // The target is a plain file.
    writeAll(root_, "not a folder");
    EXPECT_NE(runOn("2024-06-10"), 0);
    fs::remove(root_);

    // A folder sits where a file belongs.
    fs::create_directories(master("CalendarDef0設定.dat"));
    EXPECT_NE(runOn("2024-06-10"), 0);
}

TEST(BmpWriter, PadsRowsAndStoresThemBottomUp)
{
    // 3 pixels = 9 bytes a row, padded to 12.
    sample::Canvas canvas(3, 2, {255, 255, 255});
    canvas.setPixel(0, 0, {1, 2, 3});    // top-left
    canvas.setPixel(2, 1, {10, 20, 30}); // bottom-right
    const Bytes bmp = sample::encodeBmp24(canvas);
    expectBmp24Header(bmp, 3, 2);

    // First stored row is the bottom one; channels are blue, green, red.
    const Bytes bottomRow(bmp.begin() + 54, bmp.begin() + 66);
    EXPECT_EQ(bottomRow, (Bytes{255, 255, 255, 255, 255, 255, 30, 20, 10, 0, 0, 0}));
    const Bytes topRow(bmp.begin() + 66, bmp.begin() + 78);
    EXPECT_EQ(topRow, (Bytes{3, 2, 1, 255, 255, 255, 255, 255, 255, 0, 0, 0}));
}

TEST(BmpWriter, ShapesAreClippedToTheCanvas)
{
    sample::Canvas canvas(4, 4, {0, 0, 0});
    const sample::Rgb ink{9, 9, 9};
    canvas.fillRect(-10, -10, 12, 12, ink);           // covers (0..1, 0..1)
    canvas.fillEllipse(100.0, 100.0, 5.0, 5.0, ink);  // entirely outside
    canvas.drawLine(-5.0, 3.5, 50.0, 3.5, 1.0, ink);  // the bottom row, across
    const sample::Point outside[] = {{10, 10}, {20, 10}, {15, 20}};
    canvas.fillPolygon(outside, ink);
    EXPECT_EQ(canvas.pixel(1, 1), ink);
    EXPECT_EQ(canvas.pixel(2, 2), (sample::Rgb{0, 0, 0}));
    EXPECT_EQ(canvas.pixel(0, 3), ink);
    EXPECT_EQ(canvas.pixel(3, 3), ink);
    EXPECT_THROW(canvas.pixel(4, 0), std::out_of_range);
}

TEST(BmpWriter, ArcCoversOnlyItsSweep)
{
    // Quarter ring from 0° (right) clockwise to 90° (down): the lower-right.
    sample::Canvas canvas(21, 21, {0, 0, 0});
    const sample::Rgb ink{200, 0, 0};
    canvas.fillArc(10.5, 10.5, 10.0, 5.0, 0.0, 90.0, ink);
    EXPECT_EQ(canvas.pixel(16, 16), ink);                       // lower right, inside the ring
    EXPECT_EQ(canvas.pixel(10, 10), (sample::Rgb{0, 0, 0}));    // the hole
    EXPECT_EQ(canvas.pixel(4, 16), (sample::Rgb{0, 0, 0}));     // lower left
    EXPECT_EQ(canvas.pixel(16, 4), (sample::Rgb{0, 0, 0}));     // upper right

    // A sweep across 0° wraps around: 315° to 45° covers the right side only.
    sample::Canvas wrapped(21, 21, {0, 0, 0});
    wrapped.fillArc(10.5, 10.5, 10.0, 5.0, 315.0, 90.0, ink);
    EXPECT_EQ(wrapped.pixel(18, 10), ink);
    EXPECT_EQ(wrapped.pixel(2, 10), (sample::Rgb{0, 0, 0}));
}

TEST(BmpWriter, PolygonsFollowTheirOutline)
{
    const sample::Rgb paper{0, 0, 0};
    const sample::Rgb ink{0, 0, 200};

    // A concave arrowhead: the notch between its two barbs stays empty.
    sample::Canvas arrow(20, 20, paper);
    const sample::Point corners[] = {{10, 0}, {20, 20}, {10, 12}, {0, 20}};
    arrow.fillPolygon(corners, ink);
    EXPECT_EQ(arrow.pixel(10, 8), ink);
    EXPECT_EQ(arrow.pixel(1, 18), ink);
    EXPECT_EQ(arrow.pixel(18, 18), ink);
    EXPECT_EQ(arrow.pixel(10, 17), paper);  // the notch
    EXPECT_EQ(arrow.pixel(2, 4), paper);

    // Fewer than three corners draw nothing.
    sample::Canvas line(5, 5, paper);
    const sample::Point two[] = {{0, 0}, {5, 5}};
    line.fillPolygon(two, ink);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(line.pixel(x, y), paper);
}

TEST(BmpWriter, RotatedEllipseTurnsClockwise)
{
    const sample::Rgb paper{0, 0, 0};
    const sample::Rgb ink{0, 160, 0};
    // Long axis turned 45° clockwise: from the upper left to the lower right.
    sample::Canvas canvas(31, 31, paper);
    canvas.fillRotatedEllipse(15.5, 15.5, 14.0, 3.0, 45.0, ink);
    EXPECT_EQ(canvas.pixel(24, 24), ink);
    EXPECT_EQ(canvas.pixel(6, 6), ink);
    EXPECT_EQ(canvas.pixel(24, 6), paper);
    EXPECT_EQ(canvas.pixel(6, 24), paper);
}

} // namespace
