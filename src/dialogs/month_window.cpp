#include "dialogs/month_window.h"

#include "app/closing.h"
#include "app/handler_table.h"
#include "ui/names.h"

namespace cal {

void addMonthWindowHandlers(HandlerTable& table) {
    table.add("FORM2_QUERYCLOSE",
              [](Context& c, const Event&) { return closingSequence(c, kMonthForm); });
}

}  // namespace cal
