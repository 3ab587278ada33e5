#include "windows/mainform/holiday_import.h"

#include "state/context.h"
#include "data/sjis.h"
#include "layout/grid.h"
#include "view/month_drawing.h"
#include "ui/names.h"

namespace cal {

namespace {

void importDay(Context& c, DayCell& cell, int day) {
    const YearSettings& y = c.state.yearSettings;
    const int key = c.state.currentMonth * 100 + day;
    if (!fieldName(cell.pictureFile[1]).empty() &&
        c.forms.messageBox(kMainForm, "問い合せ", std::to_string(day) + "日の画像をｸﾘｱしてｾｯﾄしますよろしいですか",
                           mb::kYesNo, mb::kIconQuestion) == mb::kAnswerYes) {
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
    const bool yes = c.forms.messageBox(kMainForm, "問い合せ", "祭日・行事ﾃﾞｰﾀをクリアしてセットしますか",
                                        mb::kYesNo, mb::kIconQuestion) == mb::kAnswerYes;
    const MonthLayout layout = monthLayout(s.yearSettings, s.currentMonth);
    int day = 1;
    for (int k = 0; k < s.display.cellCount() && k + 1 < kMonthRecords; ++k) {
        if (k < layout.firstColumn || day > layout.days) continue;
        if (yes) importDay(c, s.monthCells[static_cast<std::size_t>(k + 1)], day);
        ++day;
    }
    repaintCells(c);
}

}  // namespace cal
