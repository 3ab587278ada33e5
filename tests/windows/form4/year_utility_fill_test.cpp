// The utility's fill-in buttons: day counts, weekdays of the 1st, picture
// names and the national holidays.
#include "windows/form4/year_utility_fixture.h"
#include "windows/form4/form4_controls.h"

namespace cal::test {
namespace {

class YearUtilityFill : public YearUtilityTest {
protected:
    void SetUp() override {
        YearUtilityTest::SetUp();
        open();
    }
    std::vector<std::string> days() const {
        std::vector<std::string> all;
        for (int m = 1; m <= form4::kMonths; ++m) all.push_back(text(form4::dayEdit(m)));
        return all;
    }
    std::vector<std::string> weekdays() const {
        std::vector<std::string> all{text(form4::kAprilWeekday)};
        for (int m = 2; m <= form4::kMonths; ++m) all.push_back(text(form4::weekdayEdit(m)));
        return all;
    }
};

TEST_F(YearUtilityFill, StandardDayCountsFollowFebruaryOfTheNextCalendarYear) {
    const std::vector<std::string> base{"30", "31", "30", "31", "31", "30", "31", "30", "31", "31"};
    for (const auto& [year, february] :
         std::vector<std::pair<std::string, std::string>>{{"2023", "29"}, {"2024", "28"}, {"2099", "28"}, {"2399", "29"}}) {
        SCOPED_TRACE(year);
        type(form4::kYearField, year);
        BUTTON22_ON(c());
        std::vector<std::string> expected = base;
        expected.push_back(february);
        expected.push_back("31");
        EXPECT_EQ(days(), expected);
    }
}

TEST_F(YearUtilityFill, WeekdaysFollowFromASaturdayFirstOfApril) {
    type(form4::kYearField, "2023");
    BUTTON22_ON(c());
    BUTTON23_ON(c());
    EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"通算日=  738611日付= 2023.04.01曜日= 土曜日"});
    EXPECT_EQ(h.forms.control(kYearUtility, form4::kAprilWeekday).comboIndex, 5);
    // The real first days of April 2023 … March 2024.
    EXPECT_EQ(weekdays(), (std::vector<std::string>{"土", "月", "木", "土", "火", "金", "日", "水", "金", "月", "木", "金"}));
    EXPECT_EQ(h.state->utilitySettings.firstWeekday[2], YearSettings{}.firstWeekday[2]);  // controls only
}

TEST_F(YearUtilityFill, AZeroJuneIsReportedOnceAndSkipped) {
    type(form4::kYearField, "2023");
    BUTTON22_ON(c());
    type("EDIT31", "0");     // June
    type("EDIT43", "そのまま");  // July's weekday
    BUTTON23_ON(c());
    const auto texts = h.forms.messageTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "日数に０が有り、処理できません"), 1);
    EXPECT_EQ(text("EDIT42"), "木");        // June 1st
    EXPECT_EQ(text("EDIT43"), "そのまま");  // July unchanged
    EXPECT_EQ(text("EDIT44"), "日");        // June's 木 advanced by July's 31 days
    EXPECT_EQ(text("EDIT45"), "水");        // and on from there
}

TEST_F(YearUtilityFill, AYearThatCannotBeComputedFillsNothing) {
    type(form4::kYearField, "abcd");
    const auto before = weekdays();
    BUTTON23_ON(c());
    EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"計算が出来ません"});
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_EQ(weekdays(), before);
}

TEST_F(YearUtilityFill, NegativeDayCountsStillGiveWeekdays) {
    type(form4::kYearField, "2023");
    BUTTON22_ON(c());
    type("EDIT29", "-3");
    BUTTON23_ON(c());
    EXPECT_EQ(text("EDIT41"), "水");  // 土 moved back by 3
}

TEST_F(YearUtilityFill, APickedLibraryPictureEntersByItsBareName) {
    for (const char* name : {"haru.bmp", "kurasu.bmp", "waku.bmp"}) addPicture(h, name);
    h.forms.answerFiles({h.dir.file("Calendar_pic", "haru.bmp")});
    h.app.handleEvent({kYearUtility, "BUTTON10", EventKind::On});
    EXPECT_EQ(text("EDIT52"), "haru.bmp");
    h.forms.answerFiles({h.dir.file("Calendar_pic", "kurasu.bmp")});
    h.app.handleEvent({kYearUtility, form4::kClassPictureButton, EventKind::On});
    EXPECT_EQ(text(form4::kClassPicture), "kurasu.bmp");
    h.forms.answerFiles({h.dir.file("Calendar_pic", "waku.bmp")});
    h.app.handleEvent({kYearUtility, "BUTTON27", EventKind::On});
    EXPECT_EQ(text("EDIT79"), "waku.bmp");
    EXPECT_TRUE(h.forms.messages.empty());
}

TEST_F(YearUtilityFill, ACancelledChoiceSaysSoAndChangesNothing) {
    type("EDIT84", "mae.bmp");
    h.app.handleEvent({kYearUtility, "BUTTON32", EventKind::On});  // no file answer: cancelled
    EXPECT_EQ(text("EDIT84"), "mae.bmp");
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].message, "画像の選択はキャンセルしました.");
    EXPECT_EQ(h.forms.messages[0].title, "問い合せ");
}

TEST_F(YearUtilityFill, ANameLongerThanTheFieldIsRefused) {
    h.forms.answerFiles({"/p/" + std::string(31, 'a') + ".bmp"});
    h.app.handleEvent({kYearUtility, form4::kSchoolPictureButton, EventKind::On});
    EXPECT_EQ(text(form4::kSchoolPicture), "");
    EXPECT_EQ(h.forms.messages.size(), 1u);
}

TEST_F(YearUtilityFill, NationalHolidaysFillAroundTypedEvents) {
    type("EDIT104", "1010");
    type("EDIT124", "運動会");
    h.app.handleEvent({kYearUtility, form4::kFillHolidays, EventKind::On});
    EXPECT_EQ(text("EDIT104"), "1010");
    EXPECT_EQ(text("EDIT124"), "運動会");
    EXPECT_EQ(text("EDIT105"), "429");  // 昭和の日 2024
    EXPECT_EQ(text("EDIT125"), "昭和の日");
    // Nothing reaches the record or a file before 更　新.
    EXPECT_EQ(h.state->utilitySettings.holidayDate[2].get(), 0);
}

TEST_F(YearUtilityFill, HolidaysWithoutAFreeEntryAreNamed) {
    for (int i = 1; i <= 18; ++i) {
        type(form4::holidayDateEdit(i), std::to_string(i));
        type(form4::holidayCommentEdit(i), "行事");
    }
    h.app.handleEvent({kYearUtility, form4::kFillHolidays, EventKind::On});
    ASSERT_EQ(h.forms.messages.size(), 1u);
    const std::string& notice = h.forms.messages[0].message;
    EXPECT_NE(notice.find("文化の日"), std::string::npos);
    EXPECT_EQ(notice.find("昭和の日"), std::string::npos);  // it fitted
}

TEST_F(YearUtilityFill, HolidaysOutsideTheKnownYearsAreRefusedWithTheRange) {
    type(form4::kYearField, "2099");
    h.app.handleEvent({kYearUtility, form4::kFillHolidays, EventKind::On});
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].message, "祝日は1980年度から2098年度までしか入れられません.");
    EXPECT_EQ(text("EDIT104"), "0");
}

}  // namespace
}  // namespace cal::test
