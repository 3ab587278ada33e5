#include "windows/mainform/holiday_import.h"

#include "state/context.h"
#include "data/sjis.h"
#include "layout/month_layout.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "ui/names.h"
#include "view/recovery.h"

namespace cal {

namespace {

void importDay(Context& c, DayCell& cell, int day) {
    const YearSettings& y = c.state.yearSettings;
    const int key = c.state.currentMonth * 100 + day;
    if (!fieldName(cell.pictureFile[1]).empty() &&
        c.dialogs.messageBox(kMainForm, "問い合せ", std::to_string(day) + "日の画像をｸﾘｱしてｾｯﾄしますよろしいですか",
                           MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes) {
        cell.pictureFile[1] = {};
        cell.lineText[1] = {};
    }
    for (std::size_t i = 1; i <= 20; ++i) {
        if (y.holidayDate[i].get() != key || !fieldName(cell.pictureFile[1]).empty()) continue;
        cell.pictureFile[1] = y.holidayPicture[i];
        cell.lineText[1] = y.holidayComment[i];
    }
}

}  // namespace

void BUTTON70_ON(Context& c) {
    AppState& s = c.state;
    // The shown day goes into the month first, so that typed lines take part
    // in the import and the editor shows the imported day afterwards.
    if (!DAT_UPDATE(c)) return;
    const bool yes = c.dialogs.messageBox(kMainForm, "問い合せ", "祭日・行事ﾃﾞｰﾀをクリアしてセットしますか",
                                        MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
    if (yes)
        for (const DayPlace& place :
             dayPlaces(monthLayout(s.yearSettings, s.currentMonth), s.display.columns, s.display.rows))
            importDay(c, s.monthCells[static_cast<std::size_t>(place.cell)], place.day);
    repaintCells(c);
    DAT_SET(c);
    s.dayChanged = 0;
    if (yes) keepRecovery(c);
}

}  // namespace cal
