#include "windows/form2/form2_handlers.h"

#include "state/context.h"
#include "windows/closing.h"
#include "windows/form2/form2_controls.h"
#include "state/handler_table.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "windows/mainform/data_dir.h"
#include "ui/names.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace cal {

namespace {

int percentOf(double zoom) { return static_cast<int>(std::lround(zoom * 100)); }

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
}

}  // namespace cal
