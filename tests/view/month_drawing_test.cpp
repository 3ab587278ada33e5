// Every drawing call of the day cells and the title band.
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "view/month_drawing.h"
#include "windows/form2/form2_controls.h"

#include <gtest/gtest.h>

namespace cal::test {
namespace {

class MonthDrawing : public ::testing::Test {
protected:
    // Places are checked as the system fills them; fitting has its own test.
    void SetUp() override {
        h.createForms();
        h.state->stretchPictures = true;
    }
    // What is drawn in cell n, without the clip around it.
    std::vector<DrawCall> cell(int n) const {
        std::vector<DrawCall> calls = h.forms.drawsOn(kMonthForm, form2::cell(n));
        std::erase_if(calls, [](const DrawCall& d) { return d.op == "clip" || d.op == "noclip"; });
        return calls;
    }
    static const DrawCall* find(const std::vector<DrawCall>& calls, const std::string& op) {
        for (const DrawCall& d : calls)
            if (d.op == op) return &d;
        return nullptr;
    }
    std::string dayNumberOf(int n) const {
        const std::vector<DrawCall> calls = cell(n);
        const DrawCall* text = find(calls, "text");
        return text ? text->text : "";
    }
    Harness h;
};

TEST_F(MonthDrawing, DayCellDrawsNumberFrameLinesInTheirPlaces) {
    showMonth(h, 2003, 1, "水", 31);  // 1 January 2003 was a Wednesday: day 1 in cell 4
    DayCell& rec = h.state->monthCells[4];
    storeField(rec.lineText[1], "元日");
    storeField(rec.lineText[8], "last");
    GAME_SAIBYOUGA(h.context());
    const std::vector<DrawCall> calls = cell(4);
    ASSERT_EQ(calls.size(), 10u);  // number, frame, eight lines; no pictures
    EXPECT_EQ(calls[0].op, "text");
    EXPECT_EQ(calls[0].text, " 1");
    EXPECT_EQ(calls[0].x, 2);
    EXPECT_EQ(calls[0].y, 2);
    EXPECT_EQ(calls[0].magX, 3);
    EXPECT_EQ(calls[0].color, 2);
    EXPECT_EQ(calls[1].op, "rectangle");
    EXPECT_EQ(calls[1].x2, 340);
    EXPECT_EQ(calls[1].y2, 180);
    EXPECT_EQ(calls[1].color, 2);
    for (int j = 1; j <= 8; ++j) {
        const DrawCall& line = calls[static_cast<std::size_t>(j + 1)];
        EXPECT_EQ(line.x, 20 + 90);
        EXPECT_EQ(line.y, 20 * j - 10);
        EXPECT_EQ(line.magX, 1);
    }
    EXPECT_EQ(calls[2].text, "元日");
    EXPECT_EQ(calls[3].text, "");  // empty lines are drawn too
    EXPECT_EQ(calls[9].text, "last");
    EXPECT_TRUE(cell(3).empty());
    EXPECT_EQ(h.state->dayChanged, 0);
}

TEST_F(MonthDrawing, SundayStartFillsFromCellOne) {
    showMonth(h, 2003, 6, "日", 30);
    GAME_SAIBYOUGA(h.context());
    EXPECT_EQ(dayNumberOf(1), " 1");
    EXPECT_EQ(find(cell(1), "rectangle")->color, 5);
    EXPECT_EQ(find(cell(1), "text")->color, 5);
    EXPECT_EQ(find(cell(7), "rectangle")->color, 11);  // Saturday frame, ordinary number
    EXPECT_EQ(find(cell(7), "text")->color, 2);
    EXPECT_EQ(dayNumberOf(9), " 9");
    EXPECT_EQ(dayNumberOf(10), "10");
    EXPECT_EQ(dayNumberOf(30), "30");
    EXPECT_TRUE(cell(31).empty());
}

TEST_F(MonthDrawing, SaturdayStartWithThirtyOneDaysStopsAtTheLastCell) {
    showMonth(h, 2003, 3, "土", 31);
    GAME_SAIBYOUGA(h.context());
    for (int n = 1; n <= 6; ++n) EXPECT_TRUE(cell(n).empty()) << n;
    EXPECT_EQ(dayNumberOf(7), " 1");
    EXPECT_EQ(dayNumberOf(35), "29");
    for (const DrawCall& d : h.forms.draws) EXPECT_NE(d.text, "30");
    EXPECT_TRUE(cell(36).empty());
}

TEST_F(MonthDrawing, NothingOfADayIsDrawnOutsideItsFrame) {
    showMonth(h, 2003, 1, "水", 31);
    addPicture(h, "a.bmp");
    DayCell& rec = h.state->monthCells[4];
    for (std::size_t j = 1; j <= 8; ++j) storeField(rec.lineText[j], "あいうえおかきくけこさしすせそたちつてと");  // 40 bytes
    for (std::size_t j = 1; j <= 8; ++j) storeField(rec.pictureFile[j], "a.bmp");
    GAME_SAIBYOUGA(h.context());
    const std::vector<DrawCall> calls = h.forms.drawsOn(kMonthForm, "PICTURE4");
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().op, "clip");
    EXPECT_EQ(calls.back().op, "noclip");
    const DrawCall frame = *find(calls, "rectangle");
    EXPECT_EQ(calls.front().x, frame.x);
    EXPECT_EQ(calls.front().y, frame.y);
    EXPECT_EQ(calls.front().x2, frame.x2);
    EXPECT_EQ(calls.front().y2, frame.y2);
    for (const DrawCall& d : calls) {
        EXPECT_GE(d.x, frame.x) << d.op;
        EXPECT_GE(d.y, frame.y) << d.op;
        EXPECT_LE(d.x, frame.x2) << d.op;
        EXPECT_LE(d.y, frame.y2) << d.op;
        if (d.op == "stretch") {
            EXPECT_LE(d.x + d.x2, frame.x2);
            EXPECT_LE(d.y + d.y2, frame.y2);
        }
    }
}

TEST_F(MonthDrawing, HolidayOnASaturdayIsRedNumberAndFrame) {
    showMonth(h, 2003, 5, "木", 31);  // 3 May 2003, cell 7, is a Saturday
    h.state->yearSettings.holidayDate[1].set(503);
    GAME_SAIBYOUGA(h.context());
    const std::vector<DrawCall> calls = cell(7);
    EXPECT_EQ(calls[0].text, " 3");
    EXPECT_EQ(calls[0].color, 5);
    EXPECT_EQ(calls[1].op, "rectangle");
    EXPECT_EQ(calls[1].color, 5);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const DrawCall& d) { return d.op == "rectangle"; }), 1);
    EXPECT_EQ(find(cell(14), "rectangle")->color, 11);  // 10 May, an ordinary Saturday
    EXPECT_EQ(find(cell(14), "text")->color, 2);
}

TEST_F(MonthDrawing, PicturesAreDrawnWhenDrawableAndEmptyNamesSkipped) {
    showMonth(h, 2003, 6, "日", 30);
    addPicture(h, "usagi.bmp");
    DayCell& rec = h.state->monthCells[2];
    storeField(rec.pictureFile[1], "usagi.bmp");
    storeField(rec.pictureFile[2], "usagi.bmp");  // slot 2 is never drawn
    storeField(rec.pictureFile[5], "usagi.bmp");
    storeField(rec.pictureFile[6], "missing.bmp");
    storeField(rec.pictureFile[7], "notes.txt");
    GAME_SAIBYOUGA(h.context());
    std::vector<DrawCall> stretches;
    for (const DrawCall& d : cell(2))
        if (d.op == "stretch") stretches.push_back(d);
    ASSERT_EQ(stretches.size(), 2u);
    EXPECT_EQ(stretches[0].x, 60);
    EXPECT_EQ(stretches[0].y, 4);
    EXPECT_EQ(stretches[0].x2, 50);
    EXPECT_EQ(stretches[0].y2, 42);
    EXPECT_EQ(stretches[1].x, 2);
    EXPECT_EQ(stretches[1].y, 50 + 20 * 2);
    EXPECT_EQ(stretches[1].x2, 27);
    EXPECT_EQ(stretches[1].y2, 22);
    EXPECT_EQ(stretches[0].text, h.dir.file("Calendar_pic", "usagi.bmp"));
    EXPECT_TRUE(find(cell(3), "stretch") == nullptr);
}

TEST_F(MonthDrawing, EachDistinctFileIsCheckedOncePerRepaint) {
    showMonth(h, 2003, 6, "日", 30);
    addPicture(h, "usagi.bmp");
    for (int n = 1; n <= 5; ++n) storeField(h.state->monthCells[static_cast<std::size_t>(n)].pictureFile[3], "usagi.bmp");
    GAME_SAIBYOUGA(h.context());
    // Five loads to draw and one to check.
    EXPECT_EQ(h.forms.loadedBitmapFiles[h.dir.file("Calendar_pic", "usagi.bmp")], 6);
    GAME_SAIBYOUGA(h.context());  // a new run checks again, so a changed file is seen
    EXPECT_EQ(h.forms.loadedBitmapFiles[h.dir.file("Calendar_pic", "usagi.bmp")], 12);
}

TEST_F(MonthDrawing, ClearCoversTheGridCellsOnly) {
    GAME_CLS(h.context());
    EXPECT_EQ(h.forms.draws.size(), 35u);
    EXPECT_EQ(h.forms.draws.back().control, "PICTURE35");
}

TEST_F(MonthDrawing, TitleBandWithFallbackPicturesAndNames) {
    showMonth(h, 2003, 1, "水", 31);
    addPicture(h, "不明２５６.bmp");
    addPicture(h, "yuki.bmp");
    YearSettings& y = h.state->yearSettings;
    storeField(y.titlePicture[10], "yuki.bmp");
    storeField(y.schoolName, "さくら保育園");
    storeField(y.className, "ひよこ組");
    storeField(y.classPicture, "nothing.bmp");
    for (int c = 0; c < 7; ++c) h.forms.move(kMonthForm, form2::cell(c + 1), 20 + 350 * c, 131);
    TITLE_SAIBYOUGA(h.context());
    const std::vector<DrawCall> calls = h.forms.drawsOn(kMonthForm, "");
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, "clear");
    EXPECT_EQ(calls[1].text, "2003ねん1がつ");
    EXPECT_EQ(calls[1].x, 160);
    EXPECT_EQ(calls[1].magY, 2);
    EXPECT_EQ(calls[2].op, "stretch");
    EXPECT_EQ(calls[2].text, h.dir.file("Calendar_pic", "yuki.bmp"));
    EXPECT_EQ(calls[2].x, 20);
    EXPECT_EQ(calls[2].x2, 95);
    EXPECT_EQ(calls[3].text, h.dir.file("Calendar_pic", "不明２５６.bmp"));  // no school picture
    EXPECT_EQ(calls[3].x, 1200);
    EXPECT_EQ(calls[3].x2, 47);
    EXPECT_EQ(calls[4].text, h.dir.file("Calendar_pic", "不明２５６.bmp"));  // missing class picture
    EXPECT_EQ(calls[4].y, 40);
    EXPECT_EQ(calls[5].text, "さくら保育園");
    EXPECT_EQ(calls[5].x, 1270);
    EXPECT_EQ(calls[6].text, "ひよこ組");
    EXPECT_EQ(calls[6].y, 40);
    ASSERT_EQ(calls.size(), 14u);
    EXPECT_EQ(calls[7].text, "にちようび");
    EXPECT_DOUBLE_EQ(calls[7].x, 20 + 350.0 / 8);
    EXPECT_DOUBLE_EQ(calls[7].y, 131 - 42);
    EXPECT_EQ(calls[8].text, "げつようび");
    EXPECT_EQ(calls[13].text, "どようび");
}

TEST_F(MonthDrawing, TitleWithoutAnyPictureDrawsNone) {
    showMonth(h, 2003, 1, "水", 31);
    TITLE_SAIBYOUGA(h.context());
    for (const DrawCall& d : h.forms.draws) EXPECT_NE(d.op, "stretch");
}

TEST_F(MonthDrawing, OtherColumnCountsKeepWeekdayClassesButNotNames) {
    h.state->display.columns = 9;
    h.state->display.rows = 4;
    showMonth(h, 2003, 6, "日", 30);
    GAME_SAIBYOUGA(h.context());
    EXPECT_EQ(find(cell(8), "text")->color, 5);  // day 8 is a Sunday in column 7
    EXPECT_EQ(find(cell(7), "rectangle")->color, 11);
    h.forms.draws.clear();
    TITLE_SAIBYOUGA(h.context());
    std::vector<std::string> names;
    for (const DrawCall& d : h.forms.drawsOn(kMonthForm, ""))
        if (d.op == "text" && d.magX == 1 && d.y < 0) names.push_back(d.text);
    EXPECT_EQ(names, (std::vector<std::string>{"にちようび", "げつようび", "かようび", "すいようび",
                                                "もくようび", "きんようび", "どようび", "にちようび", ""}));
}

}  // namespace
}  // namespace cal::test
