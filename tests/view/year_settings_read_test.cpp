// Reading and writing the year settings record.
#include "data/sjis.h"
#include "data/year_file.h"
#include "layout/grid.h"
#include "ui/names.h"
#include "view/grid_model.h"
#include "view/file_guard.h"
#include "view/month_files.h"
#include "support/harness.h"
#include "windows/form3/form3_controls.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace cal::test {
namespace {

class YearFile : public ::testing::Test {
protected:
    void SetUp() override { h.createForms(); }
    Harness h;
};

TEST_F(YearFile, NamesUseTheSchoolYear) {
    const std::string master = "/d" + kSeparator + "master" + kSeparator;
    EXPECT_EQ(yearSettingsPath("/d", "2002"), master + "Calendar2002設定.dat");
    EXPECT_EQ(defaultSettingsPath("/d"), master + "CalendarDef0設定.dat");
}

TEST_F(YearFile, ReadingAndWritingBackGivesIdenticalBytes) {
    std::string bytes(sizeof(YearSettings), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 253);
    const std::string path = yearSettingsPath(h.dir.path(), "2002");
    writeBytes(path, bytes);
    CALENDAR_UT_YOMU(h.context(), path);
    std::string error;
    ASSERT_TRUE(writeYearSettings(path, h.state->yearSettings, error)) << error;
    EXPECT_EQ(readBytes(path), bytes);
}

TEST_F(YearFile, LongerFileIsReportedAndWritingOverItAsked) {
    const std::string path = yearSettingsPath(h.dir.path(), "2002");
    writeBytes(path, std::string(sizeof(YearSettings) + 1, '\x01'));
    CALENDAR_UT_YOMU(h.context(), path);
    ASSERT_FALSE(h.forms.messages.empty());
    EXPECT_NE(h.forms.messages.front().message.find("本来の大きさより長い"), std::string::npos);
    h.forms.answerMessages({MessageAnswer::No});
    EXPECT_FALSE(mayOverwrite(h.context(), path, kYearUtility));
}

TEST_F(YearFile, MissingFileLeavesTheRecordUnchanged) {
    storeField(h.state->yearSettings.className, "ひよこ組");
    CALENDAR_UT_YOMU(h.context(), yearSettingsPath(h.dir.path(), "1999"));
    EXPECT_EQ(fieldName(h.state->yearSettings.className), "ひよこ組");
    EXPECT_TRUE(h.forms.messages.empty());
}

TEST_F(YearFile, ShortFileIsReadWithTheRestZeroAndSaidSo) {
    storeField(h.state->yearSettings.className, "ひよこ組");
    std::string bytes(100, '\0');
    bytes[64] = 30;  // April's day count
    const std::string path = yearSettingsPath(h.dir.path(), "2002");
    writeBytes(path, bytes);
    CALENDAR_UT_YOMU(h.context(), path);
    EXPECT_EQ(h.state->yearSettings.daysInMonth[0].get(), 30);
    EXPECT_EQ(fieldName(h.state->yearSettings.className), "");
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_NE(h.forms.messages[0].message.find(path), std::string::npos);
}

TEST_F(YearFile, WeekdayAndHolidayFieldsReadBack) {
    YearSettings& y = h.state->yearSettings;
    storeField(y.firstWeekday[1], "日");
    y.holidayDate[1].set(1231);
    y.holidayDate[2].set(101);
    EXPECT_EQ(std::string(y.firstWeekday[1].data(), 4), std::string("\x93\xFA\0\0", 4));
    EXPECT_EQ(fieldName(y.firstWeekday[1]), "日");
    EXPECT_EQ(y.holidayDate[1].get(), 1231);
}

TEST_F(YearFile, UnusableDayCountsAndWeekdaysAreReportedOnceAndDrawnUsably) {
    auto y = std::make_unique<YearSettings>();
    for (std::size_t m = 1; m <= 12; ++m) {
        y->daysInMonth[m].set(30);
        storeField(y->firstWeekday[m], "月");
    }
    y->daysInMonth[1].set(39);                    // April
    y->daysInMonth[10].set(2147483647);           // January
    y->daysInMonth[11].set(-3);                   // February
    storeField(y->firstWeekday[2], "X");          // May
    std::string bytes(sizeof(YearSettings), '\0');
    std::memcpy(bytes.data(), y.get(), bytes.size());
    const std::string path = yearSettingsPath(h.dir.path(), "2002");
    writeBytes(path, bytes);
    CALENDAR_UT_YOMU(h.context(), path);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    const std::string& m = h.forms.messages[0].message;
    for (const char* named : {"4月の日数 39 → 31", "1月の日数 2147483647 → 31", "2月の日数 -3 → 0", "5月の１日の曜日「X」 → 「日」"})
        EXPECT_NE(m.find(named), std::string::npos) << named;
    EXPECT_EQ(m.find("6月"), std::string::npos);
    EXPECT_EQ(monthLayout(h.state->yearSettings, 4).days, 31);
    EXPECT_EQ(monthLayout(h.state->yearSettings, 2).days, 0);
    EXPECT_EQ(monthLayout(h.state->yearSettings, 5).firstColumn, 0);
}

TEST_F(YearFile, HugeDayCountNeitherOverflowsNorStepsTheMonthOnAClick) {
    h.state->yearSettings.daysInMonth[10].set(2147483647);
    storeField(h.state->yearSettings.firstWeekday[10], "土");
    h.state->currentMonth = 1;
    h.state->selectedCell = 40;  // day 34 of the clamped layout does not exist
    DAT_SET(h.context(), SelectBy::Click);
    EXPECT_EQ(h.state->monthStepRequest, MonthStep::Next);
    h.state->selectedCell = 30;
    DAT_SET(h.context(), SelectBy::Click);
    EXPECT_EQ(h.state->monthStepRequest, MonthStep::None);
    EXPECT_EQ(h.forms.text(kDayEditor, form3::kDayNumber), "24");
}
}  // namespace
}  // namespace cal::test
