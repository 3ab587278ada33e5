// Loading and saving the displayed month.
#include "data/month_file.h"
#include "view/month_files.h"
#include "data/sjis.h"
#include "support/failing_writer.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

const std::string kJanuary = "Calendar200301.dat";

class MonthFile : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        h.state->currentYear = "2003";
        h.state->currentMonth = 1;
    }
    std::string monthBytes(char fill) const { return std::string(kMonthFileSize, fill); }
    Harness h;
};

TEST_F(MonthFile, NameUsesCalendarYearAndTwoDigitMonth) {
    const auto in = [](const std::string& dir, const char* name) {
        return dir + kSeparator + "Calendar_dat" + kSeparator + name;
    };
    EXPECT_EQ(monthFilePath("/d", "2003", 9), in("/d", "Calendar200309.dat"));
    EXPECT_EQ(monthFilePath("/d", "2002", 10), in("/d", "Calendar200210.dat"));
    EXPECT_EQ(monthFilePath("", "2002", 4), in("", "Calendar200204.dat"));
}

TEST_F(MonthFile, RoundTripKeepsEveryByteIncludingReservedAreas) {
    std::string bytes(kMonthFileSize, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    h.dir.write("Calendar_dat", kJanuary, bytes);
    CALENDAR_LOAD(h.context(), 1);
    EXPECT_TRUE(h.forms.messages.empty());
    // Emptied by someone else since: written over after はい.
    h.dir.write("Calendar_dat", kJanuary, "");
    h.forms.answerMessages({MessageAnswer::Yes});
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Saved);
    EXPECT_TRUE(h.dir.read("Calendar_dat", kJanuary) == bytes);
}

TEST_F(MonthFile, SavingOverALongerFileLeavesExactlyFortyThreeRecords) {
    h.dir.write("Calendar_dat", kJanuary, std::string(200000, 'x'));
    CALENDAR_SAVE(h.context(), 1);
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary).size(), kMonthFileSize);
    EXPECT_FALSE(h.dir.exists("Calendar_dat", kJanuary + ".tmp"));
}

TEST_F(MonthFile, MissingFileAnsweredNoKeepsThePreviousCells) {
    storeField(h.state->monthCells[5].lineText[1], "えんそく");
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::No});
    CALENDAR_LOAD(h.context(), 1);
    ASSERT_EQ(h.forms.messages.size(), 2u);
    EXPECT_EQ(h.forms.messages[0].title, "お知らせ");
    EXPECT_EQ(h.forms.messages[0].message,
              "カレンダーデータ(" + h.dir.file("Calendar_dat", kJanuary) + ")ファイルが見つかりません");
    EXPECT_EQ(h.forms.messages[1].message, "空データの作成を行いますか");
    EXPECT_EQ(h.forms.messages[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fieldText(h.state->monthCells[5].lineText[1]), "えんそく");
}

TEST_F(MonthFile, MissingFileAnsweredYesOffersTheEmptyYear) {
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::Yes});
    h.forms.answerInputs({"2002"});
    CALENDAR_LOAD(h.context(), 1);
    EXPECT_TRUE(h.dir.exists("Calendar_dat", kJanuary));
    EXPECT_TRUE(h.dir.exists("Calendar_dat", "Calendar200204.dat"));
}

TEST_F(MonthFile, FolderInTheFilesPlaceIsReportedAsSuchWithoutOfferingEmptyData) {
    std::filesystem::create_directory(u8path(h.dir.file("Calendar_dat", kJanuary)));
    CALENDAR_LOAD(h.context(), 1);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_NE(h.forms.messages[0].message.find("フォルダ"), std::string::npos);
    EXPECT_NE(h.forms.messages[0].message.find(kJanuary), std::string::npos);
}

TEST_F(MonthFile, ShortFileIsReadAsFarAsItGoesWithTheRestZero) {
    storeField(h.state->monthCells[42].lineText[8], "前の月");
    std::string bytes(2736 * 2 + 100, 'k');
    h.dir.write("Calendar_dat", kJanuary, bytes);
    CALENDAR_LOAD(h.context(), 1);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_NE(h.forms.messages[0].message.find("途中までしかない"), std::string::npos);
    EXPECT_EQ(h.state->monthCells[1].reservedHead[0], 'k');
    EXPECT_EQ(h.state->monthCells[2].reservedHead[99], 'k');
    EXPECT_EQ(h.state->monthCells[2].reservedHead[100], '\0');
    EXPECT_EQ(fieldText(h.state->monthCells[42].lineText[8]), "");
}

// A file longer than its records is told when read; writing over it drops
// the rest, so the save asks, and いいえ keeps the file and the edits.
TEST_F(MonthFile, LongerFileIsReportedAndNotSavedOverUnasked) {
    const std::string longer = monthBytes('m') + "tail";
    h.dir.write("Calendar_dat", kJanuary, longer);
    CALENDAR_LOAD(h.context(), 1);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "警告");
    EXPECT_NE(h.forms.messages[0].message.find("本来の大きさより長い"), std::string::npos);
    EXPECT_EQ(h.state->monthCells[kMonthRecords - 1].reservedHead[0], 'm');

    h.forms.answerMessages({MessageAnswer::No});
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Failed);
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), longer);
    h.forms.answerMessages({MessageAnswer::Yes});
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Saved);
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), monthBytes('m'));
    // The file is its records now: nothing more is asked.
    const std::size_t asked = h.forms.messages.size();
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Saved);
    EXPECT_EQ(h.forms.messages.size(), asked);
}

TEST_F(MonthFile, FailedSaveIsReportedAndLeavesTheOldFileWhole) {
    const std::string old = monthBytes('o');
    h.dir.write("Calendar_dat", kJanuary, old);
    storeField(h.state->monthCells[3].lineText[1], "新しい予定");
    {
        const FailingSaves failWrites(*h.state, 1);
        EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Failed);
    }
    EXPECT_EQ(h.dir.read("Calendar_dat", kJanuary), old);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_NE(h.forms.messages[0].message.find(h.dir.file("Calendar_dat", kJanuary)), std::string::npos);
    EXPECT_EQ(fieldText(h.state->monthCells[3].lineText[1]), "新しい予定");
}

TEST_F(MonthFile, MissingFolderMakesTheSaveFailWithAMessage) {
    std::filesystem::remove_all(u8path(h.dir.file("Calendar_dat", "")));
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Failed);
    EXPECT_EQ(h.forms.messages.at(0).title, "エラー");
}

#ifdef __linux__
// A file that exists but cannot be read (reading this one fails with an
// input/output error, even for root).
TEST_F(MonthFile, UnreadableFileIsReportedAndNotSavedOverUnasked) {
    const std::string path = h.dir.file("Calendar_dat", kJanuary);
    std::filesystem::create_symlink("/proc/self/mem", u8path(path));
    storeField(h.state->monthCells[5].lineText[1], "別の月");
    CALENDAR_LOAD(h.context(), 1);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_NE(h.forms.messages[0].message.find("読み込めません"), std::string::npos);
    EXPECT_EQ(fieldText(h.state->monthCells[5].lineText[1]), "");

    h.forms.answerMessages({MessageAnswer::No});
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Skipped);
    EXPECT_TRUE(std::filesystem::is_symlink(u8path(path)));
    EXPECT_EQ(h.forms.messages.at(1).buttons, MessageButtons::YesNo);

    // Yes saves through the link, onto a file that cannot be replaced: the
    // failure is told and the link kept.
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
    EXPECT_EQ(CALENDAR_SAVE(h.context(), 1), SaveResult::Failed);
    EXPECT_EQ(h.forms.messages.back().title, "エラー");
    EXPECT_EQ(std::filesystem::read_symlink(u8path(path)), "/proc/self/mem");
}
#endif

}  // namespace
}  // namespace cal::test
