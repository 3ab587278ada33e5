// What storing a day does to its record's bytes, and what it refuses.
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "view/grid_model.h"
#include "windows/form2/form2_controls.h"
#include "windows/form3/form3_controls.h"

#include <gtest/gtest.h>

#include <cstring>

namespace cal::test {
namespace {

class DayStore : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2003, 1, "水", 31);  // day d in cell d + 3
        DayCell& rec = h.state->monthCells[12];
        // Bytes no writer of this program makes: an NEC duplicate code,
        // bytes after the first zero, a byte no decoder reads, a mark of 5.
        std::memcpy(rec.lineText[1].data(), "\x87\x90\0tail", 7);
        std::memcpy(rec.lineText[2].data(), "a\xFF" "b", 3);
        std::memcpy(rec.extraText[1].data(), "\xED\x40", 2);
        rec.lineCheck[4].set(5);
        storeField(rec.pictureFile[2], "hidden.bmp");
        original = rec;
    }
    void select(int cell) {
        h.state->selectedCell = cell;
        DAT_SET(h.context());
    }
    void click(int cell) {
        h.forms.postEvent({kMonthForm, form2::cell(cell), EventKind::Click});
        h.app.run();
    }
    void touchAndType(const std::string& edit, const std::string& text) {
        h.forms.postEvent({kDayEditor, edit, EventKind::SetFocus});
        h.app.run();
        h.forms.setText(kDayEditor, edit, text);
    }
    bool sameBytes(const auto& a, const auto& b) { return std::memcmp(a.data(), b.data(), sizeof a) == 0; }
    Harness h;
    DayCell original{};
};

TEST_F(DayStore, DayOnlyLookedAtKeepsEveryByteButPictureSlotTwo) {
    select(12);
    touchAndType(form3::lineEdit(1), h.forms.text(kDayEditor, form3::lineEdit(1)));  // focus, nothing typed
    click(20);
    const DayCell& rec = h.state->monthCells[12];
    EXPECT_TRUE(sameBytes(rec.lineText, original.lineText));
    EXPECT_TRUE(sameBytes(rec.extraText, original.extraText));
    EXPECT_TRUE(sameBytes(rec.lineCheck, original.lineCheck));
    EXPECT_EQ(fieldName(rec.pictureFile[2]), "");  // still written empty
    EXPECT_EQ(h.state->selectedCell, 20);
}

TEST_F(DayStore, OnlyTheChangedLineIsEncodedAgain) {
    select(12);
    touchAndType(form3::lineEdit(2), "新しい行");
    h.forms.setCheckState(kDayEditor, form3::lineCheck(5), 1);
    click(20);
    const DayCell& rec = h.state->monthCells[12];
    EXPECT_EQ(fieldText(rec.lineText[2]), "新しい行");
    EXPECT_TRUE(sameBytes(rec.lineText[1], original.lineText[1]));
    EXPECT_TRUE(sameBytes(rec.extraText[1], original.extraText[1]));
    EXPECT_EQ(rec.lineCheck[4].get(), 5);  // still ticked: kept as stored
    EXPECT_EQ(rec.lineCheck[5].get(), 1);
}

TEST_F(DayStore, CharactersShiftJisCannotHoldStopTheStoreAndTheClick) {
    select(12);
    touchAndType(form3::lineEdit(3), "えんそく😀");
    touchAndType(form3::extraEdit(3), "𠮷野か\u3099 한");
    click(20);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    const std::string& m = h.forms.messages[0].message;
    for (const char* named : {"「😀」(U+1F600)", "「𠮷」(U+20BB7)", "(U+3099)", "「한」(U+D55C)"})
        EXPECT_NE(m.find(named), std::string::npos) << named;
    // Nothing stored, the editor keeps the typed text and the same day.
    EXPECT_TRUE(sameBytes(h.state->monthCells[12].lineText, original.lineText));
    EXPECT_EQ(h.forms.text(kDayEditor, form3::lineEdit(3)), "えんそく😀");
    EXPECT_EQ(h.forms.text(kDayEditor, form3::kDayNumber), "9");
    EXPECT_EQ(h.state->selectedCell, 12);
    // Mended, the next click stores and moves on.
    h.forms.setText(kDayEditor, form3::lineEdit(3), "えんそく");
    h.forms.setText(kDayEditor, form3::extraEdit(3), "吉野が");
    click(20);
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[3]), "えんそく");
    EXPECT_EQ(h.state->selectedCell, 20);
}

TEST_F(DayStore, LoadedUnreadableBytesDoNotBlockStoringAnotherLine) {
    select(12);  // line 2 shows U+FFFD for its 0xFF byte
    touchAndType(form3::lineEdit(4), "ok");
    click(20);
    EXPECT_TRUE(h.forms.messages.empty());
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[4]), "ok");
    EXPECT_TRUE(sameBytes(h.state->monthCells[12].lineText[2], original.lineText[2]));
}

TEST_F(DayStore, TypingMarksALineThatWillBeCutOrCannotBeKept) {
    select(12);
    const auto type = [&](const std::string& edit, const std::string& text) {
        h.forms.setText(kDayEditor, edit, text);
        h.forms.postEvent({kDayEditor, edit, EventKind::Change});
        h.app.run();
        return h.forms.control(kDayEditor, edit).warning;
    };
    EXPECT_EQ(type(form3::extraEdit(1), std::string(40, 'a')), "");
    EXPECT_EQ(type(form3::lineEdit(1), std::string(41, 'a')), "40バイトを超えた分は保存されません");
    // Schedule lines are also held against their cell on paper (the standard
    // 70 mm box): line 1, beside the picture, takes 28 half-width characters.
    EXPECT_EQ(type(form3::lineEdit(1), std::string(28, 'a')), "");
    EXPECT_EQ(type(form3::lineEdit(1), std::string(29, 'a')), "印刷すると枠に入りきりません");
    EXPECT_EQ(type(form3::lineEdit(3), std::string(38, 'a')), "");
    EXPECT_EQ(type(form3::extraEdit(6), std::string(21, 'x') + "あいうえおかきくけこ"), "40バイトを超えた分は保存されません");
    EXPECT_NE(type(form3::extraEdit(1), "😀").find("保存できない文字"), std::string::npos);
    // Loading a day clears the marks.
    select(20);
    EXPECT_EQ(h.forms.control(kDayEditor, form3::lineEdit(1)).warning, "");
    EXPECT_EQ(h.forms.control(kDayEditor, form3::extraEdit(1)).warning, "");
}

TEST_F(DayStore, PictureWhoseNameCannotBeStoredIsRefused) {
    select(12);
    addPicture(h, "くま😀.bmp");
    h.forms.answerFiles({h.dir.file("Calendar_pic", "くま😀.bmp")});
    h.forms.postEvent({kDayEditor, form3::slotPicture(3), EventKind::Click});
    h.app.run();
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_NE(h.forms.messages[0].message.find("「😀」"), std::string::npos);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[3]), "");
    EXPECT_TRUE(h.forms.drawsOn(kDayEditor, form3::slotPicture(3)).size() <= 1u);  // only the load's clear
}

}  // namespace
}  // namespace cal::test
