// The closing sequence of the three windows, and the main loop.
#include "data/sjis.h"
#include "support/failing_writer.h"
#include "support/harness.h"
#include "ui/names.h"
#include "windows/form3/form3_controls.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace cal::test {
namespace {

const std::string kJanuary = "Calendar200301.dat";

class Closing : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        h.createForms();
        h.state->currentYear = "2003";
        h.state->currentMonth = 1;
        storeField(h.state->monthCells[10].lineText[2], "おゆうぎ会");
    }
    void close() { h.forms.postEvent({GetParam(), {}, EventKind::QueryClose}); h.app.run(); }
    bool saved() const { return h.dir.exists("Calendar_dat", kJanuary); }
    Harness h;
};

TEST_P(Closing, YesSavesTheMonthByteExactlyAndEnds) {
    h.forms.answerMessages({MessageAnswer::Yes});
    close();
    EXPECT_TRUE(h.forms.programEnded());
    EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"カレンダー作成を終了しますか"});
    EXPECT_EQ(h.forms.messages[0].owner, GetParam());
    std::string expected(kMonthFileSize, '\0');
    std::memcpy(expected.data(), h.state->monthCells.data(), kMonthFileSize);
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), expected);
}

TEST_P(Closing, NoKeepsTheProgramRunningAndUnsaved) {
    h.forms.answerMessages({MessageAnswer::No});
    close();
    EXPECT_FALSE(h.forms.programEnded());
    EXPECT_TRUE(h.forms.formExists(GetParam()));
    EXPECT_FALSE(saved());
}

TEST_P(Closing, WithQuestionsOnTheSecondAnswerDecidesTheSave) {
    h.state->askOnUpdate = 1;
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});
    close();
    EXPECT_TRUE(h.forms.programEnded());
    EXPECT_FALSE(saved());
    EXPECT_EQ(h.forms.messages.at(1).message, "データを更新して、終了しますか.");

    Harness again;
    again.createForms();
    again.state->currentYear = "2003";
    again.state->currentMonth = 1;
    again.state->askOnUpdate = 1;
    again.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    again.forms.postEvent({GetParam(), {}, EventKind::QueryClose});
    again.app.run();
    EXPECT_TRUE(again.dir.exists("Calendar_dat", kJanuary));
}

TEST_P(Closing, FailedSaveKeepsTheProgramAndTheOldFile) {
    const std::string old(kMonthFileSize, 'o');
    h.dir.write("Calendar_dat", kJanuary, old);
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
    {
        const FailingSaves failWrites(*h.state, 1);
        close();
    }
    EXPECT_FALSE(h.forms.programEnded());
    EXPECT_EQ(h.forms.messages.at(1).title, "エラー");
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), old);
    EXPECT_EQ(fieldText(h.state->monthCells[10].lineText[2]), "おゆうぎ会");
}

TEST_P(Closing, SavingTakesTheDayShownInTheEditorAlong) {
    h.state->currentYear = "2003";
    h.state->yearSettings.daysInMonth[10].set(31);
    storeField(h.state->yearSettings.firstWeekday[10], "水");
    h.state->selectedCell = h.state->editorCell = 12;
    h.state->dayChanged = 1;
    h.forms.setText(kDayEditor, form3::lineEdit(1), "書きかけ");
    h.forms.answerMessages({MessageAnswer::Yes});
    close();
    const std::string saved = h.dir.read("Calendar_dat", kJanuary);
    EXPECT_EQ(saved.substr(2736 * 12 + 680 + 40, 8), utf8ToSjis("書きかけ"));
    EXPECT_EQ(h.forms.messages.size(), 1u);
}

TEST_P(Closing, NotSavingLeavesTheEditorsDayOut) {
    h.state->askOnUpdate = 1;
    h.state->yearSettings.daysInMonth[10].set(31);
    h.state->selectedCell = h.state->editorCell = 12;
    h.state->dayChanged = 1;
    h.forms.setText(kDayEditor, form3::lineEdit(1), "書きかけ");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});
    close();
    EXPECT_FALSE(saved());
    EXPECT_EQ(fieldText(h.state->monthCells[12].lineText[1]), "");
}

INSTANTIATE_TEST_SUITE_P(EachWindow, Closing, ::testing::Values("MAINFORM", "FORM2", "FORM3"));

TEST(MainLoop, DeferredStepRunsOnceAfterTheHandlerThatAskedForIt) {
    Harness h;
    h.createForms();
    std::vector<std::string> order;
    h.app.handlers().replace(form3::kUpdate, EventKind::On, [&](Context& c, const Event&) {
        c.state.monthStepRequest = MonthStep::Next;
        order.push_back("store");
        return 0;
    });
    h.app.handlers().replace(mainform::kNextMonth, EventKind::On, [&](Context& c, const Event& e) {
        EXPECT_EQ(c.state.monthStepRequest, MonthStep::None);  // cleared before the step runs
        EXPECT_EQ(e.form, "");                   // no owner window
        order.push_back("next");
        return 0;
    });
    h.app.handlers().replace(mainform::kPreviousMonth, EventKind::On, [&](Context&, const Event&) {
        order.push_back("previous");
        return 0;
    });
    h.forms.postEvent({kDayEditor, form3::kUpdate, EventKind::On});
    h.forms.postEvent({kDayEditor, form3::layoutButton(1), EventKind::On});
    h.app.run();
    EXPECT_EQ(order, (std::vector<std::string>{"store", "next"}));

    h.state->monthStepRequest = MonthStep::Previous;
    h.app.run();
    EXPECT_EQ(order.back(), "previous");
    EXPECT_EQ(h.state->monthStepRequest, MonthStep::None);
}

TEST(MainLoop, MainWindowKeepsItsSize) {
    Harness h;
    h.createForms();
    h.state->mainWidth = 1891;
    h.state->mainHeight = 306;
    h.forms.resize(kMainForm, {}, 500, 900);
    h.forms.postEvent({kMainForm, {}, EventKind::Resize});
    h.app.run();
    EXPECT_EQ(h.forms.geometry(kMainForm, {}).width, 1891);
    EXPECT_EQ(h.forms.geometry(kMainForm, {}).height, 306);
}

TEST(MainLoop, LayoutButtonsMoveTheThreeWindows) {
    Harness h;
    h.createForms();
    h.forms.setScreen(300, 200, 1134, 756);
    h.forms.postEvent({kDayEditor, form3::layoutButton(4), EventKind::On});
    h.app.run();
    const Geometry editor = h.forms.geometry(kDayEditor, {});
    const Geometry month = h.forms.geometry(kMonthForm, {});
    EXPECT_DOUBLE_EQ(editor.x, 3000 - editor.width);  // the day editor takes the right edge
    EXPECT_DOUBLE_EQ(month.x + month.width, editor.x);
    EXPECT_DOUBLE_EQ(h.forms.geometry(kMainForm, {}).y, 2000 - 306 - 100);
}

}  // namespace
}  // namespace cal::test
