// The display and print settings: the dialog FORM6 and the main window's save.
#include "support/failing_writer.h"
#include "support/harness.h"
#include "ui/names.h"
#include "windows/form6/form6_controls.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override { h.createForms(); }
    void openAndPress() {
        h.forms.postEvent({kMainForm, mainform::kSettings, EventKind::On});
        h.forms.postEvent({kSettingsDialog, "F6UPDATE", EventKind::On});
        h.app.run();
    }
    std::string settingsFile() const { return readSettingsText(h.dir.file("master", "CalendarH.dat")); }
    Harness h;
};

TEST_F(SettingsDialog, StartFillsTheEightFieldsFromTheMainWindow) {
    h.forms.setText(kMainForm, mainform::kBoxWidth, "65");
    h.forms.setText(kMainForm, mainform::kTitleHeight, "35");
    h.app.handlers().replace(form6::kUpdate, EventKind::On, [&](Context& c, const Event&) {
        EXPECT_EQ(c.forms.text(kSettingsDialog, "HEDIT155"), "65");
        EXPECT_EQ(c.forms.text(kSettingsDialog, "HEDIT156"), "38");
        EXPECT_EQ(c.forms.text(kSettingsDialog, "HEDIT160"), "12");
        EXPECT_EQ(c.forms.text(kSettingsDialog, "HEDIT162"), "35");
        c.forms.endDialog(kSettingsDialog, 7);
        return 0;
    });
    openAndPress();
    EXPECT_FALSE(h.forms.formExists(kSettingsDialog));
}

TEST_F(SettingsDialog, UpdateRewritesAllTwentyOneLinesAndEndsTheDialog) {
    h.forms.setText(kMainForm, "EDIT7", "main-only");
    // The user types into three of the dialog's fields.
    h.app.handlers().add("HEDIT155", EventKind::SetFocus, [](Context& c, const Event&) {
        c.forms.setText(kSettingsDialog, "HEDIT155", "60");
        c.forms.setText(kSettingsDialog, "HEDIT158", "5");
        c.forms.setText(kSettingsDialog, "HEDIT162", "30");
        return 0;
    });
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
    h.forms.postEvent({kMainForm, mainform::kSettings, EventKind::On});
    h.forms.postEvent({kSettingsDialog, "HEDIT155", EventKind::SetFocus});
    h.forms.postEvent({kSettingsDialog, "F6UPDATE", EventKind::On});
    h.app.run();
    EXPECT_EQ(settingsFile(),
              "7\n5\n60\n38\n13\n5\nmain-only\n6\n7\n1\n0\n7\n\n8\n12\n2\n3\n4\n0\n4\n30\n");
    EXPECT_EQ(h.forms.text(kMainForm, mainform::kBoxWidth), "60");
    EXPECT_EQ(h.forms.messages.at(1).message, "設定を有効にするには終了して再度起動する必要があります.");
    EXPECT_EQ(h.forms.messages.at(1).title, "お知らせ");
    EXPECT_FALSE(h.forms.formExists(kSettingsDialog));
}

TEST_F(SettingsDialog, AnsweringNoLeavesFieldsAndFileAndKeepsTheDialogOpen) {
    h.forms.answerMessages({MessageAnswer::No});
    h.app.handlers().add(kSettingsDialog, EventKind::End, [](Context&, const Event&) { return 0; });
    openAndPress();
    EXPECT_EQ(h.forms.messageTexts(), std::vector<std::string>{"印刷の設定を更新しますか"});
    EXPECT_FALSE(h.dir.exists("master", "CalendarH.dat"));
    EXPECT_EQ(h.forms.text(kMainForm, mainform::kBoxWidth), "70");
}

TEST_F(SettingsDialog, MainWindowSaveWritesWithoutTheRestartNotice) {
    h.forms.setText(kMainForm, mainform::kColumns, "6");
    h.forms.answerMessages({MessageAnswer::Yes});
    h.forms.postEvent({kMainForm, mainform::kSettingsUpdate, EventKind::On});
    h.app.run();
    EXPECT_EQ(settingsFile().substr(0, 5), "6\n5\n7");
    EXPECT_EQ(h.forms.messages.size(), 1u);
}

TEST_F(SettingsDialog, FailedWriteIsReportedAndTheOldFileKept) {
    h.dir.write("master", "CalendarH.dat", "old");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
    {
        const FailingSaves failWrites(*h.state, 1);
        openAndPress();
    }
    EXPECT_EQ(h.forms.messages.at(1).title, "エラー");
    EXPECT_EQ(settingsFile(), "old");
}

TEST_F(SettingsDialog, ValueOutsideItsRangeIsRefusedNamingTheFieldAndTheDialogStays) {
    h.app.handlers().add("HEDIT155", EventKind::SetFocus, [](Context& c, const Event&) {
        c.forms.setText(kSettingsDialog, "HEDIT155", "20000");
        return 0;
    });
    // After the refusal the dialog is still open with what was typed; the
    // user mends the value and updates again.
    std::string keptText;
    h.app.handlers().add("HEDIT156", EventKind::SetFocus, [&](Context& c, const Event&) {
        keptText = c.forms.text(kSettingsDialog, "HEDIT155");
        EXPECT_FALSE(h.dir.exists("master", "CalendarH.dat"));
        EXPECT_EQ(c.forms.text(kMainForm, mainform::kBoxWidth), "70");
        c.forms.setText(kSettingsDialog, "HEDIT155", "65");
        return 0;
    });
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::Yes, MessageAnswer::Ok});
    h.forms.postEvent({kMainForm, mainform::kSettings, EventKind::On});
    h.forms.postEvent({kSettingsDialog, "HEDIT155", EventKind::SetFocus});
    h.forms.postEvent({kSettingsDialog, "F6UPDATE", EventKind::On});
    h.forms.postEvent({kSettingsDialog, "HEDIT156", EventKind::SetFocus});
    h.forms.postEvent({kSettingsDialog, "F6UPDATE", EventKind::On});
    h.app.run();
    EXPECT_EQ(h.forms.messages.at(0).message, "「１日の枠幅㎜」は 1～420 の数で入力してください。");
    EXPECT_EQ(keptText, "20000");
    EXPECT_EQ(settingsFile().substr(0, 7), "7\n5\n65\n");
}

TEST_F(SettingsDialog, CharactersTheFileCannotHoldAreNamed) {
    h.app.handlers().add("HEDIT160", EventKind::SetFocus, [](Context& c, const Event&) {
        c.forms.setText(kSettingsDialog, "HEDIT160", "12😀");
        return 0;
    });
    h.forms.postEvent({kMainForm, mainform::kSettings, EventKind::On});
    h.forms.postEvent({kSettingsDialog, "HEDIT160", EventKind::SetFocus});
    h.forms.postEvent({kSettingsDialog, "F6UPDATE", EventKind::On});
    h.app.run();
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_NE(h.forms.messages[0].message.find("「印刷ﾌｫﾝﾄｻｲｽﾞ」の次の文字"), std::string::npos);
    EXPECT_NE(h.forms.messages[0].message.find("「😀」"), std::string::npos);
    EXPECT_FALSE(h.dir.exists("master", "CalendarH.dat"));
}

TEST_F(SettingsDialog, MainWindowSaveRefusesAGridOfMoreThanFortyTwoCells) {
    h.forms.setText(kMainForm, mainform::kRows, "7");
    h.forms.postEvent({kMainForm, mainform::kSettingsUpdate, EventKind::On});
    h.app.run();
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_NE(h.forms.messages[0].message.find("横×縦は42まで"), std::string::npos);
    EXPECT_FALSE(h.dir.exists("master", "CalendarH.dat"));
}
}  // namespace
}  // namespace cal::test
