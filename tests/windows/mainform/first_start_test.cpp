// A start without a data folder: the question, a new data folder made from
// nothing, and the folder remembered for the next start.
#include "windows/mainform/data_dir.h"
#include "data/day_cell.h"
#include "data/settings_file.h"
#include "data/sjis.h"
#include "data/year_file.h"
#include "data/year_settings.h"
#include "layout/paper_fit.h"
#include "support/harness.h"
#include "ui/names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace cal::test {
namespace {

namespace fs = std::filesystem;

// Every file below `folder`, as paths relative to it.
std::set<std::string> filesBelow(const std::string& folder) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(u8path(folder)))
        if (entry.is_regular_file()) {
            const std::u8string name = fs::relative(entry.path(), u8path(folder)).generic_u8string();
            files.emplace(name.begin(), name.end());
        }
    return files;
}

// An empty folder that is no data folder, removed at the end.
struct EmptyFolder {
    EmptyFolder() {
        fs::remove_all(u8path(path + "/master"));
        fs::remove_all(u8path(path + "/Calendar_dat"));
        fs::remove_all(u8path(path + "/Calendar_pic"));
    }
    TempDataDir dir;
    std::string path = dir.path();
};

class FirstStart : public ::testing::Test {
protected:
    void SetUp() override { h.clock.date = {2003, 1, 15}; }  // school year 2002
    void startWithoutArgument(const std::string& current) { h.app.start({"", current, true}); }
    bool asked() const {
        for (const ShownMessage& m : h.forms.messages)
            if (m.message.find("使うデータフォルダを選んでください") != std::string::npos) return true;
        return false;
    }
    Harness h;
    EmptyFolder home;
};

TEST_F(FirstStart, TheQuestionsButtonsSayWhatEachChoiceDoes) {
    startWithoutArgument(home.path);
    ASSERT_TRUE(asked());
    EXPECT_EQ(h.forms.messages.front().buttonTexts,
              (std::vector<std::string>{"既存のフォルダを選ぶ", "新しく作る", "このまま続ける"}));
}

TEST_F(FirstStart, CreatingMakesExactlyTheFilesOfANewDataFolder) {
    EmptyFolder target;
    h.forms.answerMessages({MessageAnswer::No});  // いいえ: make a new one
    h.forms.answerFolders({target.path});
    startWithoutArgument(home.path);

    EXPECT_EQ(h.state->dataDir, target.path);
    std::set<std::string> expected{"master/CalendarH.dat", "master/Calendar2002設定.dat",
                                   "master/CalendarDef0設定.dat", "Calendar_pic/不明２５６.bmp"};
    for (const char* month : {"200204", "200205", "200206", "200207", "200208", "200209", "200210", "200211",
                              "200212", "200301", "200302", "200303"})
        expected.insert("Calendar_dat/Calendar" + std::string(month) + ".dat");
    EXPECT_EQ(filesBelow(target.path), expected);
    EXPECT_EQ(target.dir.read("Calendar_dat", "Calendar200303.dat"), std::string(kMonthFileSize, '\0'));

    // The year's day counts and first weekdays: April 2002 began on a Monday,
    // February 2003 had 28 days and began on a Saturday.
    YearSettings year{};
    std::string error;
    ASSERT_EQ(readYearSettings(target.dir.file("master", "Calendar2002設定.dat"), year, error), RecordRead::Whole);
    EXPECT_EQ(year.daysInMonth[1].get(), 30);
    EXPECT_EQ(fieldName(year.firstWeekday[1]), "月");
    EXPECT_EQ(year.daysInMonth[11].get(), 28);
    EXPECT_EQ(fieldName(year.firstWeekday[11]), "土");
    EXPECT_EQ(target.dir.read("master", "CalendarDef0設定.dat"),
              target.dir.read("master", "Calendar2002設定.dat"));

    std::vector<std::string> lines;
    ASSERT_TRUE(readSettingsLines(target.dir.file("master", "CalendarH.dat"), 30, lines, error));
    EXPECT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines.front(), "7");
    EXPECT_EQ(lines.back(), "40");

    const std::string picture = target.dir.read("Calendar_pic", "不明２５６.bmp");
    EXPECT_EQ(picture.substr(0, 2), "BM");
    EXPECT_EQ(picture.size(), 54u + 256 * 256 * 3);

    // The program starts on it without a complaint and remembers it.
    for (const ShownMessage& m : h.forms.messages) EXPECT_NE(m.title, "エラー") << m.message;
    EXPECT_EQ(h.state->yearSettings.daysInMonth[10].get(), 31);  // January
    EXPECT_EQ(h.registry.value(kRegistryKey, kDataFolderValue), target.path);
    EXPECT_EQ(h.forms.progressLog.front(), "データフォルダを作成しています 14");
    EXPECT_EQ(h.app.printDisplayedMonth(), 0);
    // Its page, six rows and every column, fits A3 unscaled as the sample's does.
    const DisplaySettings& d = h.state->display;
    EXPECT_EQ(d.rows, 6);
    const Rect page = pageExtent(d.paperBoxWidth, d.paperBoxHeight, d.paperLeft, d.paperTop, d.columns, d.rows, 0);
    const PageFit fit = fitPage(page, PaperArea{}.printable);
    EXPECT_TRUE(fit.scale == 1 && fit.origin.x == 0 && fit.origin.y == 0);
}

TEST_F(FirstStart, ANonEmptyFolderGetsANewDataFolderInside) {
    EmptyFolder target;
    target.dir.write("", "memo.txt", "x");
    h.forms.answerMessages({MessageAnswer::No});
    h.forms.answerFolders({target.path});
    startWithoutArgument(home.path);
    EXPECT_EQ(h.state->dataDir, target.path + kSeparator + "カレンダーデータ");
    EXPECT_EQ(filesBelow(target.path).count("カレンダーデータ/master/CalendarH.dat"), 1u);
}

TEST_F(FirstStart, ChoosingAnExistingDataFolderRemembersIt) {
    h.forms.answerMessages({MessageAnswer::Yes});
    h.forms.answerFolders({h.dir.path()});
    startWithoutArgument(home.path);
    EXPECT_EQ(h.state->dataDir, h.dir.path());
    EXPECT_EQ(h.registry.value(kRegistryKey, kDataFolderValue), h.dir.path());
}

TEST_F(FirstStart, AFolderThatIsNoDataFolderIsRefusedAndTheQuestionComesBack) {
    EmptyFolder other;
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Cancel});
    h.forms.answerFolders({other.path});
    startWithoutArgument(home.path);
    ASSERT_GE(h.forms.messages.size(), 3u);
    EXPECT_EQ(h.forms.messages[1].title, "警告");
    EXPECT_EQ(h.forms.messages[2].message, h.forms.messages[0].message);
    // Cancel goes on in the folder it was started in, as a start always did.
    EXPECT_EQ(h.state->dataDir, home.path);
    EXPECT_FALSE(h.registry.keyExists(kRegistryKey));
}

TEST_F(FirstStart, TheRememberedFolderIsUsedWithoutAsking) {
    h.registry.keys[kRegistryKey][kDataFolderValue] = h.dir.path();
    startWithoutArgument(home.path);
    EXPECT_EQ(h.state->dataDir, h.dir.path());
    EXPECT_FALSE(asked());
}

TEST_F(FirstStart, ARememberedFolderThatIsGoneAsksAgain) {
    h.registry.keys[kRegistryKey][kDataFolderValue] = home.path + "/gone";
    h.forms.answerMessages({MessageAnswer::Cancel});
    startWithoutArgument(home.path);
    EXPECT_TRUE(asked());
}

TEST_F(FirstStart, ADataFolderOrAnArgumentNeverAsks) {
    startWithoutArgument(h.dir.path());
    EXPECT_EQ(h.state->dataDir, h.dir.path());
    EXPECT_FALSE(asked());

    Harness withArgument;
    withArgument.app.start({home.path, home.path, true});
    EXPECT_EQ(withArgument.state->dataDir, home.path);
    for (const ShownMessage& m : withArgument.forms.messages)
        EXPECT_EQ(m.message.find("使うデータフォルダ"), std::string::npos);
}

}  // namespace
}  // namespace cal::test
