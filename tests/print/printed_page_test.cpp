// Every drawing call of the printed month page.
#include "data/sjis.h"
#include "layout/page_border.h"
#include "layout/grid.h"
#include "layout/month_layout.h"
#include "print/printed_page.h"
#include "state/display_settings.h"
#include "support/month_setup.h"
#include "ui/names.h"

#include <gtest/gtest.h>

#include <set>

namespace cal::test {
namespace {

std::vector<int> framesOf(const std::array<bool, 7>& available) {
    std::vector<int> frames;
    for (const FramePlace& p : borderPlaces(0, 130, available)) frames.push_back(p.frame);
    return frames;
}

TEST(Border, PlacesRunAroundThePageFromItsMargins) {
    const std::vector<FramePlace> places = borderPlaces(0, 130, {});
    ASSERT_EQ(places.size(), 24u + 22 + 24 + 22);
    EXPECT_EQ(places[0].x, -160);  // a left margin of 0 puts the left column off the page
    EXPECT_EQ(places[0].y, 50);
    EXPECT_EQ(places[23].x, -160 + 160 * 23);
    EXPECT_EQ(places[24].x, -160);
    EXPECT_EQ(places[45].y, 50 + 128 * 21);
    EXPECT_EQ(places[46].y, 50 + 128 * 21);
    EXPECT_EQ(places[91].x, 3520);
    EXPECT_EQ(places[91].y, 50 + 128 * 21);
}

TEST(Border, OnlyFramesOneAndThreeShowFrameOneButWhereTheExtraStepLands) {
    // A missing frame 2 sends the counter back to 1 every time, so frame 3 is
    // reached only by the extra step before the bottom edge.
    const std::vector<int> frames = framesOf({false, true, false, true, false, false, false});
    for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i], i == 46 ? 3 : 1) << i;
}

TEST(Border, OnlyFrameTwoAlternatesWithEmptyPlaces) {
    const std::vector<int> frames = framesOf({false, false, true, false, false, false, false});
    EXPECT_EQ(std::vector<int>(frames.begin(), frames.begin() + 4), (std::vector<int>{0, 2, 0, 2}));
}

TEST(Border, AllSixCycleAndTheExtraStepShiftsTheBottomEdge) {
    const std::vector<int> frames = framesOf({false, true, true, true, true, true, true});
    EXPECT_EQ(std::vector<int>(frames.begin(), frames.begin() + 7), (std::vector<int>{1, 2, 3, 4, 5, 6, 1}));
    // 46 places before the bottom edge end on frame (46 - 1) % 6 + 1 = 4; the
    // extra step skips frame 5.
    EXPECT_EQ(frames[45], 4);
    EXPECT_EQ(frames[46], 6);
}

class PrintedPage : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2003, 5, "木", 31);  // 1 May in cell 5 (Thursday)
        h.forms.createPrinter();
        // Places are checked as the system fills them; fitting has its own test.
        h.state->stretchPictures = true;
        for (int c = 0; c < 7; ++c) h.forms.move(kMonthForm, "PICTURE" + std::to_string(c + 1), 20 + 350 * c, 131);
    }
    void print() { drawPrintedPage(h.context(), *h.forms.printer); }
    std::vector<DrawCall> page() const { return h.forms.drawsOn("PRINTER", ""); }
    std::vector<DrawCall> at(double x0, double y0, double w, double hgt) const {
        std::vector<DrawCall> inside;
        for (const DrawCall& d : page())
            if (d.op != "clip" && d.x >= x0 && d.x < x0 + w && d.y >= y0 && d.y < y0 + hgt) inside.push_back(d);
        return inside;
    }
    Harness h;
};

TEST_F(PrintedPage, DayCellsAreLaidOutFromTheMarginsAtFullSize) {
    h.forms.setText(kMainForm, "EDIT6", "10");  // left margin 100
    std::vector<SettingProblem> problems;
    h.state->display = deriveDisplaySettings(h.forms, problems);
    print();
    // Cell of 1 May: row 0, column 4.
    const double x0 = 100 + 4 * 700, y0 = 130 + 320;
    const std::vector<DrawCall> cell = at(x0, y0, 700, 380);
    ASSERT_GE(cell.size(), 2u);
    EXPECT_EQ(cell[0].text, " 1");
    EXPECT_EQ(cell[0].x, x0 + 15);
    EXPECT_EQ(cell[0].magX, 3);
    EXPECT_EQ(cell[1].op, "rectangle");
    EXPECT_EQ(cell[1].x2, x0 + 690);
    EXPECT_EQ(cell[1].y2, y0 + 370);
}

TEST_F(PrintedPage, CheckedLinesStayOffThePaper) {
    addPicture(h, "a.bmp");
    DayCell& rec = h.state->monthCells[5];
    for (int j = 1; j <= 8; ++j) storeField(rec.lineText[static_cast<std::size_t>(j)], "line" + std::to_string(j));
    storeField(rec.pictureFile[1], "a.bmp");
    storeField(rec.pictureFile[3], "a.bmp");
    storeField(rec.pictureFile[4], "a.bmp");
    rec.lineCheck[1].set(1);
    rec.lineCheck[3].set(1);
    print();
    const double x0 = 4 * 700, y0 = 130 + 320;
    std::vector<std::string> texts;
    std::vector<std::pair<double, double>> pictures;
    for (const DrawCall& d : at(x0, y0, 700, 380)) {
        if (d.op == "text") texts.push_back(d.text);
        if (d.op == "stretch") pictures.emplace_back(d.x - x0, d.y - y0);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{" 1", "line2", "line4", "line5", "line6", "line7", "line8"}));
    EXPECT_EQ(pictures, (std::vector<std::pair<double, double>>{{140, 20}, {10, 40 * 4 + 4}}));
    for (const DrawCall& d : at(x0, y0, 700, 380))
        if (d.text == "line2") {
            EXPECT_EQ(d.x, x0 + 240);
            EXPECT_EQ(d.y, y0 + 60);
        } else if (d.text == "line4") {
            EXPECT_EQ(d.x, x0 + 80);
            EXPECT_EQ(d.y, y0 + 165);
        }
}

TEST_F(PrintedPage, OnlyTheStaffEditionShowsMarkedLinesInGreyAfterAMark) {
    addPicture(h, "a.bmp");
    DayCell& rec = h.state->monthCells[5];
    storeField(rec.lineText[1], "職員会議");
    storeField(rec.lineText[2], "えんそく");
    storeField(rec.lineText[3], "健康診断");
    storeField(rec.pictureFile[3], "a.bmp");
    rec.lineCheck[1].set(1);
    rec.lineCheck[3].set(1);
    const auto printed = [&](bool staff) {  // "text/colour" of every text and picture
        h.forms.draws.clear();
        h.state->print.staffEdition = staff;
        print();
        std::multiset<std::string> texts;
        for (const DrawCall& d : page())
            if (d.op == "text" || d.op == "stretch") texts.insert(d.text + "/" + std::to_string(d.color));
        return texts;
    };
    std::multiset<std::string> staff = printed(true);
    for (const std::string& parents : printed(false)) {
        // The title says which edition it is; everything else of the parents' page is on the staff's.
        if (parents.starts_with("2003ねん5がつ")) continue;
        const auto same = staff.find(parents);
        ASSERT_NE(same, staff.end()) << parents;
        staff.erase(same);
    }
    // What only the staff see: the marked lines in grey after their marks, and line 3's picture.
    ASSERT_EQ(staff.size(), 6u);
    EXPECT_EQ(staff.count("◆/1"), 2u);
    for (const char* only : {"2003ねん5がつ（職員用）/2", "職員会議/1", "健康診断/1"}) EXPECT_EQ(staff.count(only), 1u) << only;
    EXPECT_TRUE(std::any_of(staff.begin(), staff.end(), [](const std::string& t) { return t.ends_with("a.bmp/0"); }));
}

TEST_F(PrintedPage, TheShownDaysMarkStaysOffThePaper) {
    h.state->editorCell = 12;
    print();
    for (const DrawCall& d : page()) EXPECT_NE(d.color, kColorShownDay) << d.op;
}

TEST_F(PrintedPage, HolidayOnASaturdayIsRedAndSundaysToo) {
    h.state->yearSettings.holidayDate[1].set(503);
    print();
    const std::vector<DrawCall> saturday = at(6 * 700, 450, 700, 380);
    EXPECT_EQ(saturday[0].color, 5);
    EXPECT_EQ(saturday[1].color, 5);
    const std::vector<DrawCall> sunday = at(0, 450 + 380, 700, 380);  // 4 May
    EXPECT_EQ(sunday[0].text, " 4");
    EXPECT_EQ(sunday[0].color, 5);
    EXPECT_EQ(sunday[1].color, 5);
    const std::vector<DrawCall> nextSaturday = at(6 * 700, 450 + 380, 700, 380);
    EXPECT_EQ(nextSaturday[0].color, 2);
    EXPECT_EQ(nextSaturday[1].color, 11);
}

TEST_F(PrintedPage, TitleBandAndWeekdayNamesFromTheScreenGeometry) {
    storeField(h.state->yearSettings.schoolName, "さくら保育園");
    addPicture(h, "不明２５６.bmp");
    print();
    std::vector<DrawCall> texts;
    for (const DrawCall& d : page())
        if (d.op == "text" && d.y < 450) texts.push_back(d);
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "2003ねん5がつ");
    EXPECT_EQ(texts[0].x, 420);
    EXPECT_EQ(texts[0].y, 150);
    EXPECT_EQ(texts[0].magX, 3);
    EXPECT_EQ(texts[1].text, "さくら保育園");
    EXPECT_EQ(texts[1].x, 2520);
    EXPECT_EQ(texts[1].magY, 2);
    EXPECT_EQ(texts[3].text, "にちようび");
    EXPECT_DOUBLE_EQ(texts[3].x, 2 * (20 + 350.0 / 8) - 100);
    EXPECT_DOUBLE_EQ(texts[3].y, 130 + 131 + 72);
    EXPECT_EQ(texts[4].text, "げつようび");
    EXPECT_DOUBLE_EQ(texts[4].x, 2 * (370 + 350.0 / 8) - 100);
    std::vector<DrawCall> fallbacks;
    for (const DrawCall& d : page())
        if (d.op == "stretch") fallbacks.push_back(d);
    ASSERT_EQ(fallbacks.size(), 3u);  // title, school and class all fall back
    EXPECT_EQ(fallbacks[0].x, 10);
    EXPECT_EQ(fallbacks[0].x2, 190);
    EXPECT_EQ(fallbacks[1].x, 2380);
    EXPECT_EQ(fallbacks[2].y, 130 + 115);
}

TEST_F(PrintedPage, FramesAreDrawnAroundThePageWithTheirFonts) {
    addPicture(h, "f1.bmp");
    addPicture(h, "f3.bmp");
    storeField(h.state->yearSettings.framePicture[1], "f1.bmp");
    storeField(h.state->yearSettings.framePicture[3], "f3.bmp");
    print();
    std::vector<std::string> frames;
    for (const DrawCall& d : page())
        if (d.op == "stretch" && d.x2 == 95 && d.y2 == 80 && d.x != 2380) frames.push_back(d.text);
    ASSERT_EQ(frames.size(), 92u);
    EXPECT_EQ(frames[0], h.dir.file("Calendar_pic", "f1.bmp"));
    EXPECT_EQ(frames[46], h.dir.file("Calendar_pic", "f3.bmp"));
    const std::vector<std::string>& log = h.forms.printer->log;
    EXPECT_EQ(log.front(), "font ＭＳ ゴシック 12");
    EXPECT_NE(std::find(log.begin(), log.end(), "font ＭＳ ゴシック 9"), log.end());
}

TEST_F(PrintedPage, DrawingFailureAbandonsTheRestOfThePage) {
    h.forms.printer->drawingError = PrintError::Begin;
    print();
    for (const DrawCall& d : page()) EXPECT_NE(d.op, "text");
}

TEST_F(PrintedPage, PicturesKeepTheirProportionsInsideTheirPlaces) {
    h.state->stretchPictures = false;
    addPicture(h, "wide.bmp", 40, 10);
    DayCell& rec = h.state->monthCells[5];
    storeField(rec.pictureFile[1], "wide.bmp");
    print();
    const DayBox box = paperDayBox(h.state->display.boxWidth, h.state->display.boxHeight);
    const std::vector<DrawCall> calls = page();
    const DrawCall* drawn = nullptr;
    for (const DrawCall& d : calls)
        if (d.op == "stretch" && d.text == h.dir.file("Calendar_pic", "wide.bmp")) drawn = &d;
    ASSERT_NE(drawn, nullptr);
    EXPECT_DOUBLE_EQ(drawn->x2 / drawn->y2, 4.0);
    EXPECT_DOUBLE_EQ(drawn->x2, box.picture.width);  // a wide picture spans its place
    EXPECT_GT(drawn->y2, 0);
    EXPECT_LT(drawn->y2, box.picture.height);
}

}  // namespace
}  // namespace cal::test
