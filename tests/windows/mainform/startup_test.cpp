// The start-up sequence against a temporary data folder.
#include "data/sjis.h"
#include "data/year_file.h"
#include "support/harness.h"
#include "ui/names.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <cstring>

namespace cal::test {
namespace {

class Startup : public ::testing::Test {
protected:
    void writeYear(const std::string& name, const std::string& className) {
        auto y = std::make_unique<YearSettings>();
        storeField(y->className, className);
        std::string bytes(sizeof(YearSettings), '\0');
        std::memcpy(bytes.data(), y.get(), bytes.size());
        h.dir.write("master", name, bytes);
    }
    void writeMonth(const std::string& name, const std::string& firstLine) {
        std::string bytes(kMonthFileSize, '\0');
        bytes.replace(2736 * 15 + 680 + 40, firstLine.size(), firstLine);
        h.dir.write("Calendar_dat", name, bytes);
    }
    Harness h;
};

TEST_F(Startup, JanuaryBelongsToThePreviousSchoolYear) {
    h.clock.date = {2003, 1, 20};
    writeYear("Calendar2002設定.dat", "もも組");
    writeMonth("Calendar200301.dat", "shogatsu");
    h.start();
    const AppState& s = *h.state;
    EXPECT_EQ(s.dataDir, h.dir.path());
    EXPECT_EQ(s.currentMonth, 1);
    EXPECT_EQ(s.currentYear, "2003");
    EXPECT_EQ(s.schoolYear, "2002");
    EXPECT_EQ(h.forms.text(kMainForm, mainform::kSchoolYear), "2003");
    EXPECT_EQ(fieldName(s.yearSettings.className), "もも組");
    EXPECT_EQ(fieldText(s.monthCells[15].lineText[1]), "shogatsu");
    EXPECT_TRUE(h.forms.messages.empty());
    EXPECT_EQ(s.askOnUpdate, 0);
}

TEST_F(Startup, AprilStartsItsOwnSchoolYearAndCopiesTheDefault) {
    h.clock.date = {2003, 4, 1};
    writeYear("CalendarDef0設定.dat", "デフォルト");
    writeMonth("Calendar200304.dat", "nyuen");
    h.start();
    EXPECT_EQ(h.state->schoolYear, "2003");
    EXPECT_EQ(h.dir.read("master", "Calendar2003設定.dat"), h.dir.read("master", "CalendarDef0設定.dat"));
    ASSERT_EQ(h.forms.messages.size(), 1u);
    const ShownMessage& notice = h.forms.messages[0];
    EXPECT_TRUE(notice.system);
    EXPECT_EQ(notice.style, 0x1040u);
    EXPECT_EQ(notice.title, "お知らせ");
    EXPECT_EQ(notice.message, "2003年度のカレンダー設定ファイルが存在しないのでデフォルトからコピーしました.");
    EXPECT_EQ(fieldName(h.state->yearSettings.className), "デフォルト");
    EXPECT_EQ(fieldText(h.state->monthCells[15].lineText[1]), "nyuen");
}

TEST_F(Startup, NoYearFileAndNoDefaultSaysSoAndLeavesTheRecordZero) {
    h.clock.date = {2003, 4, 1};
    writeMonth("Calendar200304.dat", "");
    h.start();
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_NE(h.forms.messages[0].message.find("コピーできませんでした"), std::string::npos);
    EXPECT_FALSE(h.dir.exists("master", "Calendar2003設定.dat"));
    EXPECT_EQ(h.state->yearSettings.daysInMonth[1].get(), 0);
}

TEST_F(Startup, MissingMonthFileGivesTheTwoMessages) {
    h.clock.date = {2003, 1, 20};
    writeYear("Calendar2002設定.dat", "");
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::No});
    h.start();
    EXPECT_EQ(h.forms.messageTexts(),
              (std::vector<std::string>{
                  "カレンダーデータ(" + h.dir.file("Calendar_dat", "Calendar200301.dat") +
                      ")ファイルが見つかりません",
                  "空データの作成を行いますか"}));
}

TEST_F(Startup, WindowsAreBuiltLaidOutAndArranged) {
    h.clock.date = {2003, 1, 20};
    writeYear("Calendar2002設定.dat", "");
    writeMonth("Calendar200301.dat", "");
    h.start();
    EXPECT_EQ(h.forms.createdForms, (std::vector<std::string>{kMainForm, kMonthForm, kDayEditor}));
    const double band = 400.0 / 3;
    Geometry p1 = h.forms.geometry(kMonthForm, "PICTURE1");
    EXPECT_DOUBLE_EQ(p1.x, 20);
    EXPECT_DOUBLE_EQ(p1.y, band - 2);
    EXPECT_DOUBLE_EQ(p1.width, 350);
    EXPECT_DOUBLE_EQ(p1.height, 190);
    Geometry p9 = h.forms.geometry(kMonthForm, "PICTURE9");
    EXPECT_DOUBLE_EQ(p9.x, 20 + 350);
    EXPECT_DOUBLE_EQ(p9.y, 190 + band);
    EXPECT_EQ(h.forms.control(kMonthForm, "PICTURE35").fontSize, 4);
    EXPECT_EQ(h.forms.control(kMonthForm, "PICTURE35").fontName, "ＭＳ Ｐゴシック");
    EXPECT_GT(h.forms.geometry(kMonthForm, "PICTURE36").x, 10000);  // outside the grid
    const Geometry month = h.forms.geometry(kMonthForm, {});
    EXPECT_DOUBLE_EQ(month.width, 350 * 7 + 20 + 100);
    EXPECT_DOUBLE_EQ(month.height, 190 * 5 + 160 + band);
    EXPECT_EQ(h.forms.control(kMonthForm, {}).fontSize, 12);
    // Top-left corner: day editor, month window beside it, main window below.
    EXPECT_DOUBLE_EQ(h.forms.geometry(kDayEditor, {}).x, 0);
    EXPECT_DOUBLE_EQ(h.forms.geometry(kMonthForm, {}).x, 931);
    EXPECT_DOUBLE_EQ(h.forms.geometry(kMainForm, {}).y, month.height);
    EXPECT_DOUBLE_EQ(h.state->dotsPerTenthMmX, 1134.0 / 3000);
    EXPECT_EQ(h.state->mainWidth, 1891);
}

TEST_F(Startup, SettingsFileFillsTheFieldsWithEitherLineEnd) {
    h.clock.date = {2003, 1, 20};
    std::string text;
    const char* values[] = {"6", "6", "60", "30", "10", "5", "", "", "", "", "", "", "",
                            "8", "12", "", "", "", "", "6", "30"};
    for (int i = 0; i < 21; ++i) text += std::string(values[i]) + (i % 2 ? "\r\n" : "\n");
    h.dir.write("master", "CalendarH.dat", text);
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::No});
    h.start();
    const DisplaySettings& d = h.state->display;
    EXPECT_EQ(d.columns, 6);
    EXPECT_EQ(d.rows, 6);
    EXPECT_EQ(d.boxWidth, 300);
    EXPECT_EQ(d.boxHeight, 150);
    EXPECT_DOUBLE_EQ(d.margin, 30);
    EXPECT_DOUBLE_EQ(d.titleMm, 30);
    EXPECT_EQ(d.paperTop, 100);
    EXPECT_EQ(d.paperLeft, 50);
    EXPECT_EQ(h.forms.text(kMainForm, "EDIT7"), "");
    EXPECT_DOUBLE_EQ(h.forms.geometry(kMonthForm, "PICTURE7").y, 150 + 100.0);
}

TEST_F(Startup, NoSettingsFileKeepsTheDesignValues) {
    h.clock.date = {2003, 1, 20};
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::No});
    h.start();
    const DisplaySettings& d = h.state->display;
    EXPECT_EQ(d.columns, 7);
    EXPECT_EQ(d.rows, 5);
    EXPECT_EQ(d.boxWidth, 350);
    EXPECT_EQ(d.boxHeight, 190);
    EXPECT_EQ(d.paperTop, 130);
    EXPECT_EQ(d.paperLeft, 0);
    EXPECT_DOUBLE_EQ(d.margin, 20);
    EXPECT_DOUBLE_EQ(d.titleMm, 40);
}

TEST_F(Startup, UnusableGridIsReportedOnceAndTheDefaultsUsed) {
    h.clock.date = {2003, 1, 20};
    const std::string original = "7\n7\n70\n38\n13\n0\n";
    h.dir.write("master", "CalendarH.dat", original);  // 49 cells
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::No});
    h.start();
    EXPECT_EQ(h.forms.messages.at(0).title, "警告");
    EXPECT_EQ(h.state->display.rows, 5);
    EXPECT_EQ(h.state->display.columns, 7);
    EXPECT_EQ(h.dir.read("master", "CalendarH.dat"), original);
    for (const char* bad : {"0\n5\n70\n38\n", "7\nabc\n70\n38\n", "7\n5\n0\n38\n", "7\n5\n70\n-1\n"}) {
        Harness other;
        other.clock.date = {2003, 1, 20};
        other.dir.write("master", "CalendarH.dat", bad);
        other.start();
        EXPECT_EQ(other.forms.messages.at(0).title, "警告") << bad;
        EXPECT_EQ(other.state->display.cellCount(), 35) << bad;
    }
}

TEST_F(Startup, DataFolderFromTheCommandLineOrTheWorkingFolder) {
    h.forms.answerMessages({MessageAnswer::Ok, MessageAnswer::No});
    h.app.start({h.dir.path(), std::string("/somewhere/else")});
    EXPECT_EQ(h.state->dataDir, h.dir.path());

    Harness noArgument;
    noArgument.app.start({"", noArgument.dir.path()});
    EXPECT_EQ(noArgument.state->dataDir, noArgument.dir.path());

    Harness unreadable;
    unreadable.app.start({"", std::nullopt});
    EXPECT_EQ(unreadable.state->dataDir, "");
    EXPECT_EQ(unreadable.forms.messages.at(0).message, "カレントディレクトリが読み取れません");
    EXPECT_EQ(unreadable.forms.messages.at(0).title,
              "ソラニワのスプラウトワークスシリーズ　カレンダー（フリー無料ソフト）Ver4.0 L01");
}

}  // namespace
}  // namespace cal::test
