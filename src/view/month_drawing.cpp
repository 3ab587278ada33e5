#include "view/month_drawing.h"

#include "state/context.h"
#include "data/sjis.h"
#include "tools/string_tools.h"
#include "view/bitmap_toolkit.h"
#include "layout/grid.h"
#include "ui/names.h"

namespace cal {

namespace {

std::string cellName(int n) { return "PICTURE" + std::to_string(n); }

void paintDay(const Context& c, PictureRun& run, Surface& surface, const DayCell& cell, int day, int k) {
    const AppState& s = c.state;
    const DayColors colors = dayColors(s.yearSettings, s.currentMonth, day, k);
    surface.text(2, 2, dayText(day), 3, 3, colors.number);
    surface.rectangle(0, 0, s.display.boxWidth - 10, s.display.boxHeight - 10, colors.frame);
    run.draw(surface, fieldName(cell.pictureFile[1]), 60, 4, 50, 42);
    for (int j = 1; j <= 8; ++j)
        surface.text(s.display.margin + 90, 20 * j - 10, fieldText(cell.lineText[static_cast<std::size_t>(j)]),
                     1, 1, kColorOrdinary);
    for (int j = 3; j <= 8; ++j)
        run.draw(surface, fieldName(cell.pictureFile[static_cast<std::size_t>(j)]), 2, 50 + 20 * (j - 3), 27, 22);
}

}  // namespace

void GAME_CLS(Context& c) {
    const DisplaySettings& d = c.state.display;
    for (int n = 1; n <= d.cellCount(); ++n) c.forms.surface(kMonthForm, cellName(n)).clear();
}

void GAME_SAIBYOUGA(Context& c) {
    AppState& s = c.state;
    PictureRun run(c.forms, kMonthForm, c.state.dataDir);
    const MonthLayout layout = monthLayout(s.yearSettings, s.currentMonth);
    int k = 0, day = 1;
    for (int n = 1; n <= s.display.cellCount() && n < kMonthRecords; ++n, ++k) {
        if (k < layout.firstColumn || day > layout.days) continue;
        paintDay(c, run, c.forms.surface(kMonthForm, cellName(n)), s.monthCells[static_cast<std::size_t>(n)], day, k);
        ++day;
    }
    s.dayChanged = 0;
}

void TITLE_SAIBYOUGA(Context& c) {
    const AppState& s = c.state;
    const YearSettings& y = s.yearSettings;
    const double m = s.display.margin;
    PictureRun run(c.forms, kMonthForm, c.state.dataDir);
    Surface& surface = c.forms.surface(kMonthForm, {});
    surface.clear();
    surface.text(m + 140, 0,
                 TOOL_NULL_CUT(s.currentYear) + "ねん" + std::to_string(FB_TUKI_CNV(11, s.currentMonth)) + "がつ",
                 2, 2, kColorOrdinary);
    const int index = FB_TUKI_CNV(1, s.currentMonth);
    run.drawOrFallback(surface, fieldName(y.titlePicture[static_cast<std::size_t>(index)]), m, 0, 95, 80);
    run.drawOrFallback(surface, fieldName(y.schoolPicture), (m + 2380) / 2, 0, 47, 40);
    run.drawOrFallback(surface, fieldName(y.classPicture), (m + 2380) / 2, 40, 47, 40);
    surface.text((m + 2520) / 2, 0, fieldText(y.schoolName), 1, 1, kColorOrdinary);
    surface.text((m + 2520) / 2, 40, fieldText(y.className), 1, 1, kColorOrdinary);
    for (int col = 0; col < s.display.columns && col <= 8; ++col) {
        const Geometry g = c.forms.geometry(kMonthForm, cellName(col + 1));
        surface.text(g.x + g.width / 8, g.y - 42, kWeekdayKana[static_cast<std::size_t>(col == 0 ? 6 : col - 1)],
                     1, 1, kColorOrdinary);
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
