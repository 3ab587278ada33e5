#include "app/closing.h"

#include "app/context.h"
#include "data/month_file.h"

namespace cal {

int closingSequence(Context& c, std::string_view owner) {
    if (c.forms.messageBox(owner, "問い合せ", "カレンダー作成を終了しますか", mb::kYesNo,
                           mb::kIconInformation) != mb::kAnswerYes)
        return 1;
    const bool save = c.state.askOnUpdate != 1 ||
                      c.forms.messageBox(owner, "問い合せ", "データを更新して、終了しますか.", mb::kYesNo,
                                         mb::kIconInformation) == mb::kAnswerYes;
    // A month that could not be written stays open rather than being lost.
    if (save && CALENDAR_SAVE(c, c.state.currentMonth) == SaveResult::Failed) return 1;
    c.forms.endProgram();
    return 0;
}

}  // namespace cal
