// The day editor's own handlers: pictures, touches, the question box and start.
#include "data/sjis.h"
#include "windows/form3/form3_handlers.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/form3/form3_controls.h"
#include "windows/form_descriptions.h"

#include <gtest/gtest.h>

namespace cal::test {
namespace {

class DayEditor : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2003, 1, "水", 31);
        h.clock.date = {2003, 1, 9};
        storeField(h.state->monthCells[12].pictureFile[4], "old.bmp");
        FORM3_START(h.context());
    }
    void send(const std::string& control, EventKind kind = EventKind::On) {
        h.forms.postEvent({kDayEditor, control, kind});
        h.app.run();
    }
    Harness h;
};

TEST_F(DayEditor, StartShowsTodayUntouched) {
    EXPECT_EQ(h.state->selectedCell, 12);
    EXPECT_EQ(h.forms.text(kDayEditor, form3::kDayNumber), "9");
    EXPECT_EQ(h.state->dayChanged, 0);
    EXPECT_EQ(h.forms.checkState(kDayEditor, form3::kAskOnUpdate), 0);
    EXPECT_EQ(h.state->askOnUpdate, 0);
}

TEST_F(DayEditor, EveryLineFocusAndLineCheckTouchesTheDay) {
    for (const std::string& c : {form3::lineEdit(1), form3::lineEdit(8), form3::extraEdit(1), form3::extraEdit(6)}) {
        h.state->dayChanged = 0;
        send(c, EventKind::SetFocus);
        EXPECT_EQ(h.state->dayChanged, 1) << c;
    }
    h.state->dayChanged = 0;
    send(form3::lineCheck(8));
    EXPECT_EQ(h.state->dayChanged, 1);
}

TEST_F(DayEditor, ChosenPictureIsShownAndOnlyItsNameKept) {
    addPicture(h, "risu.bmp");
    h.forms.answerFiles({h.dir.file("Calendar_pic", "risu.bmp")});
    send(form3::slotPicture(4), EventKind::Click);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[4]), "risu.bmp");
    const std::vector<DrawCall> draws = h.forms.drawsOn(kDayEditor, form3::slotPicture(4));
    EXPECT_EQ(draws.back().op, "stretch");
    send(form3::kUpdate);
    EXPECT_EQ(fieldName(h.state->monthCells[12].pictureFile[4]), "risu.bmp");
}

TEST_F(DayEditor, CancelledChoiceOnlyTouches) {
    send(form3::slotPicture(1), EventKind::Click);
    EXPECT_EQ(h.state->dayChanged, 1);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[1]), "");
    EXPECT_TRUE(h.forms.drawsOn(kDayEditor, form3::slotPicture(1)).size() <= 1u);
}

TEST_F(DayEditor, NameTooLongForTheRecordIsRefused) {
    h.forms.answerFiles({"/pics/" + std::string(31, 'n') + ".bmp"});
    send(form3::slotPicture(3), EventKind::Click);
    EXPECT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[3]), "");
}

TEST_F(DayEditor, DeleteAsksAndClearsTheSlot) {
    h.forms.answerMessages({MessageAnswer::No});
    send(form3::slotDelete(4));
    EXPECT_EQ(h.state->dayChanged, 0);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[4]), "old.bmp");
    h.forms.answerMessages({MessageAnswer::Yes});
    send(form3::slotDelete(4));
    EXPECT_EQ(h.forms.messages.back().message, "画像を削除しますよろしいですか");
    EXPECT_EQ(fieldName(h.state->dayPictureFile[4]), "");
    send(form3::kUpdate);
    EXPECT_EQ(fieldName(h.state->monthCells[12].pictureFile[4]), "");
}

TEST_F(DayEditor, QuestionBoxSwitchesTheQuestionBeforeStoring) {
    h.forms.setCheckState(kDayEditor, form3::kAskOnUpdate, 1);
    send(form3::kAskOnUpdate);
    EXPECT_EQ(h.state->askOnUpdate, 1);
    h.forms.setCheckState(kDayEditor, form3::kAskOnUpdate, 0);
    send(form3::kAskOnUpdate);
    EXPECT_EQ(h.state->askOnUpdate, 0);
}

// The six further lines are notes no page shows: a label between the small
// lines and the notes says so, and a screen reader reads each note apart.
TEST(DayEditorForm, NotesAreLabelledAsNeverPrinted) {
    const FormDescription& form = *formDescription(kDayEditor);
    const ControlDescription& label = *findControl(form, "TEXT59");
    EXPECT_EQ(label.text, "メモ（印刷されません）");
    const ControlDescription& lastSmall = *findControl(form, form3::lineEdit(form3::kLines));
    const ControlDescription& firstNote = *findControl(form, form3::extraEdit(1));
    EXPECT_GE(label.y, lastSmall.y + lastSmall.height);
    EXPECT_GE(firstNote.y, label.y + label.height);
    EXPECT_EQ(findControl(form, form3::extraEdit(form3::kExtraLines))->accessibleName, "メモ 6");
}

}  // namespace
}  // namespace cal::test
