// Loading a day into the day editor, storing it back, and cell clicks.
#include "data/sjis.h"
#include "layout/grid.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/mainform/mainform_controls.h"
#include "view/grid_model.h"
#include "windows/form2/form2_controls.h"
#include "windows/form3/form3_controls.h"

#include <gtest/gtest.h>

#include <optional>

namespace cal::test {
namespace {

class GridModel : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2003, 1, "水", 31);  // day d in cell d + 3
        DayCell& rec = h.state->monthCells[12];  // 9 January
        storeField(rec.lineText[1], "始業式");
        storeField(rec.lineText[8], "8行目");
        storeField(rec.extraText[6], "メモ");
        rec.lineCheck[3].set(1);
        storeField(rec.pictureFile[1], "kuma.bmp");
        storeField(rec.pictureFile[2], "hidden.bmp");
        addPicture(h, "kuma.bmp");
    }
    void select(int cell) {
        h.state->selectedCell = cell;
        DAT_SET(h.context());
    }
    void click(int cell) {
        h.forms.postEvent({kMonthForm, form2::cell(cell), EventKind::Click});
        h.app.run();
    }
    std::string editor(std::string_view control) { return h.forms.text(kDayEditor, control); }
    Harness h;
};

TEST_F(GridModel, LoadingShowsLinesChecksPicturesAndTheDayNumber) {
    select(12);
    EXPECT_EQ(editor(form3::kDayNumber), "9");
    EXPECT_EQ(editor(form3::lineEdit(1)), "始業式");
    EXPECT_EQ(editor(form3::lineEdit(8)), "8行目");
    EXPECT_EQ(editor(form3::extraEdit(6)), "メモ");
    EXPECT_EQ(h.forms.checkState(kDayEditor, form3::lineCheck(3)), 1);
    EXPECT_EQ(h.forms.checkState(kDayEditor, form3::lineCheck(1)), 0);
    const std::vector<DrawCall> large = h.forms.drawsOn(kDayEditor, form3::slotPicture(1));
    ASSERT_EQ(large.size(), 2u);
    EXPECT_EQ(large[0].op, "clear");
    EXPECT_EQ(large[1].op, "stretch");
    EXPECT_EQ(large[1].x2, 375);  // the 8 × 6 picture fitted across the slot
    EXPECT_DOUBLE_EQ(large[1].y2, 375.0 * 6 / 8);
    const std::vector<DrawCall> small = h.forms.drawsOn(kDayEditor, form3::slotPicture(3));
    ASSERT_EQ(small.size(), 1u);  // an empty slot clears its control
    EXPECT_EQ(small[0].op, "clear");
    EXPECT_EQ(h.state->dayChanged, 0);
}

TEST_F(GridModel, UntouchedDayIsNotStored) {
    select(12);
    h.forms.draws.clear();
    h.forms.setText(kDayEditor, form3::lineEdit(1), "typed without focus");
    DAT_UPDATE(h.context());
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[1]), "始業式");
    EXPECT_TRUE(h.forms.drawsOn(kMonthForm, "PICTURE12").empty());
}

// The day the editor shows is marked inside its frame on screen; choosing
// another day moves the mark, and no other cell carries it.
TEST_F(GridModel, TheShownDayIsMarkedAndTheMarkFollowsTheSelection) {
    // The marks drawn on a cell, each inside the cell's frame (its first rectangle).
    const auto marks = [&](int cell) {
        std::size_t found = 0;
        std::optional<DrawCall> frame;
        for (const DrawCall& d : h.forms.drawsOn(kMonthForm, form2::cell(cell))) {
            if (d.op != "rectangle") continue;
            if (!frame) {
                frame = d;
            } else if (d.color == kColorShownDay) {
                ++found;
                EXPECT_TRUE(d.x > frame->x && d.y > frame->y && d.x2 < frame->x2 && d.y2 < frame->y2);
            }
        }
        return found;
    };
    select(12);
    const std::size_t mark = marks(12);
    EXPECT_GT(mark, 0u);
    h.forms.draws.clear();
    select(13);
    EXPECT_FALSE(h.forms.drawsOn(kMonthForm, form2::cell(12)).empty());  // painted again, unmarked
    EXPECT_EQ(marks(12), 0u);
    EXPECT_EQ(marks(13), mark);
    EXPECT_TRUE(h.forms.drawsOn(kMonthForm, form2::cell(14)).empty());
}

TEST_F(GridModel, TouchedDayIsStoredWithSlotTwoEmptyAndRepainted) {
    select(12);
    h.state->dayChanged = 1;
    h.forms.setText(kDayEditor, form3::lineEdit(2), "おやつ");
    h.forms.setCheckState(kDayEditor, form3::lineCheck(3), 0);
    h.forms.setCheckState(kDayEditor, form3::lineCheck(8), 1);
    DAT_UPDATE(h.context());
    const DayCell& rec = h.state->monthCells[12];
    EXPECT_EQ(fieldText(rec.lineText[2]), "おやつ");
    EXPECT_EQ(fieldText(rec.lineText[1]), "始業式");
    EXPECT_EQ(rec.lineCheck[3].get(), 0);
    EXPECT_EQ(rec.lineCheck[8].get(), 1);
    EXPECT_EQ(fieldName(rec.pictureFile[1]), "kuma.bmp");
    EXPECT_EQ(fieldName(rec.pictureFile[2]), "");
    EXPECT_FALSE(h.forms.drawsOn(kMonthForm, "PICTURE12").empty());
    EXPECT_TRUE(h.forms.messages.empty());
}

TEST_F(GridModel, AnsweringNoDropsThePendingEditForGood) {
    h.state->askOnUpdate = 1;
    select(12);
    h.state->dayChanged = 1;
    h.forms.setText(kDayEditor, form3::lineEdit(1), "変更");
    h.forms.answerMessages({MessageAnswer::No});
    DAT_UPDATE(h.context());
    EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"データを更新しますか."});
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[1]), "始業式");
    DAT_UPDATE(h.context());
    EXPECT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[1]), "始業式");
}

TEST_F(GridModel, ClickStoresTheShownDayThenLoadsTheClickedOne) {
    select(12);
    h.forms.postEvent({kDayEditor, form3::lineEdit(1), EventKind::SetFocus});  // a touch, no typing
    h.forms.setText(kDayEditor, form3::lineEdit(1), "書き換え");
    click(13);
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[1]), "書き換え");
    EXPECT_EQ(editor(form3::kDayNumber), "10");
    EXPECT_EQ(editor(form3::lineEdit(1)), "");
    EXPECT_EQ(h.state->selectedCell, 13);
    EXPECT_EQ(h.forms.focused.back(), kDayEditor);
}

TEST_F(GridModel, BlankCellsAskForTheNeighbouringMonthAndKeepTheEditorsDay) {
    select(12);
    h.app.handlers().replace(mainform::kPreviousMonth, EventKind::On, [](Context&, const Event&) { return 0; });
    h.app.handlers().replace(mainform::kNextMonth, EventKind::On, [](Context&, const Event&) { return 0; });
    h.state->selectedCell = 3;  // the last blank before day 1
    DAT_SET(h.context(), SelectBy::Click);
    EXPECT_EQ(h.state->monthStepRequest, MonthStep::Previous);
    EXPECT_EQ(editor(form3::kDayNumber), "9");
    EXPECT_EQ(h.state->selectedCell, 12);
    h.state->selectedCell = 4 + 31;  // the first blank after day 31
    DAT_SET(h.context(), SelectBy::Click);
    EXPECT_EQ(h.state->monthStepRequest, MonthStep::Next);
    h.state->selectedCell = 34;  // day 31 itself
    DAT_SET(h.context(), SelectBy::Click);
    EXPECT_EQ(h.state->monthStepRequest, MonthStep::None);
    EXPECT_EQ(editor(form3::kDayNumber), "31");
}

TEST_F(GridModel, StoreAfterARefusedStepGoesToTheDayTheEditorShows) {
    select(12);
    h.state->dayChanged = 1;
    h.forms.setText(kDayEditor, form3::lineEdit(1), "残す");
    h.state->selectedCell = 40;  // a blank cell after the month
    DAT_SET(h.context(), SelectBy::Click);
    h.state->monthStepRequest = MonthStep::None;  // the step was refused
    DAT_UPDATE(h.context());
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[1]), "残す");
    EXPECT_EQ(fieldText(h.state->monthCells[40].lineText[1]), "");
}

TEST_F(GridModel, NeverStoresIntoABlankCellOrOutsideTheRecords) {
    for (int cell : {0, 2, 36, 42, 43, 60}) {
        h.state->selectedCell = cell;
        h.state->editorCell = cell;
        h.state->dayChanged = 1;
        h.forms.setText(kDayEditor, form3::lineEdit(1), "x");
        DAT_UPDATE(h.context());
    }
    for (const DayCell& rec : h.state->monthCells) EXPECT_NE(fieldText(rec.lineText[1]), "x");
}

TEST_F(GridModel, WithoutDayCountsTheEditorIsEmptiedAndNoStepAsked) {
    showMonth(h, 2003, 1, "", 0);
    select(12);
    EXPECT_EQ(h.state->monthStepRequest, MonthStep::None);
    EXPECT_EQ(editor(form3::kDayNumber), "");
    EXPECT_EQ(editor(form3::lineEdit(1)), "");
}

TEST_F(GridModel, RejectedPictureIsMarkedNeverDrawn) {
    storeField(h.state->monthCells[12].pictureFile[1], "gone.bmp");
    select(12);
    const std::vector<DrawCall> large = h.forms.drawsOn(kDayEditor, form3::slotPicture(1));
    ASSERT_FALSE(large.empty());
    EXPECT_EQ(large[0].op, "clear");
    std::vector<std::string> texts;
    for (const DrawCall& d : large) {
        EXPECT_NE(d.op, "stretch");
        if (d.op == "text") texts.push_back(d.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"見つかりません", "gone.bmp"}));  // on screen only
    EXPECT_EQ(fieldName(h.state->dayPictureFile[1]), "gone.bmp");  // kept until replaced
}

}  // namespace
}  // namespace cal::test
