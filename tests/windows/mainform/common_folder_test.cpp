// Choosing the common calendar's folder: in the settings dialog, and when a
// copy finds none.
#include "windows/mainform/common_copy.h"
#include "windows/mainform/data_dir.h"
#include "data/day_cell.h"
#include "support/harness.h"
#include "ui/names.h"
#include "windows/form6/form6_controls.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

const std::string kJanuary = "Calendar200301.dat";

class CommonFolder : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        h.state->currentYear = "2003";
        h.state->currentMonth = 1;
        common.write("Calendar_dat", kJanuary, std::string(kMonthFileSize, 'c'));
    }
    // Opens the settings dialog, presses 参照…, then reads the folder row.
    std::string browseInSettings() {
        std::string shown;
        h.app.handlers().replace(form6::kCommonFolder, EventKind::SetFocus, [&](Context& c, const Event&) {
            shown = c.forms.text(kSettingsDialog, form6::kCommonFolder);
            return 0;
        });
        h.forms.postEvent({kMainForm, mainform::kSettings, EventKind::On});
        h.forms.postEvent({kSettingsDialog, "F6KICK", EventKind::On});
        h.forms.postEvent({kSettingsDialog, form6::kCommonFolder, EventKind::SetFocus});
        h.app.run();
        return shown;
    }
    std::optional<std::string> registered() const { return h.registry.value(kRegistryKey, kRegistryValue); }
    Harness h;
    TempDataDir common;
};

TEST_F(CommonFolder, ChosenInTheSettingsDialogIsShownStoredAndUsedByTheNextCopy) {
    h.forms.answerFolders({common.path()});
    EXPECT_EQ(browseInSettings(), common.path());
    EXPECT_EQ(registered(), common.path());

    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    BUTTON8_ON(h.context());
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), std::string(kMonthFileSize, 'c'));
}

TEST_F(CommonFolder, TheRowSaysUnsetUntilAFolderIsChosen) {
    EXPECT_EQ(browseInSettings(), "未設定");  // the dialog was cancelled
    EXPECT_FALSE(registered());
    EXPECT_TRUE(h.forms.messages.empty());
}

TEST_F(CommonFolder, AFolderWithoutMonthFilesIsRefused) {
    h.registry.keys[kRegistryKey][kRegistryValue] = common.path();
    std::filesystem::remove_all(u8path(h.dir.path() + "/Calendar_dat"));
    h.forms.answerFolders({h.dir.path()});
    EXPECT_EQ(browseInSettings(), common.path());
    EXPECT_EQ(registered(), common.path());
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_NE(h.forms.messages[0].message.find("Calendar_dat"), std::string::npos);
    EXPECT_EQ(h.forms.messages[0].owner, kSettingsDialog);
}

TEST_F(CommonFolder, ANameOfUpTo255BytesIsStoredALongerOneRefused) {
    // Folders whose full names are 255 and 256 bytes long, each a common calendar.
    const std::string base = common.path() + "/";
    const std::string parent = base + std::string(120, 'p');
    auto folderOf = [&](std::size_t bytes) {
        const std::string path = parent + "/" + std::string(bytes - parent.size() - 1, 'q');
        std::filesystem::create_directories(u8path(path + "/Calendar_dat"));
        return path;
    };
    const std::string fits = folderOf(255), tooLong = folderOf(256);

    h.forms.answerFolders({tooLong});
    browseInSettings();
    EXPECT_FALSE(registered());
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_NE(h.forms.messages[0].message.find("255バイト"), std::string::npos);

    h.forms.answerFolders({fits});
    browseInSettings();
    EXPECT_EQ(registered(), fits);
    std::string read;
    SPROUTWORKS_REG_GET(h.context(), read);
    EXPECT_EQ(read, fits);
}

TEST_F(CommonFolder, AStoreThatCannotBeWrittenIsReported) {
    h.registry.writeFailure = "読み取り専用";
    h.forms.answerFolders({common.path()});
    EXPECT_EQ(browseInSettings(), "未設定");
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_NE(h.forms.messages[0].message.find("読み取り専用"), std::string::npos);
}

TEST_F(CommonFolder, ACopyWithoutAFolderOffersToChooseOneAndGoesOn) {
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes});
    h.forms.answerFolders({common.path()});
    BUTTON8_ON(h.context());
    const std::vector<std::string> texts = h.forms.messageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_NE(texts[0].find("共通カレンダーのフォルダを今選びますか"), std::string::npos);
    EXPECT_EQ(texts[1], "カレンダーのコピー作業を実行しますか");
    EXPECT_EQ(registered(), common.path());
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), std::string(kMonthFileSize, 'c'));
}

TEST_F(CommonFolder, AFolderThatIsGoneIsOfferedAgainNoEndsTheCopy) {
    h.registry.keys[kRegistryKey][kRegistryValue] = common.path() + "/moved";
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::No});
    BUTTON8_ON(h.context());
    ASSERT_EQ(h.forms.messages.size(), 2u);
    EXPECT_EQ(h.forms.messages[1].title, "問い合せ");
    EXPECT_TRUE(h.forms.folderDialogTitles.empty());
    EXPECT_FALSE(h.dir.exists("Calendar_dat", kJanuary));
}

TEST_F(CommonFolder, AnExistingFolderWithoutTheMonthIsNotOffered) {
    h.registry.keys[kRegistryKey][kRegistryValue] = common.path();
    h.state->currentMonth = 2;
    BUTTON8_ON(h.context());
    EXPECT_EQ(h.forms.messageTexts(),
              std::vector<std::string>{"コピー元のカレンダーが存在しないのでコピー実行できません"});
}

}  // namespace
}  // namespace cal::test
