// The text and month tools, the window arrangement and the topmost box.
#include "support/recording_forms.h"
#include "tools/numbers.h"
#include "tools/string_tools.h"
#include "ui/top_mess_box.h"
#include "ui/window_tools.h"
#include "ui/names.h"

#include <gtest/gtest.h>

namespace cal::test {
namespace {

TEST(NullCut, TrimsThenCutsAtTheFirstZero) {
    EXPECT_EQ(TOOL_NULL_CUT(std::string("sakura.bmp\0\0\0", 13)), "sakura.bmp");
    EXPECT_EQ(TOOL_NULL_CUT("      "), "");
    EXPECT_EQ(TOOL_NULL_CUT(std::string(5, '\0')), "");
    EXPECT_EQ(TOOL_NULL_CUT(std::string("abc \0\0", 6)), "abc ");
}

TEST(YenCut, KeepsTheFileNameAfterTheLastSeparator) {
    EXPECT_EQ(TOOL_YEN_CUT("C:\\data\\Calendar_pic\\usagi.bmp"), "usagi.bmp");
    EXPECT_EQ(TOOL_YEN_CUT("/home/hoiku/Calendar_pic/くま.bmp"), "くま.bmp");
    EXPECT_EQ(TOOL_YEN_CUT("C:\\写真\\表紙.bmp"), "表紙.bmp");
    EXPECT_EQ(TOOL_YEN_CUT("  name.bmp "), "name.bmp");
    EXPECT_EQ(TOOL_YEN_CUT("C:\\pics\\"), "");
    EXPECT_EQ(TOOL_YEN_CUT("   "), "   ");
    EXPECT_EQ(TOOL_YEN_CUT("\x1b"), "\x1b");
}

TEST(MonthConversion, SchoolYearOrderBothWays) {
    EXPECT_EQ(FB_TUKI_CNV(MonthConv::ToSchool, 4), 1);
    EXPECT_EQ(FB_TUKI_CNV(MonthConv::ToSchool, 12), 9);
    EXPECT_EQ(FB_TUKI_CNV(MonthConv::ToSchool, 3), 12);
    EXPECT_EQ(FB_TUKI_CNV(MonthConv::ToCalendar, 10), 1);
    EXPECT_EQ(FB_TUKI_CNV(MonthConv::ToCalendar, 9), 12);
    EXPECT_EQ(FB_TUKI_CNV(MonthConv::Same, 7), 7);
    EXPECT_EQ(FB_TUKI_CNV(MonthConv::ToSchool, 13), 0);
    EXPECT_EQ(FB_TUKI_CNV(MonthConv::ToSchool, 0), 0);
    EXPECT_EQ(FB_TUKI_CNV(static_cast<MonthConv>(3), 5), 0);
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(FB_TUKI_CNV(MonthConv::ToCalendar, FB_TUKI_CNV(MonthConv::ToSchool, m)), m);
}

TEST(Numbers, LeadingNumberOrZero) {
    EXPECT_EQ(leadingInt("70"), 70);
    EXPECT_EQ(leadingInt(" 12abc"), 12);
    EXPECT_EQ(leadingInt("abc"), 0);
    EXPECT_EQ(leadingInt(""), 0);
    EXPECT_EQ(leadingInt("-3"), -3);
    EXPECT_EQ(leadingInt("99999999999999"), 2147483647);
    EXPECT_DOUBLE_EQ(leadingValue("4.5mm"), 4.5);
}

TEST(TopMessBoxStyle, SumsTheCodes) {
    EXPECT_EQ(topMessBoxStyle(1, 0, 3, 0), 0x1040u);
    EXPECT_EQ(topMessBoxStyle(1, 0, 0, 0), 0x1010u);
    EXPECT_EQ(topMessBoxStyle(2, 2, 2, 4), 0x2234u);
    EXPECT_EQ(topMessBoxStyle(0, 1, 1, 5), 0x125u);
    EXPECT_EQ(topMessBoxStyle(7, 9, 4, 6), 0u);
}

TEST(TopMessBox, AnswersOneLessThanTheSystemAndCutsLongTexts) {
    RecordingForms forms;
    const std::string longText(100, 'x');
    EXPECT_EQ(TopMessBox(forms, Modality::System, 0, MessageIcon::Information, MessageButtons::Ok, longText + "あいう", "お知らせ"), 0);
    ASSERT_EQ(forms.messages.size(), 1u);
    EXPECT_TRUE(forms.messages[0].system);
    EXPECT_EQ(forms.messages[0].style, 0x1040u);
    EXPECT_EQ(forms.messages[0].message, longText + "あいう");
    TopMessBox(forms, Modality::System, 0, MessageIcon::Stop, MessageButtons::Ok, std::string(127, 'y') + "あ", "警　告");
    EXPECT_EQ(forms.messages[1].message, std::string(127, 'y'));
}

class WindowArrangement : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* f : {kMainForm, kMonthForm, kDayEditor}) forms.createForm(f);
        forms.setScreen(300, 200, 1134, 756);
        forms.resize(kDayEditor, {}, 800, 1500);
        forms.resize(kMonthForm, {}, 1500, 1200);
        forms.resize(kMainForm, {}, 1500, 600);
    }
    void expectAt(const char* form, double x, double y) {
        const Geometry g = forms.geometry(form, {});
        EXPECT_EQ(g.x, x) << form;
        EXPECT_EQ(g.y, y) << form;
    }
    RecordingForms forms;
};

TEST_F(WindowArrangement, TopLeftPutsTheDayEditorAtTheEdge) {
    GAME_Z_MOVE(forms, kDayEditor, 1, kDayEditor, kMonthForm, kMainForm, 100);
    expectAt(kDayEditor, 0, 0);
    expectAt(kMonthForm, 800, 0);
    expectAt(kMainForm, 800, 1200);
}

TEST_F(WindowArrangement, BottomRightWithTheMonthWindowFirst) {
    GAME_Z_MOVE(forms, kDayEditor, 4, kMonthForm, kDayEditor, kMainForm, 100);
    expectAt(kMonthForm, 700, 100);
    expectAt(kDayEditor, 2200, 100);
    expectAt(kMainForm, 700, 1300);
}

TEST_F(WindowArrangement, OtherCornersTopRightAndBottomLeft) {
    GAME_Z_MOVE(forms, kDayEditor, 2, kMonthForm, kDayEditor, kMainForm, 100);
    expectAt(kMonthForm, 700, 0);
    expectAt(kDayEditor, 2200, 0);
    expectAt(kMainForm, 700, 1200);
    GAME_Z_MOVE(forms, kDayEditor, 3, kDayEditor, kMonthForm, kMainForm, 100);
    expectAt(kDayEditor, 0, 100);
    expectAt(kMonthForm, 800, 100);
    expectAt(kMainForm, 800, 1300);
}

TEST_F(WindowArrangement, UnknownCornerMovesNothing) {
    forms.move(kMainForm, {}, 5, 6);
    GAME_Z_MOVE(forms, kDayEditor, 0, kDayEditor, kMonthForm, kMainForm, 100);
    GAME_Z_MOVE(forms, kDayEditor, 5, kDayEditor, kMonthForm, kMainForm, 100);
    expectAt(kMainForm, 5, 6);
}

}  // namespace
}  // namespace cal::test
