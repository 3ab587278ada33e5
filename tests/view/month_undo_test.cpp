// 元に戻す / やり直し over stores and imports: the month's bytes come back
// exactly, no data file is written, and the recovery file follows.
#include "data/month_file.h"
#include "data/recovery_file.h"
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "view/month_files.h"
#include "windows/form3/form3_controls.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace cal::test {
namespace {

namespace fs = std::filesystem;

class MonthUndo : public ::testing::Test {
protected:
    void SetUp() override {
        root = h.dir.path() + "-state";
        h.recoveryRoot = root;
        h.clock.date = {2003, 1, 20};
        writeYearFile(h, 2002, 1, "水", 31);
        writeMonthFile(h, 2003, 1, 23, "もちつき");
        h.start();
        h.state->yearSettings.holidayDate[1].set(101);
        storeField(h.state->yearSettings.holidayComment[1], "元日");
    }
    void TearDown() override {
        h.state->recoveryLock.reset();  // Windows removes no file held open
        fs::remove_all(u8path(root));
    }
    void event(const std::string& form, const std::string& control) {
        h.app.handleEvent({form, control, EventKind::On});
    }
    void typeAndStore(const std::string& line) {
        h.app.handleEvent({kDayEditor, form3::lineEdit(3), EventKind::SetFocus});
        h.forms.setText(kDayEditor, form3::lineEdit(3), line);
        event(kDayEditor, form3::kUpdate);
    }
    std::string cells() const {
        return std::string(reinterpret_cast<const char*>(&h.state->monthCells), sizeof(MonthCells));
    }
    std::string monthFile() const { return readBytes(monthFilePath(h.dir.path(), "2003", 1)); }
    bool recoveryKept() const { return fs::exists(recoveryFilePath(root, h.dir.path(), "2003", 1)); }
    bool enabled(const char* button) { return h.forms.control(kMainForm, button).enabled; }

    Harness h;
    std::string root;
};

TEST_F(MonthUndo, EveryStepComesBackByteForByteWithoutWritingTheMonth) {
    const std::string onDisk = monthFile();
    std::vector<std::string> states{cells()};
    typeAndStore("おゆうぎ");
    states.push_back(cells());
    h.forms.answerMessages({MessageAnswer::Yes});
    event(kMainForm, mainform::kHolidayImport);
    states.push_back(cells());
    typeAndStore("");  // a line taken out again
    states.push_back(cells());
    typeAndStore("");  // nothing changed: no step
    ASSERT_EQ(std::set<std::string>(states.begin(), states.end()).size(), states.size());
    EXPECT_TRUE(enabled(mainform::kUndo));
    EXPECT_FALSE(enabled(mainform::kRedo));

    for (std::size_t i = states.size() - 1; i-- > 0;) {
        // The month window's Ctrl+Z is the main window's 元に戻す.
        event(i % 2 ? kMonthForm : kMainForm, mainform::kUndo);
        ASSERT_EQ(cells(), states[i]) << i;
        EXPECT_EQ(recoveryKept(), i != 0) << i;
    }
    EXPECT_FALSE(enabled(mainform::kUndo));
    event(kMainForm, mainform::kUndo);  // nothing more to undo
    EXPECT_EQ(cells(), states[0]);
    for (std::size_t i = 1; i < states.size(); ++i) {
        event(kMainForm, mainform::kRedo);
        ASSERT_EQ(cells(), states[i]) << i;
    }
    EXPECT_TRUE(recoveryKept());
    EXPECT_EQ(monthFile(), onDisk);
}

TEST_F(MonthUndo, AStoreAfterUndoingDropsTheRedoAndASaveEndsTheHistory) {
    typeAndStore("おゆうぎ");
    event(kMainForm, mainform::kUndo);
    typeAndStore("たこあげ");
    EXPECT_FALSE(enabled(mainform::kRedo));
    ASSERT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Saved);
    const std::string saved = cells();
    EXPECT_FALSE(enabled(mainform::kUndo));
    event(kMainForm, mainform::kUndo);
    EXPECT_EQ(cells(), saved);
    EXPECT_FALSE(recoveryKept());
}

}  // namespace
}  // namespace cal::test
