#include "windows/form2/form2_handlers.h"

#include "state/context.h"
#include "windows/closing.h"
#include "windows/form2/form2_controls.h"
#include "state/handler_table.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "windows/mainform/data_dir.h"
#include "ui/names.h"
#include "data/sjis.h"
#include "layout/month_layout.h"
#include "view/picture_choice.h"
#include "windows/form3/form3_controls.h"
#include "windows/form3/form3_handlers.h"

#include <algorithm>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace cal {

namespace {

int percentOf(double zoom) { return static_cast<int>(std::lround(zoom * 100)); }

bool holdsDay(const Context& c, int cell) {
    const DisplaySettings& d = c.state.display;
    for (const DayPlace& place : dayPlaces(monthLayout(c.state.yearSettings, c.state.currentMonth), d.columns, d.rows))
        if (place.cell == cell) return true;
    return false;
}

// Files dropped on a day: the day is selected as by a click, the pictures
// come into the library and take its free slots (the large one first), and
// the day is stored.
void dropOnDay(Context& c, int cell, const Event& e) {
    if (!holdsDay(c, cell) || !DAT_UPDATE(c)) return;
    c.state.selectedCell = cell;
    DAT_SET(c, SelectBy::Click);
    c.forms.focus(kDayEditor);
    bool placed = false;
    for (const std::string& name : libraryNamesOf(c, kMonthForm, e.files)) {
        const auto free = std::find_if(form3::kPictureSlots.begin(), form3::kPictureSlots.end(), [&](int slot) {
            return fieldName(c.state.dayPictureFile[static_cast<std::size_t>(slot)]).empty();
        });
        if (free == form3::kPictureSlots.end()) {
            c.dialogs.messageBox(kMonthForm, "お知らせ", "この日の絵の枠はすべて使われています。\r\n" + name,
                                 MessageButtons::Ok, MessageIcon::Information);
            break;
        }
        putDayPicture(c, *free, name);
        placed = true;
    }
    if (!placed) return;
    c.state.dayChanged = 1;
    DAT_UPDATE(c);
}

}  // namespace

void restoreMonthZoom(Context& c) {
    const std::optional<std::string> kept = c.registry.value(kRegistryKey, kMonthZoomValue);
    const int percent = kept ? std::atoi(kept->c_str()) : 0;
    if (percent > 100) c.forms.setZoom(kMonthForm, percent / 100.0);
    c.state.monthZoom = c.forms.zoom(kMonthForm);
}

void rememberMonthZoom(Context& c) {
    const int percent = percentOf(c.forms.zoom(kMonthForm));
    const std::optional<std::string> kept = c.registry.value(kRegistryKey, kMonthZoomValue);
    if (kept ? std::atoi(kept->c_str()) == percent : percent == 100) return;
    std::string error;
    // Only a convenience: the next start simply opens at the usual size.
    c.registry.setValue(kRegistryKey, kMonthZoomValue, std::to_string(percent), error);
}

void addMonthWindowHandlers(HandlerTable& table) {
    // Resized or zoomed by the user: the month is drawn again at its new size.
    table.add(kMonthForm, EventKind::Resize, action([](Context& c, const Event&) {
                  const double zoom = c.forms.zoom(kMonthForm);
                  if (percentOf(zoom) == percentOf(c.state.monthZoom)) return;
                  c.state.monthZoom = zoom;
                  repaintMonth(c);
              }));
    table.add(kMonthForm, EventKind::QueryClose,
              [](Context& c, const Event&) { return closingSequence(c, kMonthForm); });
    for (int n = 1; n <= form2::kCells; ++n)
        table.add(form2::cell(n), EventKind::Click, action([n](Context& c, const Event&) {
                      if (!DAT_UPDATE(c)) return;
                      c.state.selectedCell = n;
                      DAT_SET(c, SelectBy::Click);
                      c.forms.focus(kDayEditor);
                  }));
    for (int n = 1; n <= form2::kCells; ++n)
        table.add(form2::cell(n), EventKind::Drop, action([n](Context& c, const Event& e) { dropOnDay(c, n, e); }));
}

}  // namespace cal
