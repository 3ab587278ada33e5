// Opening the utility, stepping the school year, copying from the default,
// and how the month display keeps its own year until the utility saves or
// closes.
#include "windows/form4/year_utility_fixture.h"

#include "layout/grid.h"
#include "windows/form3/form3_controls.h"
#include "windows/form4/form4_controls.h"

namespace cal::test {
namespace {

using YearUtility = YearUtilityTest;

TEST_F(YearUtility, OpensOnceShowingTheDisplayedSchoolYear) {
    open();
    open();
    EXPECT_EQ(std::count(h.forms.createdForms.begin(), h.forms.createdForms.end(), "FORM4"), 1);
    EXPECT_EQ(h.forms.focused.back(), "FORM4");
    EXPECT_EQ(text(form4::kYearField), "2024");
    EXPECT_EQ(h.forms.checkState(kYearUtility, form4::kYearMode), 1);
    EXPECT_EQ(text(form4::kClassName), "ひよこ組");
    EXPECT_EQ(text("EDIT31"), "30");  // June's days
    EXPECT_EQ(text("EDIT42"), "土");
    EXPECT_EQ(h.forms.control(kYearUtility, form4::kAprilWeekday).comboEntries,
              (std::vector<std::string>{"月", "火", "水", "木", "金", "土", "日"}));
}

TEST_F(YearUtility, StepDownToAYearWithoutAFileAnsweredNoKeepsTheYearShown) {
    open();
    h.forms.answerMessages({MessageAnswer::No});
    stepSchoolYear(c(), -1);
    EXPECT_EQ(h.forms.messageTexts(),
              std::vector<std::string>{"2023年度のカレンダー設定ファイルが存在しません.デフォルトからコピーしますか."});
    EXPECT_EQ(text(form4::kYearField), "2024");
    EXPECT_EQ(text(form4::kClassName), "ひよこ組");
    EXPECT_FALSE(fileExists(yearFile("2023")));
}

TEST_F(YearUtility, StepUpAnsweredYesCopiesTheDefaultAndShowsIt) {
    open();
    h.forms.answerMessages({MessageAnswer::Yes});
    stepSchoolYear(c(), 1);
    EXPECT_EQ(text(form4::kYearField), "2025");
    EXPECT_EQ(readBytes(yearFile("2025")), readBytes(defaultSettingsPath(h.dir.path())));
    EXPECT_EQ(text(form4::kClassName), "デフォルト組");
}

TEST_F(YearUtility, YearStepsAndCopyingAreRefusedInDefaultMode) {
    open();
    h.forms.setCheckState(kYearUtility, form4::kYearMode, 0);
    h.forms.setCheckState(kYearUtility, form4::kDefaultMode, 1);
    RADIO2_ON(c());
    const auto files = masterFiles();
    stepSchoolYear(c(), 1);
    DEFCOPYBTN_ON(c());
    EXPECT_EQ(h.forms.messageTexts(), (std::vector<std::string>{"デフォルトを修正している時　年度の変更はできません.",
                                                                "デフォルトを修正している時　複写はできません."}));
    EXPECT_EQ(masterFiles(), files);
    h.forms.setCheckState(kYearUtility, form4::kDefaultMode, 0);
    h.forms.setCheckState(kYearUtility, form4::kYearMode, 1);
    RADIO1_ON(c());
    EXPECT_TRUE(h.forms.control(kYearUtility, form4::kYearField).enabled);
    EXPECT_EQ(text(form4::kClassName), "ひよこ組");
}

TEST_F(YearUtility, CopyOverAnExistingYearAsksThenOverwrites) {
    auto y = std::make_unique<YearSettings>();
    storeField(y->className, "らいおん組");
    writeSettings(yearFile("2026"), *y);
    open();
    type(form4::kYearField, "2026");
    h.forms.answerMessages({MessageAnswer::No});
    DEFCOPYBTN_ON(c());
    EXPECT_EQ(text(form4::kClassName), "らいおん組");  // No: the year's own file is read
    h.forms.answerMessages({MessageAnswer::Yes});
    DEFCOPYBTN_ON(c());
    EXPECT_EQ(h.forms.messageTexts(),
              (std::vector<std::string>{"2026年度のカレンダー設定ファイルが存在しますがデフォルトからコピーしますか.",
                                        "2026年度のカレンダー設定ファイルが存在しますがデフォルトからコピーしますか.",
                                        "2026年度のカレンダー設定ファイルをデフォルトで上書しました."}));
    EXPECT_EQ(readBytes(yearFile("2026")), readBytes(defaultSettingsPath(h.dir.path())));
    EXPECT_EQ(text(form4::kClassName), "デフォルト組");
}

TEST_F(YearUtility, CopyOntoAMissingYearCreatesItAndSaysSo) {
    open();
    type(form4::kYearField, "2027");
    DEFCOPYBTN_ON(c());
    EXPECT_EQ(h.forms.messageTexts(),
              std::vector<std::string>{"2027年度のカレンダー設定ファイルをデフォルトから作成しました."});
    EXPECT_EQ(readBytes(yearFile("2027")), readBytes(defaultSettingsPath(h.dir.path())));
    EXPECT_EQ(text(form4::kClassName), "デフォルト組");
}

TEST_F(YearUtility, CopyWithoutADefaultNamesTheFileAndCreatesNothing) {
    std::filesystem::remove(u8path(defaultSettingsPath(h.dir.path())));
    open();
    type(form4::kYearField, "2027");
    DEFCOPYBTN_ON(c());
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_NE(h.forms.messages[0].message.find(yearFile("2027")), std::string::npos);
    EXPECT_FALSE(fileExists(yearFile("2027")));
}

TEST_F(YearUtility, TheDisplayKeepsItsOwnYearWhileTheUtilityShowsAnother) {
    const YearSettings displayed = h.state->yearSettings;
    open();
    h.forms.answerMessages({MessageAnswer::Yes});
    stepSchoolYear(c(), 1);  // 2025 from the default: June starts on Monday there
    ASSERT_EQ(text("EDIT42"), "月");
    EXPECT_EQ(std::memcmp(&h.state->yearSettings, &displayed, sizeof(YearSettings)), 0);
    EXPECT_EQ(monthLayout(h.state->yearSettings, 6).firstColumn, 6);
    // Saving another year leaves the display alone too.
    h.forms.answerMessages({MessageAnswer::Yes});
    ASSERT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved);
    EXPECT_EQ(std::memcmp(&h.state->yearSettings, &displayed, sizeof(YearSettings)), 0);
}

TEST_F(YearUtility, SavingTheDisplayedYearIsTakenUpAtOnce) {
    open();
    type("EDIT42", "日");
    type("EDIT104", "615");
    h.forms.draws.clear();
    h.forms.answerMessages({MessageAnswer::Yes});
    ASSERT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved);
    EXPECT_EQ(monthLayout(h.state->yearSettings, 6).firstColumn, 0);
    EXPECT_EQ(h.state->yearSettings.holidayDate[1].get(), 615);
    EXPECT_FALSE(h.forms.draws.empty());  // repainted
}

TEST_F(YearUtility, ClosingSavesTheDisplayedMonthAndReturnsToIt) {
    open();
    // A day typed in the editor and not yet stored; today lies in January 2025.
    h.state->selectedCell = 10;  // 4 June
    h.state->editorCell = 10;
    h.forms.setText(kDayEditor, form3::lineEdit(1), "プール開き");
    h.state->dayChanged = 1;
    type(form4::kClassName, "うさぎ組");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});  // close: yes; save settings: no
    EXPECT_EQ(closeYearUtility(c()), 0);
    EXPECT_EQ(h.state->currentMonth, 6);
    EXPECT_EQ(h.state->currentYear, "2024");
    EXPECT_EQ(fieldText(h.state->monthCells[10].lineText[1]), "プール開き");
    const std::string saved = readBytes(monthFilePath(h.dir.path(), "2024", 6));
    EXPECT_NE(saved.find(utf8ToSjis("プール開き")), std::string::npos);
    // The settings were not saved: the display re-read the year's file.
    EXPECT_EQ(fieldName(h.state->yearSettings.className), "ひよこ組");
    EXPECT_EQ(fieldName(readSettings(yearFile("2024"))->className), "ひよこ組");
}

TEST_F(YearUtility, ClosingWithQuestionsOnAndNoToTheMonthReloadsItFromItsFile) {
    writeMonthFile(h, 2024, 6, 12, "えんそく");
    h.state->askOnUpdate = 1;
    open();
    storeField(h.state->monthCells[12].lineText[1], "書きかけ");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No});
    EXPECT_EQ(closeYearUtility(c()), 0);
    EXPECT_EQ(h.forms.messageTexts().back(), "データを更新しますか.");
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[1]), "えんそく");
}

TEST_F(YearUtility, ClosingWithSettingsSavedShowsThemOnTheMonth) {
    open();
    type("EDIT31", "30");
    type("EDIT42", "水");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    h.app.handleEvent({kYearUtility, form4::kClose, EventKind::On});
    EXPECT_FALSE(h.forms.formExists(kYearUtility));
    EXPECT_EQ(fieldName(readSettings(yearFile("2024"))->firstWeekday[3]), "水");
    EXPECT_EQ(monthLayout(h.state->yearSettings, 6).firstColumn, 3);
}

// Closing asks to store only what is not stored yet: nothing changed, or
// everything stored by 更　新 just before, closes after the one question.
TEST_F(YearUtility, ClosingWithNothingUnstoredAsksNothingMoreAndWritesNothing) {
    for (const bool storedFirst : {false, true}) {
        open();
        if (storedFirst) {
            type(form4::kClassName, "うさぎ組");
            h.forms.answerMessages({MessageAnswer::Yes});
            ASSERT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved);
        }
        const std::string before = readBytes(yearFile("2024"));
        h.forms.messages.clear();
        h.forms.answerMessages({MessageAnswer::Yes});
        EXPECT_EQ(closeYearUtility(c()), 0);
        EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"ユーティリティを終了しますか"});
        EXPECT_EQ(readBytes(yearFile("2024")), before);
        h.forms.destroyForm(kYearUtility);
    }
}

TEST_F(YearUtility, NoToClosingKeepsTheUtilityOpen) {
    open();
    h.forms.answerMessages({MessageAnswer::No});
    EXPECT_EQ(h.app.handleEvent({kYearUtility, {}, EventKind::QueryClose}), 1);
    EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"ユーティリティを終了しますか"});
    EXPECT_EQ(h.forms.messages[0].owner, "FORM4");
}

}  // namespace
}  // namespace cal::test
