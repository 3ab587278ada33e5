#include "print/printed_page.h"

#include "state/context.h"
#include "data/sjis.h"
#include "layout/page_border.h"
#include "tools/string_tools.h"
#include "ui/form_description.h"
#include "ui/names.h"
#include "ui/printer.h"
#include "view/bitmap_toolkit.h"
#include "windows/form2/form2_controls.h"
#include "layout/line_fit.h"
#include "layout/month_layout.h"
#include "layout/paper_fit.h"
#include "print/fitted_surface.h"

#include <algorithm>

namespace cal {

namespace {

// Before a marked line on the staff edition: a mark at half the line's size.
constexpr std::string_view kStaffMark = "◆";
constexpr double kStaffMarkMag = 0.5;
constexpr double kStaffMarkWidth = kPrintedLinePoints * 254 / 72 * kStaffMarkMag;  // one full-width character
constexpr int kColorStaffOnly = 1;  // grey
constexpr double kTitlePoints = 12;

std::string pageTitle(const AppState& s, bool staff) {
    return TOOL_NULL_CUT(s.currentYear) + "ねん" + std::to_string(FB_TUKI_CNV(MonthConv::Same, s.currentMonth)) +
           "がつ" + (staff ? "（職員用）" : "");
}

// The page's texts and grid fitted to the paper the printer holds.
PageFit paperFit(const Context& c, Printer& printer, bool staff) {
    const DisplaySettings& d = c.state.display;
    const YearSettings& y = c.state.yearSettings;
    const double titleRight = std::max(
        {420 + 3 * printedTextWidth(pageTitle(c.state, staff), kTitlePoints),
         2520 + 2 * printedTextWidth(fieldText(y.schoolName), kTitlePoints),
         2520 + 2 * printedTextWidth(fieldText(y.className), kTitlePoints)});
    const Rect page = pageExtent(d.paperBoxWidth, d.paperBoxHeight, d.paperLeft, d.paperTop, d.columns, d.rows,
                                 titleRight);
    return fitPage(page, printer.paperArea().printable);
}

struct Page {
    Context& c;
    Printer& printer;
    Surface& surface;
    PictureRun& pictures;
    int boxWidth, boxHeight, top, left;
    bool staff;  // the staff edition: marked lines in grey after a small mark

    void draw(const std::string& name, double x, double y, double w, double h) {
        pictures.draw(surface, name, x, y, w, h);
    }
    void drawTitlePicture(const std::string& name, double x, double y, double w, double h) {
        pictures.drawOrFallback(surface, name, x, y, w, h);
    }

    void border() {
        const YearSettings& y = c.state.yearSettings;
        std::array<bool, 7> available{};
        std::array<std::string, 7> names;
        for (std::size_t f = 1; f <= 6; ++f) {
            names[f] = fieldName(y.framePicture[f]);
            available[f] = pictures.drawable(names[f]);
        }
        for (const FramePlace& p : borderPlaces(left, top, available))
            if (p.frame != 0)
                draw(names[static_cast<std::size_t>(p.frame)], p.x, p.y, kFrameWidth, kFrameHeight);
    }

    void titleBand() {
        const AppState& s = c.state;
        const YearSettings& y = s.yearSettings;
        surface.text(left + 420, top + 20, pageTitle(s, staff), 3, 3, kColorOrdinary);
        const auto m = static_cast<std::size_t>(FB_TUKI_CNV(MonthConv::ToSchool, s.currentMonth));
        drawTitlePicture(fieldName(y.titlePicture[m]), left + 10, top, 190, 160);
        drawTitlePicture(fieldName(y.schoolPicture), left + 2380, top + 25, 95, 80);
        drawTitlePicture(fieldName(y.classPicture), left + 2380, top + 115, 95, 80);
        surface.text(left + 2520, top + 25, fieldText(y.schoolName), 2, 2, kColorOrdinary);
        surface.text(left + 2520, top + 115, fieldText(y.className), 2, 2, kColorOrdinary);
        for (int col = 0; col < s.display.columns && col <= 8; ++col) {
            const Geometry g = c.forms.geometry(kMonthForm, form2::cell(col + 1));
            surface.text(left + 2 * (g.x + g.width / 8) - 100, top + g.y + 72,
                         kWeekdayKana[static_cast<std::size_t>(col == 0 ? 6 : col - 1)], 2, 2, kColorOrdinary);
        }
    }

    // A ticked line, and for lines 3 … 8 its small picture, stays off the
    // page; nothing of a day is drawn outside its frame.
    void day(const DayBox& box, const DayCell& cell, const DayPlace& place, Point at) {
        const DayColors colors = dayColors(c.state.yearSettings, c.state.currentMonth, place.day, place.k);
        const Rect& f = box.frame;
        surface.clip(at.x + f.x, at.y + f.y, at.x + f.x + f.width, at.y + f.y + f.height);
        surface.text(at.x + box.number.x, at.y + box.number.y, dayText(place.day), box.numberMag, box.numberMag,
                     colors.number);
        surface.rectangle(at.x + f.x, at.y + f.y, at.x + f.x + f.width, at.y + f.y + f.height, colors.frame);
        const Rect& p = box.picture;
        draw(fieldName(cell.pictureFile[1]), at.x + p.x, at.y + p.y, p.width, p.height);
        for (std::size_t j = 3; j <= 8; ++j) {
            const Rect& r = box.smallPictures[j];
            if (cell.lineCheck[j].get() == 0 || staff)
                draw(fieldName(cell.pictureFile[j]), at.x + r.x, at.y + r.y, r.width, r.height);
        }
        printer.setFont(kGothic, 9);
        for (std::size_t j = 1; j <= 8; ++j) {
            const Point& line = box.lines[j];
            const std::string text = fieldText(cell.lineText[j]);
            if (cell.lineCheck[j].get() == 0) {
                surface.text(at.x + line.x, at.y + line.y, text, 1, 1, kColorOrdinary);
            } else if (staff && !text.empty()) {
                // The mark sits in the gap left of the line: the line keeps its place.
                surface.text(at.x + line.x - kStaffMarkWidth, at.y + line.y + kStaffMarkWidth / 2, kStaffMark,
                             kStaffMarkMag, kStaffMarkMag, kColorStaffOnly);
                surface.text(at.x + line.x, at.y + line.y, text, 1, 1, kColorStaffOnly);
            }
        }
        surface.noClip();
    }

    void grid() {
        const AppState& s = c.state;
        printer.setFont(kGothic, 9);
        const GridPlacement placement = paperGrid(boxWidth, boxHeight, left, top);
        const DayBox box = paperDayBox(boxWidth, boxHeight);
        for (const DayPlace& place :
             dayPlaces(monthLayout(s.yearSettings, s.currentMonth), s.display.columns, s.display.rows))
            day(box, s.monthCells[static_cast<std::size_t>(place.cell)], place,
                placement.cell(place.row, place.column));
    }
};

}  // namespace

std::vector<LineOverflow> linesOffThePage(const Context& c) {
    const AppState& s = c.state;
    return overflowingLines(s.monthCells,
                            dayPlaces(monthLayout(s.yearSettings, s.currentMonth), s.display.columns, s.display.rows),
                            paperDayBox(s.display.paperBoxWidth, s.display.paperBoxHeight));
}

UndrawnNames drawPrintedPage(Context& c, Printer& printer) {
    PictureRun pictures(c.forms, c.drawing, kMainForm, c.state.dataDir, c.state.stretchPictures);
    // The page uses the checked settings the screen was laid out with.
    const DisplaySettings& d = c.state.display;
    const bool staff = c.state.print.staffEdition;
    FittedSurface fitted(printer.page(), paperFit(c, printer, staff));
    Page page{c,          printer,          fitted,    pictures, d.paperBoxWidth, d.paperBoxHeight,
              d.paperTop, d.paperLeft, staff};
    // A failure abandons the rest of the page.
    printer.setFont(kGothic, 12);
    page.border();
    if (printer.error() == PrintError::None) page.titleBand();
    if (printer.error() == PrintError::None) page.grid();
    return pictures.undrawn();
}

}  // namespace cal
