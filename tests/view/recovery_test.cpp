// Recovery of unsaved months, and files changed by someone else.

#include "data/file_fingerprint.h"
#include "data/month_file.h"
#include "data/recovery_file.h"
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "view/month_files.h"
#include "windows/form3/form3_controls.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <set>

namespace cal::test {
namespace {

namespace fs = std::filesystem;

const std::string kJanuary = "Calendar200301.dat";

std::set<std::string> filesBelow(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(u8path(folder))) names.insert(entry.path().string());
    return names;
}

// A data folder on January 2003 and a recovery folder of the user's.
class Recovery : public ::testing::Test {
protected:
    void SetUp() override {
        root = h.dir.path() + "-state";
        h.recoveryRoot = root;
        h.clock.date = {2003, 1, 20};
        writeYearFile(h, 2002, 1, "水", 31);
        writeMonthFile(h, 2003, 1, 23, "もちつき");
    }
    void TearDown() override {
        h.state->recoveryLock.reset();  // Windows removes no file held open
        fs::remove_all(u8path(root));
    }

    // Types a line into the day shown and stores it with 更  新.
    void typeAndStore(Harness& p, const std::string& line) {
        p.app.handleEvent({kDayEditor, form3::lineEdit(2), EventKind::SetFocus});
        p.forms.setText(kDayEditor, form3::lineEdit(2), line);
        p.app.handleEvent({kDayEditor, form3::kUpdate, EventKind::On});
    }
    std::string recoveryFile() const { return recoveryFilePath(root, h.dir.path(), "2003", 1); }

    Harness h;
    std::string root;
};

TEST_F(Recovery, AStoredDayIsKeptOutsideTheDataFolderUntilSaved) {
    h.start();
    const std::set<std::string> before = filesBelow(h.dir.path());
    typeAndStore(h, "おゆうぎ会");
    ASSERT_TRUE(fs::exists(u8path(recoveryFile())));
    EXPECT_EQ(filesBelow(h.dir.path()), before);  // nothing added to the data folder
    MonthCells kept{};
    std::string error;
    ASSERT_EQ(readMonthFile(recoveryFile(), kept, error), RecordRead::Whole);
    EXPECT_EQ(fieldText(kept[23].lineText[2]), "おゆうぎ会");

    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Saved);
    EXPECT_FALSE(fs::exists(u8path(recoveryFile())));
}

TEST_F(Recovery, TheFolderIsPerDataFolderWhateverItsSpelling) {
    EXPECT_EQ(recoveryFolder(root, h.dir.path()), recoveryFolder(root, h.dir.path() + "/"));
    EXPECT_EQ(recoveryFolder(root, h.dir.path()), recoveryFolder(root, h.dir.path() + "/master/.."));
    EXPECT_NE(recoveryFolder(root, h.dir.path()), recoveryFolder(root, h.dir.path() + "-other"));
    EXPECT_EQ(fs::path(recoveryFolder(root, h.dir.path())).parent_path(), fs::path(root));
}

TEST_F(Recovery, TheNextRunOffersItAndYesBringsTheDayBack) {
    h.start();
    typeAndStore(h, "おゆうぎ会");
    const std::string monthOnDisk = h.dir.read("Calendar_dat", kJanuary);
    const DayCell stored = h.state->monthCells[23];
    h.state->recoveryLock.reset();  // the first run ends without saving

    Harness next;
    next.recoveryRoot = root;
    next.clock.date = h.clock.date;
    next.forms.answerMessages({MessageAnswer::Yes});
    next.startOn(h.dir.path());
    ASSERT_EQ(next.forms.messages.size(), 1u);
    EXPECT_EQ(next.forms.messages[0].title, "問い合せ");
    EXPECT_EQ(next.forms.messages[0].message.rfind("前回保存されなかった変更があります（2003年1月、", 0), 0u);
    EXPECT_EQ(std::memcmp(&next.state->monthCells[23], &stored, sizeof(DayCell)), 0);
    EXPECT_TRUE(h.dir.read("Calendar_dat", kJanuary) == monthOnDisk);  // an unsaved edit until saved
    EXPECT_TRUE(fs::exists(u8path(recoveryFile())));
}

TEST_F(Recovery, NoKeepsTheMonthFileAndRemovesTheRecovery) {
    h.start();
    typeAndStore(h, "おゆうぎ会");
    const std::string monthOnDisk = h.dir.read("Calendar_dat", kJanuary);
    h.state->recoveryLock.reset();  // the first run ends without saving

    Harness next;
    next.recoveryRoot = root;
    next.clock.date = h.clock.date;
    next.forms.answerMessages({MessageAnswer::No});
    next.startOn(h.dir.path());
    EXPECT_EQ(fieldText(next.state->monthCells[23].lineText[2]), "");
    EXPECT_TRUE(h.dir.read("Calendar_dat", kJanuary) == monthOnDisk);
    EXPECT_FALSE(fs::exists(u8path(recoveryFile())));
}

TEST_F(Recovery, DecliningTheSaveOnClosingRemovesIt) {
    h.start();
    h.state->askOnUpdate = 1;
    typeAndStore(h, "おゆうぎ会");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});
    h.app.handleEvent({kMainForm, {}, EventKind::QueryClose});
    EXPECT_TRUE(h.forms.programEnded());
    EXPECT_FALSE(fs::exists(u8path(recoveryFile())));
}

TEST_F(Recovery, AnUnreadableRecoveryIsToldAndSetAsideNeverDeleted) {
    fs::create_directories(fs::path(recoveryFile()).parent_path());
    writeBytes(recoveryFile(), "short");
    fs::last_write_time(u8path(recoveryFile()), fs::file_time_type::clock::now() + std::chrono::hours(1));
    h.start();
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_FALSE(fs::exists(u8path(recoveryFile())));
    EXPECT_EQ(readBytes(recoveryFile() + ".unreadable"), "short");
}

// Someone else writes the file between our read and our write.
class ChangedElsewhere : public Recovery {};

TEST_F(ChangedElsewhere, TheMonthIsNotWrittenOverUnasked) {
    h.start();
    typeAndStore(h, "ours");
    const std::string theirs(kMonthFileSize, 'x');
    h.dir.write("Calendar_dat", kJanuary, theirs);

    h.forms.answerMessages({MessageAnswer::No});
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Failed);
    EXPECT_EQ(h.forms.messages.back().message,
              h.dir.file("Calendar_dat", kJanuary) + " は開いた後に他で変更されています。上書きしますか。");
    EXPECT_TRUE(h.dir.read("Calendar_dat", kJanuary) == theirs);
    EXPECT_TRUE(fs::exists(u8path(recoveryFile())));  // the edits stay safe

    // Closing then keeps the program open with the edits.
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});
    h.app.handleEvent({kMainForm, {}, EventKind::QueryClose});
    EXPECT_FALSE(h.forms.programEnded());

    h.forms.answerMessages({MessageAnswer::Yes});
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Saved);
    MonthCells saved{};
    std::string error;
    readMonthFile(h.dir.file("Calendar_dat", kJanuary), saved, error);
    EXPECT_EQ(fieldText(saved[23].lineText[2]), "ours");

    // Unchanged since our own write: no question.
    const std::size_t asked = h.forms.messages.size();
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Saved);
    EXPECT_EQ(h.forms.messages.size(), asked);
}

TEST_F(ChangedElsewhere, TheSettingsFileIsNotWrittenOverUnasked) {
    h.dir.write("master", "CalendarH.dat", "7\n5\n70\n38\n");
    h.start();
    h.dir.write("master", "CalendarH.dat", "theirs\n");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});  // 更新しますか, 上書きしますか
    h.app.handleEvent({kMainForm, mainform::kSettingsUpdate, EventKind::On});
    EXPECT_EQ(h.dir.read("master", "CalendarH.dat"), "theirs\n");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    h.app.handleEvent({kMainForm, mainform::kSettingsUpdate, EventKind::On});
    EXPECT_EQ(readSettingsText(h.dir.file("master", "CalendarH.dat")).rfind("7\n5\n70\n38\n", 0), 0u);
}

}  // namespace
}  // namespace cal::test
