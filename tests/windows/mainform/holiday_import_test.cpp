// Setting the registered holidays and events into the displayed month.
#include "windows/mainform/holiday_import.h"
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "view/grid_model.h"
#include "windows/form3/form3_controls.h"

#include <gtest/gtest.h>

namespace cal::test {
namespace {

class HolidayImport : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2003, 5, "木", 31);  // 1 May in cell 5
        entry(1, 503, "kenpo.bmp", "憲法記念日");
        entry(2, 505, "koinobori.bmp", "こどもの日");
    }
    void entry(int i, int date, const char* picture, const char* comment) {
        YearSettings& y = h.state->yearSettings;
        y.holidayDate[static_cast<std::size_t>(i)].set(date);
        storeField(y.holidayPicture[static_cast<std::size_t>(i)], picture);
        storeField(y.holidayComment[static_cast<std::size_t>(i)], comment);
    }
    DayCell& day(int d) { return h.state->monthCells[static_cast<std::size_t>(d + 4)]; }
    Harness h;
};

TEST_F(HolidayImport, YesSetsPictureAndFirstLineOfMatchingDays) {
    h.forms.answerMessages({MessageAnswer::Yes});
    BUTTON70_ON(h.context());
    EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"祭日・行事ﾃﾞｰﾀをクリアしてセットしますか"});
    EXPECT_EQ(fieldName(day(3).pictureFile[1]), "kenpo.bmp");
    EXPECT_EQ(fieldText(day(3).lineText[1]), "憲法記念日");
    EXPECT_EQ(fieldText(day(5).lineText[1]), "こどもの日");
    EXPECT_EQ(fieldText(day(4).lineText[1]), "");
    EXPECT_FALSE(h.forms.drawsOn("FORM2", "PICTURE7").empty());  // repainted
}

TEST_F(HolidayImport, NoChangesNothingButRepaints) {
    h.forms.answerMessages({MessageAnswer::No});
    BUTTON70_ON(h.context());
    EXPECT_EQ(fieldText(day(3).lineText[1]), "");
    EXPECT_FALSE(h.forms.draws.empty());
}

TEST_F(HolidayImport, DayWithAPictureIsAskedAbout) {
    storeField(day(3).pictureFile[1], "mine.bmp");
    storeField(day(3).lineText[1], "わたしの予定");
    storeField(day(5).pictureFile[1], "mine.bmp");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes});
    BUTTON70_ON(h.context());
    EXPECT_EQ(h.forms.messages.at(1).message, "3日の画像をｸﾘｱしてｾｯﾄしますよろしいですか");
    EXPECT_EQ(fieldName(day(3).pictureFile[1]), "mine.bmp");
    EXPECT_EQ(fieldText(day(3).lineText[1]), "わたしの予定");
    EXPECT_EQ(fieldName(day(5).pictureFile[1]), "koinobori.bmp");
}

TEST_F(HolidayImport, LineWithoutPictureIsOverwrittenWithoutAQuestion) {
    storeField(day(5).lineText[1], "えんそく");
    h.forms.answerMessages({MessageAnswer::Yes});
    BUTTON70_ON(h.context());
    EXPECT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(fieldText(day(5).lineText[1]), "こどもの日");
}

TEST_F(HolidayImport, RepeatedDatesTheFirstEntryWithAPictureDecides) {
    entry(3, 510, "", "ひとつめ");
    entry(4, 510, "b.bmp", "ふたつめ");
    entry(5, 510, "c.bmp", "みっつめ");
    entry(6, 0, "zero.bmp", "never");
    h.forms.answerMessages({MessageAnswer::Yes});
    BUTTON70_ON(h.context());
    EXPECT_EQ(fieldName(day(10).pictureFile[1]), "b.bmp");
    EXPECT_EQ(fieldText(day(10).lineText[1]), "ふたつめ");
    for (int d = 1; d <= 31; ++d) EXPECT_NE(fieldText(day(d).lineText[1]), "never");
}

TEST_F(HolidayImport, SundayAndSaturdayStartsPlaceTheDays) {
    showMonth(h, 2003, 6, "日", 30);
    entry(3, 601, "a.bmp", "ついたち");
    h.forms.answerMessages({MessageAnswer::Yes});
    BUTTON70_ON(h.context());
    EXPECT_EQ(fieldText(h.state->monthCells[1].lineText[1]), "ついたち");

    showMonth(h, 2003, 3, "土", 31);
    entry(4, 301, "b.bmp", "ひなまつり前");
    entry(5, 331, "c.bmp", "beyond the grid");
    h.forms.answerMessages({MessageAnswer::Yes});
    BUTTON70_ON(h.context());
    EXPECT_EQ(fieldText(h.state->monthCells[7].lineText[1]), "ひなまつり前");
    for (const DayCell& cell : h.state->monthCells) EXPECT_NE(fieldText(cell.lineText[1]), "beyond the grid");
}

TEST_F(HolidayImport, TypedLinesAreStoredFirstAndTheEditorShowsTheImportedDay) {
    h.state->selectedCell = 9;  // 5 May
    DAT_SET(h.context());
    h.forms.postEvent({kDayEditor, form3::lineEdit(3), EventKind::SetFocus});
    h.app.run();
    h.forms.setText(kDayEditor, form3::lineEdit(3), "かしわもち");
    h.forms.answerMessages({MessageAnswer::Yes});
    BUTTON70_ON(h.context());
    EXPECT_EQ(fieldText(day(5).lineText[3]), "かしわもち");
    EXPECT_EQ(h.forms.text(kDayEditor, form3::lineEdit(1)), "こどもの日");
    // A later store keeps the holiday instead of the editor's old line 1.
    h.state->dayChanged = 1;
    storeShownDay(h.context());
    EXPECT_EQ(fieldName(day(5).pictureFile[1]), "koinobori.bmp");
    EXPECT_EQ(fieldText(day(5).lineText[1]), "こどもの日");
}
}  // namespace
}  // namespace cal::test
