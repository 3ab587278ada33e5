// The day editor's own handlers: pictures, touches, the question box and start.
#include "data/sjis.h"
#include "windows/form3/form3_handlers.h"
#include "support/month_setup.h"
#include "ui/names.h"

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
    void send(const char* control, EventKind kind = EventKind::On) {
        h.forms.postEvent({kDayEditor, control, kind});
        h.app.run();
    }
    Harness h;
};

TEST_F(DayEditor, StartShowsTodayUntouched) {
    EXPECT_EQ(h.state->selectedCell, 12);
    EXPECT_EQ(h.forms.text(kDayEditor, "TEXT55"), "9");
    EXPECT_EQ(h.state->dayChanged, 0);
    EXPECT_EQ(h.forms.checkState(kDayEditor, "CHECK9"), 0);
    EXPECT_EQ(h.state->askOnUpdate, 0);
}

TEST_F(DayEditor, EveryLineFocusAndLineCheckTouchesTheDay) {
    for (const char* c : {"EDIT21", "EDIT28", "EDIT148", "EDIT153"}) {
        h.state->dayChanged = 0;
        send(c, EventKind::SetFocus);
        EXPECT_EQ(h.state->dayChanged, 1) << c;
    }
    h.state->dayChanged = 0;
    send("CHECK8");
    EXPECT_EQ(h.state->dayChanged, 1);
}

TEST_F(DayEditor, ChosenPictureIsShownAndOnlyItsNameKept) {
    addPicture(h, "risu.bmp");
    h.forms.answerFiles({h.dir.file("Calendar_pic", "risu.bmp")});
    send("PICTURE63", EventKind::Click);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[4]), "risu.bmp");
    const std::vector<DrawCall> draws = h.forms.drawsOn(kDayEditor, "PICTURE63");
    EXPECT_EQ(draws.back().op, "stretch");
    send("BUTTON9");
    EXPECT_EQ(fieldName(h.state->monthCells[12].pictureFile[4]), "risu.bmp");
}

TEST_F(DayEditor, CancelledChoiceOnlyTouches) {
    send("PICTURE61", EventKind::Click);
    EXPECT_EQ(h.state->dayChanged, 1);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[1]), "");
    EXPECT_TRUE(h.forms.drawsOn(kDayEditor, "PICTURE61").size() <= 1u);
}

TEST_F(DayEditor, NameTooLongForTheRecordIsRefused) {
    h.forms.answerFiles({"/pics/" + std::string(31, 'n') + ".bmp"});
    send("PICTURE62", EventKind::Click);
    EXPECT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[3]), "");
}

TEST_F(DayEditor, DeleteAsksAndClearsTheSlot) {
    h.forms.answerMessages({MessageAnswer::No});
    send("BUTTON57");  // slot 4
    EXPECT_EQ(h.state->dayChanged, 0);
    EXPECT_EQ(fieldName(h.state->dayPictureFile[4]), "old.bmp");
    h.forms.answerMessages({MessageAnswer::Yes});
    send("BUTTON57");
    EXPECT_EQ(h.forms.messages.back().message, "画像を削除しますよろしいですか");
    EXPECT_EQ(fieldName(h.state->dayPictureFile[4]), "");
    send("BUTTON9");
    EXPECT_EQ(fieldName(h.state->monthCells[12].pictureFile[4]), "");
}

TEST_F(DayEditor, QuestionBoxSwitchesTheQuestionBeforeStoring) {
    h.forms.setCheckState(kDayEditor, "CHECK9", 1);
    send("CHECK9");
    EXPECT_EQ(h.state->askOnUpdate, 1);
    h.forms.setCheckState(kDayEditor, "CHECK9", 0);
    send("CHECK9");
    EXPECT_EQ(h.state->askOnUpdate, 0);
}

}  // namespace
}  // namespace cal::test
