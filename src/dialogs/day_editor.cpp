#include "dialogs/day_editor.h"

#include "app/closing.h"
#include "app/handler_table.h"
#include "tools/window_tools.h"
#include "ui/names.h"

namespace cal {

namespace {

// The four layout buttons stand in a 2 × 2 block matching their corners; the
// day editor always takes the screen edge.
Handler layout(int corner) {
    return action([corner](Context& c, const Event&) {
        const bool editorFirst = corner == 1 || corner == 3;
        GAME_Z_MOVE(c.forms, kDayEditor, corner, editorFirst ? kDayEditor : kMonthForm,
                    editorFirst ? kMonthForm : kDayEditor, kMainForm, 100);
    });
}

}  // namespace

void addDayEditorHandlers(HandlerTable& table) {
    table.add("BUTTON62_ON", layout(1));
    table.add("BUTTON63_ON", layout(2));
    table.add("BUTTON64_ON", layout(3));
    table.add("BUTTON65_ON", layout(4));
    table.add("FORM3_QUERYCLOSE",
              [](Context& c, const Event&) { return closingSequence(c, kDayEditor); });
}

}  // namespace cal
