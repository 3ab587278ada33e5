#include "view/navigation.h"

#include "state/context.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "view/month_files.h"
#include "view/recovery.h"
#include "data/year_file.h"
#include "tools/numbers.h"
#include "tools/string_tools.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "ui/names.h"
#include "windows/form2/form2_controls.h"
#include "windows/mainform/mainform_controls.h"

namespace cal {

namespace {

void readSettingsOfDisplayedYear(Context& c) {
    AppState& s = c.state;
    s.schoolYear = std::to_string(schoolYearOf(leadingInt(s.currentYear), s.currentMonth));
    CALENDAR_UT_YOMU(c, yearSettingsPath(s.dataDir, s.schoolYear));
}

// Loads and shows the displayed month with cell 15 in the day editor.
void showMonth(Context& c) {
    CALENDAR_LOAD(c, c.state.currentMonth);
    GAME_SAIBYOUGA(c);
    c.state.dayChanged = 0;
    c.forms.setFontSize(kMonthForm, {}, 12);
    TITLE_SAIBYOUGA(c);
    c.state.selectedCell = 15;
    DAT_SET(c);
    c.forms.focus(kDayEditor);
}

}  // namespace

bool NEN_TYOUSA(Context& c, std::string_view owner, std::string& year) {
    if (year.size() != 4) {
        c.dialogs.messageBox(owner, "お知らせ", "年度のデータは半角数字４文字で入力してください.", MessageButtons::Ok,
                           MessageIcon::Information);
        return false;
    }
    const int value = leadingInt(year);
    if (value < 1900) year = "1900";
    else if (value > 2200) year = "2200";
    return true;
}

void monthStep(Context& c, std::string_view owner, MonthStep step) {
    AppState& s = c.state;
    s.currentYear = std::string(trimBlanks(c.forms.text(kMainForm, mainform::kSchoolYear)));
    if (!NEN_TYOUSA(c, owner, s.currentYear)) {
        c.dialogs.messageBox(owner, "お知らせ", "年度の値がおかしいので処理できません.", MessageButtons::Ok,
                           MessageIcon::Information);
        return;
    }
    if (!DAT_UPDATE(c)) return;
    const bool save = s.askOnUpdate != 1 ||
                      c.dialogs.messageBox(owner, "問い合せ", "データを更新して、月を変更しますか.", MessageButtons::YesNo,
                                         MessageIcon::Information) == MessageAnswer::Yes;
    // A month that could not be written stays shown with its edits.
    if (save && CALENDAR_SAVE(c, s.currentMonth) == SaveResult::Failed) return;
    if (!save) dropRecovery(c);

    const int startMonth = s.currentMonth;
    const std::string startYear = s.currentYear;
    const int year = leadingInt(s.currentYear);
    const bool leavesSchoolYear = step == MonthStep::Previous ? startMonth == 4 : startMonth == 3;
    if (leavesSchoolYear) {
        const std::string checked = std::to_string(step == MonthStep::Previous ? year - 1 : year);
        if (!fileExists(yearSettingsPath(s.dataDir, checked))) {
            c.dialogs.messageBox(owner, "お知らせ",
                               checked +
                                   "年度のカレンダー設定ファイルが存在しないのでデータを表示できません.設定データを作成してください.",
                               MessageButtons::Ok, MessageIcon::Information);
            return;
        }
    }

    if (step == MonthStep::Previous) {
        if (--s.currentMonth == 0) {
            s.currentMonth = 12;
            s.currentYear = std::to_string(year - 1);
            c.forms.setText(kMainForm, mainform::kSchoolYear, s.currentYear);
        }
    } else if (++s.currentMonth == 13) {
        s.currentMonth = 1;
        s.currentYear = std::to_string(year + 1);
        c.forms.setText(kMainForm, mainform::kSchoolYear, s.currentYear);
    }
    readSettingsOfDisplayedYear(c);
    GAME_CLS(c);
    // A folder in the month file's place is shown and reported by the load.
    if (const std::string path = monthFilePath(s.dataDir, s.currentYear, s.currentMonth);
        fileExists(path) || folderExists(path)) {
        showMonth(c);
        return;
    }

    c.dialogs.messageBox(owner, "お知らせ",
                       "該当月のファイルが見つかりません.\r１年分の空データ作成を行ってください.\r" +
                           std::to_string(startMonth) + "月の表示に戻します.\r",
                       MessageButtons::Ok, MessageIcon::Information);
    s.currentMonth = startMonth;
    s.currentYear = startYear;
    c.forms.setText(kMainForm, mainform::kSchoolYear, s.currentYear);
    s.schoolYear = std::to_string(schoolYearOf(leadingInt(s.currentYear), s.currentMonth));
    const std::string settings = yearSettingsPath(s.dataDir, s.schoolYear);
    if (step == MonthStep::Previous && s.currentMonth <= 3)
        c.dialogs.messageBox(owner, "お知らせ", settings, MessageButtons::Ok, MessageIcon::Information);
    CALENDAR_UT_YOMU(c, settings);
    showMonth(c);
}

void BUTTON2_ON(Context& c) {
    const DisplaySettings& d = c.state.display;
    for (int n = 1; n <= d.cellCount(); ++n)
        c.drawing.surface(kMonthForm, form2::cell(n)).text(2, 2, "", 1, 1, 2);
}

}  // namespace cal
