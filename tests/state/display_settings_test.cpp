// The ranges of the display and print settings: what start-up does with a
// file holding a value outside them, and that screen and paper agree.
#include "print/print_job.h"
#include "state/display_settings.h"
#include "support/harness.h"
#include "support/month_setup.h"
#include "ui/form_description.h"
#include "ui/names.h"
#include "windows/form_descriptions.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cal::test {
namespace {

TEST(SettingRanges, InitialTextsAreTheMainWindowsOwnAndLieInsideTheirRanges) {
    const FormDescription main = forms::mainForm();
    for (const SettingRange& r : kSettingRanges) {
        const ControlDescription* field = findControl(main, r.field);
        ASSERT_NE(field, nullptr) << r.field;
        EXPECT_EQ(field->text, r.initial) << r.field;
        EXPECT_TRUE(checkedSetting(r, r.initial)) << r.field;
    }
}

TEST(SettingRanges, EndsAreTakenAndEverythingElseRefused) {
    const SettingRange& width = *settingRange(mainform::kBoxWidth);
    EXPECT_EQ(checkedSetting(width, "1"), 1.0);
    EXPECT_EQ(checkedSetting(width, " 420 "), 420.0);
    EXPECT_EQ(checkedSetting(width, "70.5"), 70.5);
    for (const char* bad : {"0", "420.1", "-5", "", "abc", "70mm", "1e3", "７０", "400000000", "."})
        EXPECT_FALSE(checkedSetting(width, bad)) << bad;
    EXPECT_TRUE(checkedSetting(*settingRange(mainform::kPaperLeft), "0"));  // a margin may be 0
    EXPECT_EQ(settingRange("EDIT7"), nullptr);                  // carried through, never used
    EXPECT_EQ(settingRangeMessage(width), "「１日の枠幅㎜」は 1～420 の数で入力してください。");
}

class SettingsAtStartup : public ::testing::Test {
protected:
    void start(const std::string& settings) {
        h.clock.date = {2003, 5, 10};
        writeYearFile(h, 2003, 5, "木", 31);
        writeMonthFile(h, 2003, 5);
        h.dir.write("master", "CalendarH.dat", settings);
        h.start();
    }
    std::vector<std::string> warnings() const {
        std::vector<std::string> found;
        for (const ShownMessage& m : h.forms.messages)
            if (m.title == "警告") found.push_back(m.message);
        return found;
    }
    Harness h;
};

TEST_F(SettingsAtStartup, HugeBoxIsReportedOnceAndTheDefaultUsedOnScreenAndPaper) {
    start("7\n5\n400000000\n38\n13\n0\n5\n6\n7\n1\n0\n7\n\n8\n12\n2\n3\n4\n0\n4\n40\n");
    ASSERT_EQ(warnings().size(), 1u);
    const std::string w = warnings()[0];
    EXPECT_NE(w.find("「１日の枠幅㎜」 400000000 → 70（1～420）"), std::string::npos) << w;
    EXPECT_NE(w.find("CalendarH.dat"), std::string::npos);
    const DisplaySettings& d = h.state->display;
    EXPECT_EQ(d.boxWidth, 350);
    EXPECT_EQ(d.paperBoxWidth, 2 * d.boxWidth);
    EXPECT_EQ(h.forms.geometry(kMonthForm, "PICTURE1").width, 350);
    // The file keeps what the user wrote until the user mends it.
    EXPECT_EQ(h.dir.read("master", "CalendarH.dat").substr(4, 10), "400000000\n");
}

TEST_F(SettingsAtStartup, EveryBadValueIsListedInOneMessage) {
    start("7\n5\n-70\n38\n-13\n99999\n5\n6\n7\n1\n0\n7\n\n8\n0\n2\n3\n4\n0\nx\n1000\n");
    ASSERT_EQ(warnings().size(), 1u);
    const std::string w = warnings()[0];
    for (const char* label : {"１日の枠幅㎜", "印刷↑上余白㎜", "印刷←左余白㎜", "印刷ﾌｫﾝﾄｻｲｽﾞ", "←画面余白㎜",
                              "画面タイトル高㎜"})
        EXPECT_NE(w.find(label), std::string::npos) << label;
    EXPECT_EQ(w.find("１日の枠高さ㎜"), std::string::npos);
    const DisplaySettings d;
    EXPECT_EQ(h.state->display.paperTop, d.paperTop);
    EXPECT_EQ(h.state->display.paperLeft, d.paperLeft);
    EXPECT_EQ(h.state->display.printFontSize, d.printFontSize);
    EXPECT_DOUBLE_EQ(h.state->display.titleMm, d.titleMm);
}

TEST_F(SettingsAtStartup, ValidSettingsRaiseNoWarningAndPaperIsTheScreenDoubled) {
    start("7\n5\n60\n30\n10\n5\n");
    EXPECT_TRUE(warnings().empty());
    const DisplaySettings& d = h.state->display;
    EXPECT_EQ(d.paperBoxWidth, 600);
    EXPECT_EQ(d.paperBoxHeight, 2 * d.boxHeight);
    EXPECT_EQ(d.paperTop, 100);
    EXPECT_EQ(d.paperLeft, 50);
}

// The printed page takes the checked box size, not the field: a box refused
// on screen never reaches the paper, and every day is printed.
TEST_F(SettingsAtStartup, PrintedPageUsesTheCheckedBoxWhateverTheFieldSays) {
    start("7\n5\n-70\n38\n");
    h.forms.setText(kMainForm, mainform::kBoxHeight, "-38");  // typed after start-up
    h.forms.answerMessages({MessageAnswer::Ok});
    BUTTON7_ON(h.context());
    std::vector<std::string> days;
    double widest = 0;
    for (const DrawCall& d : h.forms.drawsOn("PRINTER", "")) {
        if (d.op == "text" && d.magX == 3 && d.text.size() == 2) days.push_back(d.text);
        if (d.op == "rectangle") widest = std::max(widest, d.x2 - d.x);
    }
    EXPECT_EQ(days.size(), 31u);
    EXPECT_EQ(widest, 700 - 10);
}

}  // namespace
}  // namespace cal::test
