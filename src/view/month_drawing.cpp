#include "view/month_drawing.h"

#include "app/context.h"
#include "data/sjis.h"
#include "tools/string_tools.h"
#include "view/bitmap_toolkit.h"
#include "view/grid.h"
#include "ui/names.h"

namespace cal {

namespace {

constexpr int kOrdinary = 2;
constexpr int kSunday = 5;
constexpr int kSaturday = 11;

std::string cellName(int n) { return "PICTURE" + std::to_string(n); }

// Draws the picture when it can be drawn; answers whether it was.
bool drawPicture(Context& c, Surface& surface, Bitmap& bitmap, const std::string& name, double x,
                 double y, double w, double h) {
    const std::string path = picturePath(c.state.dataDir, name);
    if (!GAZO_TYOUSA(c.forms, kMonthForm, path).drawable || !bitmap.load(path)) return false;
    surface.stretch(bitmap, x, y, w, h);
    return true;
}

// A title band picture, or the fallback picture in its place.
void drawTitlePicture(Context& c, Surface& surface, Bitmap& bitmap, const std::string& name, double x,
                      double y, double w, double h) {
    if (!drawPicture(c, surface, bitmap, name, x, y, w, h))
        drawPicture(c, surface, bitmap, kFallbackPicture, x, y, w, h);
}

void paintDay(Context& c, Surface& surface, Bitmap& bitmap, const DayCell& cell, int day, int k) {
    const AppState& s = c.state;
    const int w = s.display.boxWidth, h = s.display.boxHeight;
    const bool sunday = k % 7 == 0, saturday = k % 7 == 6;
    const std::string text = dayText(day);
    const int key = s.currentMonth * 100 + day;
    bool numberDrawn = false, frameDrawn = false;
    for (int i = 1; i <= 20; ++i) {
        if (s.yearSettings.holidayDate[static_cast<std::size_t>(i)].get() == key) {
            surface.text(2, 2, text, 3, 3, kSunday);
            surface.rectangle(0, 0, w - 10, h - 10, kSunday);
            numberDrawn = frameDrawn = true;
            break;
        }
        if (sunday) {
            surface.text(2, 2, text, 3, 3, kSunday);
            numberDrawn = true;
            break;
        }
    }
    if (!numberDrawn) surface.text(2, 2, text, 3, 3, kOrdinary);
    if (!frameDrawn)
        surface.rectangle(0, 0, w - 10, h - 10, sunday ? kSunday : saturday ? kSaturday : kOrdinary);
    drawPicture(c, surface, bitmap, fieldName(cell.pictureFile[1]), 60, 4, 50, 42);
    for (int j = 1; j <= 8; ++j)
        surface.text(s.display.margin + 90, 20 * j - 10, fieldText(cell.lineText[static_cast<std::size_t>(j)]),
                     1, 1, kOrdinary);
    for (int j = 3; j <= 8; ++j)
        drawPicture(c, surface, bitmap, fieldName(cell.pictureFile[static_cast<std::size_t>(j)]), 2,
                    50 + 20 * (j - 3), 27, 22);
}

}  // namespace

void GAME_CLS(Context& c) {
    const DisplaySettings& d = c.state.display;
    for (int n = 1; n <= d.cellCount(); ++n) c.forms.surface(kMonthForm, cellName(n)).clear();
}

void GAME_SAIBYOUGA(Context& c) {
    AppState& s = c.state;
    const std::unique_ptr<Bitmap> bitmap = c.forms.createBitmap();
    const MonthLayout layout = monthLayout(s.yearSettings, s.currentMonth);
    int k = 0, day = 1;
    for (int n = 1; n <= s.display.cellCount() && n < kMonthRecords; ++n, ++k) {
        if (k < layout.firstColumn || day > layout.days) continue;
        paintDay(c, c.forms.surface(kMonthForm, cellName(n)), *bitmap,
                 s.monthCells[static_cast<std::size_t>(n)], day, k);
        ++day;
    }
    s.dayChanged = 0;
}

void TITLE_SAIBYOUGA(Context& c) {
    const AppState& s = c.state;
    const YearSettings& y = s.yearSettings;
    const double m = s.display.margin;
    const std::unique_ptr<Bitmap> bitmap = c.forms.createBitmap();
    Surface& surface = c.forms.surface(kMonthForm, {});
    surface.clear();
    surface.text(m + 140, 0,
                 TOOL_NULL_CUT(s.currentYear) + "ねん" + std::to_string(FB_TUKI_CNV(11, s.currentMonth)) + "がつ",
                 2, 2, kOrdinary);
    const int index = FB_TUKI_CNV(1, s.currentMonth);
    drawTitlePicture(c, surface, *bitmap, fieldName(y.titlePicture[static_cast<std::size_t>(index)]), m, 0, 95,
                     80);
    drawTitlePicture(c, surface, *bitmap, fieldName(y.schoolPicture), (m + 2380) / 2, 0, 47, 40);
    drawTitlePicture(c, surface, *bitmap, fieldName(y.classPicture), (m + 2380) / 2, 40, 47, 40);
    surface.text((m + 2520) / 2, 0, fieldText(y.schoolName), 1, 1, kOrdinary);
    surface.text((m + 2520) / 2, 40, fieldText(y.className), 1, 1, kOrdinary);
    for (int col = 0; col < s.display.columns && col <= 8; ++col) {
        const Geometry g = c.forms.geometry(kMonthForm, cellName(col + 1));
        surface.text(g.x + g.width / 8, g.y - 42, kWeekdayKana[static_cast<std::size_t>(col == 0 ? 6 : col - 1)],
                     1, 1, kOrdinary);
    }
}

void repaintCells(Context& c) {
    GAME_CLS(c);
    GAME_SAIBYOUGA(c);
}

void repaintMonth(Context& c) {
    TITLE_SAIBYOUGA(c);
    repaintCells(c);
}

}  // namespace cal
