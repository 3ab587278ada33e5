// Stepping through the months across year and school-year ends.
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "view/grid_model.h"
#include "view/month_files.h"
#include "view/navigation.h"
#include "windows/form3/form3_controls.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

class Navigation : public ::testing::Test {
protected:
    void SetUp() override { h.createForms(); }
    void step(MonthStep direction) { monthStep(h.context(), kMainForm, direction); }
    void press(const char* button) {
        h.forms.postEvent({kMainForm, button, EventKind::On});
        h.app.run();
    }
    // Displays a loaded month with an edit in cell 15.
    void display(int year, int month, const char* weekday, int days) {
        writeMonthFile(h, year, month);
        showMonth(h, year, month, weekday, days);
        h.state->monthCellsYear = std::to_string(year);
        storeField(h.state->monthCells[15].lineText[1], "編集");
    }
    std::string savedLine(int year, int month) {
        const std::string bytes =
            readBytes(h.dir.file("Calendar_dat", "Calendar" + std::to_string(year) +
                                                     (month < 10 ? "0" : "") + std::to_string(month) + ".dat"));
        return bytes.substr(2736 * 15 + 680 + 40, 4);
    }
    Harness h;
};

TEST_F(Navigation, AprilBackToMarchOfThePreviousSchoolYear) {
    display(2002, 4, "月", 30);
    writeYearFile(h, 2001, 3, "金", 31);
    writeMonthFile(h, 2002, 3, 15, "march");
    press(mainform::kPreviousMonth);
    const AppState& s = *h.state;
    EXPECT_EQ(s.currentMonth, 3);
    EXPECT_EQ(s.currentYear, "2002");
    EXPECT_EQ(s.schoolYear, "2001");
    EXPECT_EQ(fieldText(s.monthCells[15].lineText[1]), "march");
    EXPECT_EQ(s.selectedCell, 15);
    EXPECT_EQ(h.forms.text(kDayEditor, form3::kDayNumber), "10");  // 1 March 2002 was a Friday
    EXPECT_EQ(savedLine(2002, 4), utf8ToSjis("編集"));
    EXPECT_TRUE(h.forms.messages.empty());
    EXPECT_EQ(h.forms.focused.back(), kDayEditor);
}

TEST_F(Navigation, LeavingTheSchoolYearWithoutItsSettingsIsRefusedAfterSaving) {
    display(2002, 4, "月", 30);
    writeMonthFile(h, 2002, 3);
    step(MonthStep::Previous);
    EXPECT_EQ(h.forms.messageTexts(),
              std::vector<std::string>{"2001年度のカレンダー設定ファイルが存在しないのでデータを表示できません."
                                       "設定データを作成してください."});
    EXPECT_EQ(h.state->currentMonth, 4);
    EXPECT_EQ(savedLine(2002, 4), utf8ToSjis("編集"));
}

TEST_F(Navigation, MarchForwardToAprilOfTheNextSchoolYear) {
    display(2003, 3, "土", 31);
    writeYearFile(h, 2003, 4, "火", 30);
    writeMonthFile(h, 2003, 4);
    step(MonthStep::Next);
    EXPECT_EQ(h.state->currentMonth, 4);
    EXPECT_EQ(h.state->schoolYear, "2003");
    EXPECT_EQ(h.forms.text(kMainForm, mainform::kSchoolYear), "2003");
    EXPECT_EQ(h.forms.text(kDayEditor, form3::kDayNumber), "13");
}

TEST_F(Navigation, JanuaryBackToDecemberChangesTheYear) {
    display(2003, 1, "水", 31);
    writeYearFile(h, 2002, 12, "日", 31);
    writeMonthFile(h, 2002, 12);
    step(MonthStep::Previous);
    EXPECT_EQ(h.state->currentMonth, 12);
    EXPECT_EQ(h.state->currentYear, "2002");
    EXPECT_EQ(h.forms.text(kMainForm, mainform::kSchoolYear), "2002");
    EXPECT_EQ(h.state->schoolYear, "2002");
    EXPECT_EQ(h.state->yearSettings.daysInMonth[9].get(), 31);
}

TEST_F(Navigation, MissingMonthFileGoesBackToTheStartingMonth) {
    display(2002, 12, "日", 31);
    writeYearFile(h, 2002, 12, "日", 31);
    step(MonthStep::Next);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].message,
              "該当月のファイルが見つかりません.\r１年分の空データ作成を行ってください.\r12月の表示に戻します.\r");
    EXPECT_EQ(h.state->currentMonth, 12);
    EXPECT_EQ(h.state->currentYear, "2002");
    EXPECT_EQ(h.forms.text(kMainForm, mainform::kSchoolYear), "2002");
    EXPECT_EQ(fieldText(h.state->monthCells[15].lineText[1]), "編集");  // reloaded as saved
}

TEST_F(Navigation, MissingMonthOnAStepBackIntoJanuaryToMarchNamesTheSettingsFile) {
    display(2003, 2, "土", 28);
    writeYearFile(h, 2002, 2, "土", 28);
    step(MonthStep::Previous);
    ASSERT_EQ(h.forms.messages.size(), 2u);
    EXPECT_EQ(h.forms.messages[1].message, h.dir.file("master", "Calendar2002設定.dat"));
    EXPECT_EQ(h.state->currentMonth, 2);
}

TEST_F(Navigation, YearBelow1900IsClampedForTheStep) {
    display(2003, 6, "日", 30);
    h.forms.setText(kMainForm, mainform::kSchoolYear, "1850");
    writeMonthFile(h, 1900, 7);
    step(MonthStep::Next);
    EXPECT_EQ(h.state->currentYear, "1900");
    EXPECT_EQ(h.state->currentMonth, 7);
}

TEST_F(Navigation, ShortYearTextGivesTwoMessagesAndChangesNothing) {
    display(2003, 6, "日", 30);
    h.forms.setText(kMainForm, mainform::kSchoolYear, "03");
    step(MonthStep::Next);
    EXPECT_EQ(h.forms.messageTexts(),
              (std::vector<std::string>{"年度のデータは半角数字４文字で入力してください.",
                                        "年度の値がおかしいので処理できません."}));
    EXPECT_EQ(h.state->currentMonth, 6);
    EXPECT_EQ(savedLine(2003, 6), std::string(4, '\0'));
}

TEST_F(Navigation, TypedYearNeverOverwritesAnotherYearsMonth) {
    display(2003, 6, "日", 30);
    writeMonthFile(h, 2010, 6, 15, "2010");
    writeMonthFile(h, 2010, 7);
    h.forms.setText(kMainForm, mainform::kSchoolYear, "2010");
    step(MonthStep::Next);
    EXPECT_EQ(savedLine(2010, 6), "2010");
    EXPECT_EQ(savedLine(2003, 6), utf8ToSjis("編集"));
}

TEST_F(Navigation, AskingBeforeTheStepAndAnsweringNoSavesNothing) {
    display(2003, 6, "日", 30);
    writeMonthFile(h, 2003, 7);
    h.state->askOnUpdate = 1;
    h.forms.answerMessages({MessageAnswer::No});
    step(MonthStep::Next);
    EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"データを更新して、月を変更しますか."});
    EXPECT_EQ(savedLine(2003, 6), std::string(4, '\0'));
    EXPECT_EQ(h.state->currentMonth, 7);
}

TEST_F(Navigation, ClickOnABlankCellStepsThroughTheMainLoop) {
    display(2003, 6, "日", 30);
    writeYearFile(h, 2003, 7, "火", 31);
    writeMonthFile(h, 2003, 7, 15, "july");
    h.state->selectedCell = h.state->editorCell = 15;
    h.forms.postEvent({kMonthForm, "PICTURE35", EventKind::Click});  // after 30 June
    h.app.run();
    EXPECT_EQ(h.state->currentMonth, 7);
    EXPECT_EQ(h.state->monthStepRequest, MonthStep::None);
    EXPECT_EQ(h.forms.text(kDayEditor, form3::lineEdit(1)), "july");
    EXPECT_EQ(h.forms.text(kDayEditor, form3::kDayNumber), "13");
}

TEST_F(Navigation, FailedSaveStopsTheStepWithTheEditsShown) {
    display(2003, 5, "木", 31);
    writeMonthFile(h, 2003, 6);
    // A folder in the month file's place makes the save fail.
    std::filesystem::remove(u8path(h.dir.file("Calendar_dat", "Calendar200305.dat")));
    std::filesystem::create_directory(u8path(h.dir.file("Calendar_dat", "Calendar200305.dat")));
    h.state->selectedCell = 15;
    DAT_SET(h.context());
    h.forms.postEvent({kDayEditor, form3::lineEdit(2), EventKind::SetFocus});
    h.app.run();
    h.forms.setText(kDayEditor, form3::lineEdit(2), "打ったばかり");
    press(mainform::kNextMonth);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_EQ(h.state->currentMonth, 5);
    EXPECT_EQ(fieldText(h.state->monthCells[15].lineText[1]), "編集");
    EXPECT_EQ(fieldText(h.state->monthCells[15].lineText[2]), "打ったばかり");
    EXPECT_EQ(h.forms.text(kDayEditor, form3::lineEdit(2)), "打ったばかり");
}

TEST_F(Navigation, DayThatCannotBeStoredStopsTheStepBeforeSaving) {
    display(2003, 5, "木", 31);
    writeMonthFile(h, 2003, 6);
    h.state->selectedCell = 15;
    DAT_SET(h.context());
    h.forms.postEvent({kDayEditor, form3::lineEdit(2), EventKind::SetFocus});
    h.app.run();
    h.forms.setText(kDayEditor, form3::lineEdit(2), "🎉");
    press(mainform::kNextMonth);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_NE(h.forms.messages[0].message.find("🎉"), std::string::npos);
    EXPECT_EQ(h.state->currentMonth, 5);
    EXPECT_EQ(savedLine(2003, 5), std::string(4, '\0'));  // not saved
}
TEST_F(Navigation, FolderInTheNextMonthFilesPlaceIsReportedAsSuch) {
    display(2003, 5, "木", 31);
    writeYearFile(h, 2003, 6, "日", 30);
    std::filesystem::create_directory(u8path(h.dir.file("Calendar_dat", "Calendar200306.dat")));
    press(mainform::kNextMonth);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_NE(h.forms.messages[0].message.find("フォルダ"), std::string::npos);
    EXPECT_NE(h.forms.messages[0].message.find("Calendar200306.dat"), std::string::npos);
    // Nothing is saved over the folder unasked.
    h.forms.answerMessages({MessageAnswer::No});
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 6), SaveResult::Skipped);
    EXPECT_TRUE(std::filesystem::is_directory(u8path(h.dir.file("Calendar_dat", "Calendar200306.dat"))));
}

}  // namespace
}  // namespace cal::test
