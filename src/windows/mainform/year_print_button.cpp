#include "windows/mainform/year_print_button.h"

#include "print/year_print.h"
#include "state/context.h"
#include "tools/numbers.h"
#include "ui/names.h"
#include "view/grid_model.h"
#include "view/month_files.h"

namespace cal {

void BUTTON72_ON(Context& c) {
    AppState& s = c.state;
    DAT_UPDATE(c);
    // The displayed month is printed as it stands now, from its file.
    if (CALENDAR_SAVE(c, s.currentMonth) == SaveResult::Failed) return;
    const YearPrint printed = printSchoolYear(c, leadingInt(s.schoolYear));
    if (!printed.error.empty()) {
        c.dialogs.messageBox(kMainForm, "エラー", printed.error, MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    if (printed.missing.empty() || printed.pages == 0) return;
    std::string text = "カレンダーデータのない次の月は印刷しませんでした。";
    for (const std::string& month : printed.missing) text += "\r\n" + month;
    c.dialogs.messageBox(kMainForm, "お知らせ", text, MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace cal
