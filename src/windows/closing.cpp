#include "windows/closing.h"

#include "state/context.h"
#include "windows/form2/form2_handlers.h"
#include "windows/form6/paper_row.h"
#include "view/month_files.h"
#include "view/recovery.h"
#include "view/grid_model.h"

namespace cal {

int closingSequence(Context& c, std::string_view owner) {
    if (c.dialogs.messageBox(owner, "問い合せ", "カレンダー作成を終了しますか", MessageButtons::YesNo,
                           MessageIcon::Information) != MessageAnswer::Yes)
        return 1;
    const bool save = c.state.askOnUpdate != 1 ||
                      c.dialogs.messageBox(owner, "問い合せ", "データを更新して、終了しますか.", MessageButtons::YesNo,
                                         MessageIcon::Information) == MessageAnswer::Yes;
    // The day shown in the editor is part of the save: typed lines are not
    // left behind. A month that could not be written stays open rather than
    // being lost.
    if (save && !storeShownDay(c)) return 1;
    if (!save) dropRecovery(c);
    if (save && CALENDAR_SAVE(c, c.state.currentMonth) == SaveResult::Failed) return 1;
    rememberMonthZoom(c);
    rememberPaper(c);
    c.forms.endProgram();
    return 0;
}

}  // namespace cal
