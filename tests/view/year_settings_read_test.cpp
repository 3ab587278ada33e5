// Reading and writing the year settings record.
#include "data/sjis.h"
#include "data/year_file.h"
#include "view/month_files.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace cal::test {
namespace {

class YearFile : public ::testing::Test {
protected:
    void SetUp() override { h.createForms(); }
    Harness h;
};

TEST_F(YearFile, NamesUseTheSchoolYear) {
    EXPECT_EQ(yearSettingsPath("/d", "2002"), "/d/master/Calendar2002設定.dat");
    EXPECT_EQ(defaultSettingsPath("/d"), "/d/master/CalendarDef0設定.dat");
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

}  // namespace
}  // namespace cal::test
