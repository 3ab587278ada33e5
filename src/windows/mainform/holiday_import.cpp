#include "windows/mainform/holiday_import.h"

#include "state/context.h"
#include "data/monthly_placement.h"
#include "data/sjis.h"
#include "tools/numbers.h"
#include "layout/month_layout.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "ui/names.h"
#include "view/monthly_items_file.h"
#include "view/month_undo.h"
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

// The school year's monthly items go in after the holidays; what does not
// fit is named.
void placeItems(Context& c, const std::vector<DayPlace>& places) {
    AppState& s = c.state;
    const auto items = readMonthlyItemsFile(c, monthlyItemsPath(s.dataDir, s.schoolYear), kMainForm);
    if (items.empty()) return;
    const auto missed = placeMonthlyItems(s.monthCells, places, items, leadingInt(s.currentYear), s.currentMonth,
                                          registeredHolidays(s.yearSettings));
    if (missed.empty()) return;
    std::string lines;
    for (const std::string& m : missed) lines += "\r\n" + m;
    c.dialogs.messageBox(kMainForm, "お知らせ", "次の毎月の行事は入りきりませんでした。" + lines, MessageButtons::Ok,
                         MessageIcon::Information);
}

}  // namespace

void BUTTON70_ON(Context& c) {
    AppState& s = c.state;
    // The shown day goes into the month first, so that typed lines take part
    // in the import and the editor shows the imported day afterwards.
    if (!DAT_UPDATE(c)) return;
    const bool yes = c.dialogs.messageBox(kMainForm, "問い合せ", "祭日・行事ﾃﾞｰﾀをクリアしてセットしますか",
                                        MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
    const auto before = monthBefore(c);
    if (yes) {
        const auto places = dayPlaces(monthLayout(s.yearSettings, s.currentMonth), s.display.columns, s.display.rows);
        for (const DayPlace& place : places)
            importDay(c, s.monthCells[static_cast<std::size_t>(place.cell)], place.day);
        placeItems(c, places);
    }
    monthChanged(c, *before);
    repaintCells(c);
    DAT_SET(c);
    s.dayChanged = 0;
    if (yes) keepRecovery(c);
}

}  // namespace cal
