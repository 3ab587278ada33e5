#include "windows/mainform/mainform_handlers.h"

#include "windows/closing.h"
#include "state/handler_table.h"
#include "windows/mainform/common_copy.h"
#include "windows/mainform/mainform_controls.h"
#include "view/empty_year.h"
#include "windows/mainform/holiday_import.h"
#include "windows/mainform/ics_import.h"
#include "print/print_job.h"
#include "view/month_undo.h"
#include "view/navigation.h"
#include "ui/names.h"
#include "windows/mainform/ics_export_button.h"
#include "windows/mainform/year_print_button.h"

namespace cal {

void addMainWindowHandlers(HandlerTable& table) {
    using namespace mainform;
    table.add(kMainForm, EventKind::QueryClose,
              [](Context& c, const Event&) { return closingSequence(c, kMainForm); });
    table.add(kMainForm, EventKind::Resize, action([](Context& c, const Event&) {
                  const Geometry g = c.forms.geometry(kMainForm, {});
                  if (g.width != c.state.mainWidth || g.height != c.state.mainHeight)
                      c.forms.resize(kMainForm, {}, c.state.mainWidth, c.state.mainHeight);
              }));
    table.add(kEmptyYear, EventKind::On, action([](Context& c, const Event&) { KARA_DATE_MAKE(c); }));
    table.add(kCommonCopy, EventKind::On, action([](Context& c, const Event&) { BUTTON8_ON(c); }));
    table.add(kPreviousMonth, EventKind::On,
              action([](Context& c, const Event& e) { monthStep(c, e.form, MonthStep::Previous); }));
    table.add(kNextMonth, EventKind::On, action([](Context& c, const Event& e) { monthStep(c, e.form, MonthStep::Next); }));
    table.add(kLoadData, EventKind::On, action([](Context& c, const Event&) { BUTTON2_ON(c); }));
    table.add(kPrint, EventKind::On, action([](Context& c, const Event&) { BUTTON7_ON(c); }));
    table.add(kPrintYear, EventKind::On, action([](Context& c, const Event&) { BUTTON72_ON(c); }));
    table.add(kExportIcs, EventKind::On, action([](Context& c, const Event&) { BUTTON76_ON(c); }));
    table.add(kHolidayImport, EventKind::On, action([](Context& c, const Event&) { BUTTON70_ON(c); }));
    table.add(kImportIcs, EventKind::On, action([](Context& c, const Event&) { BUTTON73_ON(c); }));
    table.add(kUndo, EventKind::On, action([](Context& c, const Event&) { undoMonth(c); }));
    table.add(kRedo, EventKind::On, action([](Context& c, const Event&) { redoMonth(c); }));
}

}  // namespace cal
