#include "windows/form2/form2_handlers.h"

#include "windows/closing.h"
#include "windows/form2/form2_controls.h"
#include "state/handler_table.h"
#include "view/grid_model.h"
#include "ui/names.h"

namespace cal {

void addMonthWindowHandlers(HandlerTable& table) {
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
