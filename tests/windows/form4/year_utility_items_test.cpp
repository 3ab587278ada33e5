// The utility's monthly items: stored with the year, copied from the
// default, and a file left alone until its items are edited.
#include "windows/form4/year_utility_fixture.h"

#include "data/monthly_items.h"
#include "windows/form4/form4_controls.h"

namespace cal::test {
namespace {

using namespace form4;

class YearUtilityItems : public YearUtilityTest {
protected:
    std::string itemsFile(const std::string& year) const { return monthlyItemsPath(h.dir.path(), year); }
    void writeItems(const std::string& path, const std::string& bytes) {
        std::string error;
        ASSERT_TRUE(writeFileReplacing(path, bytes, error)) << error;
    }
    void save() {
        h.forms.answerMessages({MessageAnswer::Yes});
        ASSERT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved) << ::testing::PrintToString(h.forms.messageTexts());
    }
};

TEST_F(YearUtilityItems, TypedItemsAreStoredWithTheYearAndShownAgain) {
    open();
    type(itemRuleEdit(1), "最終金曜日");
    type(itemTextEdit(1), "誕生会");
    type(itemPictureEdit(1), "tanjou.bmp");
    type(itemRuleEdit(3), "１５日");
    type(itemTextEdit(3), "避難訓練");
    h.forms.setCheckState(kYearUtility, itemMoveCheck(3), 1);
    EXPECT_TRUE(utilityHoldsChanges(c()));
    save();
    const MonthlyItemsRead read = parseMonthlyItems(readBytes(itemsFile("2024")));
    EXPECT_EQ(read.items, (std::vector<MonthlyItem>{{{RuleKind::LastWeekday, 1, 5, false}, "誕生会", "tanjou.bmp"},
                                                     {{RuleKind::DayOfMonth, 15, 0, true}, "避難訓練", ""}}));
    EXPECT_FALSE(utilityHoldsChanges(c()));
    RADIO1_ON(c());
    EXPECT_EQ(text(itemRuleEdit(2)), "15日");
    EXPECT_EQ(h.forms.checkState(kYearUtility, itemMoveCheck(2)), 1);
}

TEST_F(YearUtilityItems, ARowThatCannotBeStoredIsNamedAndNothingIsWritten) {
    open();
    const auto files = masterFiles();
    type(itemRuleEdit(4), "毎週月曜日");
    type(itemTextEdit(4), "体操");
    type(itemRuleEdit(5), "1日");
    h.forms.answerMessages({MessageAnswer::Yes});
    EXPECT_EQ(FORM4_UPDATE(c()), UtilitySave::Failed);
    const std::string told = h.forms.messageTexts().back();
    EXPECT_NE(told.find("毎月の行事 4: 決まり「毎週月曜日」"), std::string::npos) << told;
    EXPECT_NE(told.find("毎月の行事 5: 行事名も絵もありません"), std::string::npos) << told;
    EXPECT_EQ(masterFiles(), files);
}

TEST_F(YearUtilityItems, AFileWithBadLinesIsKeptWhenOnlyTheSettingsChange) {
    const std::string bytes = utf8ToSjis("15日\t0\t\t避難訓練\r\n第9月曜日\t0\t\t体操\r\n");
    writeItems(itemsFile("2024"), bytes);
    open();
    EXPECT_NE(h.forms.messageTexts().back().find("2行目"), std::string::npos);
    EXPECT_EQ(text(itemTextEdit(1)), "避難訓練");
    type(kClassName, "りす組");
    save();
    EXPECT_EQ(readBytes(itemsFile("2024")), bytes);
}

TEST_F(YearUtilityItems, CopyingTheDefaultBringsItsItems) {
    const std::string bytes = utf8ToSjis("第2火曜日\t0\t\t体操教室\r\n");
    writeItems(defaultMonthlyItemsPath(h.dir.path()), bytes);
    open();
    h.forms.answerMessages({MessageAnswer::Yes});
    DEFCOPYBTN_ON(c());
    EXPECT_EQ(readBytes(itemsFile("2024")), bytes);
    EXPECT_EQ(text(itemTextEdit(1)), "体操教室");
    // A year made from the default by ▲ gets them too.
    h.forms.answerMessages({MessageAnswer::Yes});
    stepSchoolYear(c(), 1);
    EXPECT_EQ(readBytes(itemsFile("2025")), bytes);
}

}  // namespace
}  // namespace cal::test
