#include "view/month_undo.h"

#include "state/context.h"
#include "ui/names.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "view/recovery.h"
#include "windows/mainform/mainform_controls.h"

namespace cal {

namespace {

void showButtons(Context& c) {
    const MonthHistory& h = c.state.monthHistory;
    c.forms.setEnabled(kMainForm, mainform::kUndo, h.canUndo());
    c.forms.setEnabled(kMainForm, mainform::kRedo, h.canRedo());
}

void move(Context& c, bool back) {
    AppState& s = c.state;
    if (!DAT_UPDATE(c)) return;
    if (!(back ? s.monthHistory.undo(s.monthCells) : s.monthHistory.redo(s.monthCells))) return;
    repaintCells(c);
    DAT_SET(c);
    s.dayChanged = 0;
    if (s.monthHistory.isOnDisk(s.monthCells))
        dropRecovery(c);
    else
        keepRecovery(c);
    showButtons(c);
}

}  // namespace

std::unique_ptr<MonthCells> monthBefore(const Context& c) { return std::make_unique<MonthCells>(c.state.monthCells); }

void monthChanged(Context& c, const MonthCells& before) {
    c.state.monthHistory.changed(before, c.state.monthCells);
    showButtons(c);
}

void monthOnDisk(Context& c) {
    c.state.monthHistory.restart(c.state.monthCells);
    showButtons(c);
}

void undoMonth(Context& c) { move(c, true); }

void redoMonth(Context& c) { move(c, false); }

}  // namespace cal
