#include "view/month_drawing.h"

#include "state/context.h"
#include "data/sjis.h"
#include "tools/string_tools.h"
#include "view/bitmap_toolkit.h"
#include "layout/month_layout.h"
#include "ui/names.h"
#include "windows/form2/form2_controls.h"

#include <memory>

namespace cal {

namespace {

// Insets of the shown day's mark from the frame, in screen units (about one
// and two pixels).
constexpr double kShownDayInsets[] = {6, 12};

// Each cell is a picture control of its own: the day is drawn from its
// top-left, and nothing of it outside its frame.
void paintDay(const Context& c, PictureRun& run, Surface& surface, const DayBox& box, const DayCell& cell,
              const DayPlace& place) {
    const DayColors colors = dayColors(c.state.yearSettings, c.state.currentMonth, place.day, place.k);
    const Rect& f = box.frame;
    surface.clip(f.x, f.y, f.x + f.width, f.y + f.height);
    surface.text(box.number.x, box.number.y, dayText(place.day), box.numberMag, box.numberMag, colors.number);
    surface.rectangle(f.x, f.y, f.x + f.width, f.y + f.height, colors.frame);
    // The day the editor shows: two lines inside its frame.
    if (place.cell == c.state.editorCell)
        for (const double inset : kShownDayInsets)
            surface.rectangle(f.x + inset, f.y + inset, f.x + f.width - inset, f.y + f.height - inset,
                              kColorShownDay);
    const Rect& p = box.picture;
    run.draw(surface, fieldName(cell.pictureFile[1]), p.x, p.y, p.width, p.height);
    for (std::size_t j = 1; j <= 8; ++j)
        surface.text(box.lines[j].x, box.lines[j].y, fieldText(cell.lineText[j]), 1, 1, kColorOrdinary);
    for (std::size_t j = 3; j <= 8; ++j) {
        const Rect& r = box.smallPictures[j];
        run.draw(surface, fieldName(cell.pictureFile[j]), r.x, r.y, r.width, r.height);
    }
    surface.noClip();
}

}  // namespace

void GAME_CLS(Context& c) {
    const DisplaySettings& d = c.state.display;
    for (int n = 1; n <= d.cellCount(); ++n) c.drawing.surface(kMonthForm, form2::cell(n)).clear();
}

void GAME_SAIBYOUGA(Context& c) {
    const AppState& s = c.state;
    const DisplaySettings& d = s.display;
    PictureRun run(c.forms, c.drawing, kMonthForm, s.dataDir, s.stretchPictures);
    const DayBox box = screenDayBox(d.boxWidth, d.boxHeight, d.margin);
    const auto places = dayPlaces(monthLayout(s.yearSettings, s.currentMonth), d.columns, d.rows);
    // Pictures met for the first time are read from disk: a month full of
    // them takes a while, and the user sees how far it is.
    const std::unique_ptr<Progress> progress =
        c.dialogs.progress(kMonthForm, "カレンダーを表示しています", static_cast<int>(places.size()));
    int done = 0;
    for (const DayPlace& place : places) {
        paintDay(c, run, c.drawing.surface(kMonthForm, form2::cell(place.cell)), box,
                 s.monthCells[static_cast<std::size_t>(place.cell)], place);
        progress->step(++done);
    }
}

void TITLE_SAIBYOUGA(Context& c) {
    const AppState& s = c.state;
    const YearSettings& y = s.yearSettings;
    const double m = s.display.margin;
    PictureRun run(c.forms, c.drawing, kMonthForm, s.dataDir, s.stretchPictures);
    Surface& surface = c.drawing.surface(kMonthForm, {});
    surface.clear();
    surface.text(m + 140, 0,
                 TOOL_NULL_CUT(s.currentYear) + "ねん" + std::to_string(FB_TUKI_CNV(MonthConv::Same, s.currentMonth)) + "がつ",
                 2, 2, kColorOrdinary);
    const int index = FB_TUKI_CNV(MonthConv::ToSchool, s.currentMonth);
    run.drawOrFallback(surface, fieldName(y.titlePicture[static_cast<std::size_t>(index)]), m, 0, 95, 80);
    run.drawOrFallback(surface, fieldName(y.schoolPicture), (m + 2380) / 2, 0, 47, 40);
    run.drawOrFallback(surface, fieldName(y.classPicture), (m + 2380) / 2, 40, 47, 40);
    surface.text((m + 2520) / 2, 0, fieldText(y.schoolName), 1, 1, kColorOrdinary);
    surface.text((m + 2520) / 2, 40, fieldText(y.className), 1, 1, kColorOrdinary);
    for (int col = 0; col < s.display.columns && col <= 8; ++col) {
        const Geometry g = c.forms.geometry(kMonthForm, form2::cell(col + 1));
        surface.text(g.x + g.width / 8, g.y - 42, kWeekdayKana[static_cast<std::size_t>(col == 0 ? 6 : col - 1)],
                     1, 1, kColorOrdinary);
    }
}

void markShownDay(Context& c, int previousCell) {
    const AppState& s = c.state;
    const DisplaySettings& d = s.display;
    PictureRun run(c.forms, c.drawing, kMonthForm, s.dataDir, s.stretchPictures);
    const DayBox box = screenDayBox(d.boxWidth, d.boxHeight, d.margin);
    for (const DayPlace& place : dayPlaces(monthLayout(s.yearSettings, s.currentMonth), d.columns, d.rows)) {
        if (place.cell != previousCell && place.cell != s.editorCell) continue;
        Surface& surface = c.drawing.surface(kMonthForm, form2::cell(place.cell));
        surface.clear();
        paintDay(c, run, surface, box, s.monthCells[static_cast<std::size_t>(place.cell)], place);
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
