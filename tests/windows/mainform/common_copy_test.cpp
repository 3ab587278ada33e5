// Copying the displayed month from the common calendar.
#include "windows/mainform/data_dir.h"
#include "windows/mainform/common_copy.h"
#include "data/sjis.h"
#include "support/failing_writer.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

const std::string kJanuary = "Calendar200301.dat";

class CommonCopy : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        h.state->currentYear = "2003";
        h.state->currentMonth = 1;
        h.registry.keys[kRegistryKey][kRegistryValue] = common.path();
        std::string month(kMonthFileSize, '\0');
        month.replace(2736 * 9 + 680 + 40, 6, "\x82\xA9\x82\xA2\x82\xB3");  // かいさ in cell 9, line 1
        common.write("Calendar_dat", kJanuary, month);
    }
    Harness h;
    TempDataDir common;
};

TEST_F(CommonCopy, CopiesAfterTheQuestionsAndShowsTheCopy) {
    h.dir.write("Calendar_dat", kJanuary, std::string(kMonthFileSize, '\0'));
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    BUTTON8_ON(h.context());
    EXPECT_EQ(h.forms.messageTexts(),
              (std::vector<std::string>{"カレンダーのコピー作業を実行しますか",
                                        "既に1月のクラス用カレンダーが存在します.\r\n"
                                        "共通カレンダーからコピー（上書き）してもよろしいですか"}));
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), common.read("Calendar_dat", kJanuary));
    // The displayed month now holds the copy, so a later save keeps it.
    EXPECT_EQ(fieldText(h.state->monthCells[9].lineText[1]), "かいさ");
}

TEST_F(CommonCopy, MissingTargetIsStillAskedAboutAndCreated) {
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    BUTTON8_ON(h.context());
    EXPECT_EQ(h.forms.messages.size(), 2u);
    EXPECT_TRUE(h.dir.exists("Calendar_dat", kJanuary));
}

TEST_F(CommonCopy, AnsweringNoChangesNothing) {
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});
    BUTTON8_ON(h.context());
    EXPECT_FALSE(h.dir.exists("Calendar_dat", kJanuary));
    h.forms.answerMessages({MessageAnswer::No});
    BUTTON8_ON(h.context());
    EXPECT_EQ(h.forms.messages.size(), 3u);
}

TEST_F(CommonCopy, SameFolderButForATrailingBlankIsRefused) {
    // Windows ignores the trailing blank when it opens the file: so does this folder.
#ifdef _WIN32
    GTEST_SKIP() << "Windows makes no folder whose name ends in a blank";
#endif
    const std::string blank = h.dir.path() + " ";
    std::filesystem::create_directories(u8path(blank + "/Calendar_dat"));
    writeBytes(blank + "/Calendar_dat/" + kJanuary, "source");
    h.registry.keys[kRegistryKey][kRegistryValue] = blank;
    h.dir.write("Calendar_dat", kJanuary, std::string(kMonthFileSize, 'x'));
    h.forms.answerMessages({MessageAnswer::Yes});
    BUTTON8_ON(h.context());
    EXPECT_EQ(h.forms.messages.back().message, "コピー元とコピー先が同じなのでコピーできません");
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), std::string(kMonthFileSize, 'x'));
    std::filesystem::remove_all(u8path(blank));
}

// A folder never set, without the key or without its value: the offer to
// choose one comes first and alone.
TEST_F(CommonCopy, NoFolderEverSetOffersToChooseOneFirstAndAlone) {
    const std::vector<std::string> offerOnly{"共通カレンダーのフォルダが設定されていないか、見つかりません.\r\n"
                                             "共通カレンダーのフォルダを今選びますか"};
    h.registry.keys[kRegistryKey].clear();
    BUTTON8_ON(h.context());
    EXPECT_EQ(h.forms.messageTexts(), offerOnly);
    h.forms.messages.clear();
    h.registry.keys.clear();
    BUTTON8_ON(h.context());
    EXPECT_EQ(h.forms.messageTexts(), offerOnly);
}

TEST_F(CommonCopy, RegistryValueOfUpTo255BytesIsRead) {
    std::string dir;
    h.registry.keys[kRegistryKey][kRegistryValue] = std::string(255, 'a');
    SPROUTWORKS_REG_GET(h.context(), dir);
    EXPECT_EQ(dir, std::string(255, 'a'));
    h.registry.keys[kRegistryKey][kRegistryValue] = std::string(256, 'b');
    SPROUTWORKS_REG_GET(h.context(), dir);
    EXPECT_EQ(dir, std::string(255, 'a'));
    EXPECT_EQ(h.forms.messageTexts(),
              std::vector<std::string>{"スプラウトワークスのレジストリが読み取れません"});
}

TEST_F(CommonCopy, FailedCopyIsReportedAndKeepsTheTarget) {
    const std::string old(kMonthFileSize, 'o');
    h.dir.write("Calendar_dat", kJanuary, old);
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    {
        const FailingSaves failWrites(*h.state, 1);
        BUTTON8_ON(h.context());
    }
    EXPECT_EQ(h.forms.messages.back().title, "エラー");
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), old);
}

}  // namespace
}  // namespace cal::test
