#include "windows/form4/form4_handlers.h"

#include "data/file_io.h"
#include "data/month_file.h"
#include "data/year_file.h"
#include "layout/grid.h"
#include "state/handler_table.h"
#include "tools/numbers.h"
#include "ui/names.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "view/file_guard.h"
#include "view/month_files.h"
#include "view/recovery.h"
#include "windows/form4/form4_controls.h"
#include "windows/form4/form4_items.h"
#include "windows/mainform/mainform_controls.h"

namespace cal {

namespace {

using namespace form4;

void notice(Context& c, const std::string& message) {
    c.dialogs.messageBox(kYearUtility, "お知らせ", message, MessageButtons::Ok, MessageIcon::Information);
}

bool ask(Context& c, const std::string& title, const std::string& message) {
    return c.dialogs.messageBox(kYearUtility, title, message, MessageButtons::YesNo, MessageIcon::Information) ==
           MessageAnswer::Yes;
}

// Reads a year's settings and monthly items (the default's for an empty
// year) into the utility's copy and shows them; a missing settings file
// leaves the record shown before. Answers whether it was read.
bool readAndShow(Context& c, const std::string& year) {
    const std::string& dir = c.state.dataDir;
    const bool read = readYearSettings(c, year.empty() ? defaultSettingsPath(dir) : yearSettingsPath(dir, year),
                                       c.state.utilitySettings, kYearUtility);
    if (read) readUtilityItems(c, year);
    FORM4_GAME_PUT(c);
    return read;
}

// Copies the default onto a year's file; a failure names the file.
bool copyDefault(Context& c, const std::string& year) {
    const std::string from = defaultSettingsPath(c.state.dataDir);
    const std::string to = yearSettingsPath(c.state.dataDir, year);
    if (!mayOverwrite(c, to, kYearUtility)) return false;
    std::string error;
    if (copyFileReplacing(from, to, error, *c.state.fileWriter)) {
        rememberFile(c.state, to);
        return copyDefaultItems(c, year);
    }
    c.dialogs.messageBox(kYearUtility, "エラー",
                       "カレンダー設定ファイル(" + to + ")をデフォルト(" + from + ")から作成できませんでした。(" +
                           error + ")",
                       MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

// After a copy onto `year`'s file: read it, show it, and let the display take
// it up when it is the displayed school year's.
void showCopied(Context& c, const std::string& year) {
    if (readAndShow(c, year) && year == c.state.schoolYear)
        displayTakesUp(c, c.state.utilitySettings);
}

// The month window comes back to the month it displayed, saved first, with
// the re-read settings of its school year.
void refreshDisplay(Context& c) {
    AppState& s = c.state;
    const bool save = s.askOnUpdate != 1 || c.dialogs.messageBox(kMainForm, "問い合せ", "データを更新しますか.",
                                                               MessageButtons::YesNo, MessageIcon::Information) ==
                                                MessageAnswer::Yes;
    // A month that could not be written stays in memory instead of being
    // replaced by the file.
    bool keepMonth = false, keepDay = false;
    if (save) {
        keepDay = !storeShownDay(c);
        keepMonth = CALENDAR_SAVE(c, s.currentMonth) != SaveResult::Saved;
    } else {
        dropRecovery(c);
    }
    CALENDAR_UT_YOMU(c, yearSettingsPath(s.dataDir, s.schoolYear));
    if (!keepMonth) CALENDAR_LOAD(c, s.currentMonth);
    c.forms.setFontSize(kMonthForm, {}, 12);
    TITLE_SAIBYOUGA(c);
    GAME_CLS(c);
    GAME_SAIBYOUGA(c);
    // A day that could not be stored stays in the editor as typed.
    if (keepDay) return;
    DAT_SET(c);
    s.dayChanged = 0;
}

}  // namespace

bool isSchoolYearText(std::string_view text) {
    if (text.size() != 4) return false;
    for (const char ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

std::optional<std::string> checkedYearField(Context& c) {
    std::string year(trimBlanks(c.forms.text(kYearUtility, kYearField)));
    if (isSchoolYearText(year)) return year;
    notice(c, "年度のデータは半角数字４文字で入力してください.");
    return std::nullopt;
}

bool inDefaultMode(Context& c) { return c.forms.checkState(kYearUtility, kDefaultMode) == 1; }

void displayTakesUp(Context& c, const YearSettings& record) {
    const bool stored = DAT_UPDATE(c);
    c.state.yearSettings = record;
    repaintMonth(c);
    if (!stored) return;
    DAT_SET(c);
    c.state.dayChanged = 0;
}

void BUTTON25_ON(Context& c) {
    if (c.forms.formExists(kYearUtility)) {
        c.forms.focus(kYearUtility);
        return;
    }
    if (c.forms.createForm(kYearUtility)) FORM4_START(c);
}

void FORM4_START(Context& c) {
    AppState& s = c.state;
    c.forms.setText(kYearUtility, kYearField, s.schoolYear);
    for (const std::string_view day : kWeekdayKanji) c.forms.addComboEntry(kYearUtility, kAprilWeekday, day);
    c.forms.setCheckState(kYearUtility, kYearMode, 1);
    c.forms.setCheckState(kYearUtility, kDefaultMode, 0);
    // The utility starts from the displayed year's record and edits its copy.
    s.utilitySettings = s.yearSettings;
    readAndShow(c, s.schoolYear);
}

void RADIO1_ON(Context& c) {
    if (c.forms.checkState(kYearUtility, kYearMode) != 1) return;
    c.forms.setEnabled(kYearUtility, kCopyButton, true);
    c.forms.setEnabled(kYearUtility, kYearField, true);
    if (const auto year = checkedYearField(c)) readAndShow(c, *year);
}

void RADIO2_ON(Context& c) {
    if (c.forms.checkState(kYearUtility, kDefaultMode) != 1) return;
    c.forms.setEnabled(kYearUtility, kCopyButton, false);
    c.forms.setEnabled(kYearUtility, kYearField, false);
    readAndShow(c, "");
}

void stepSchoolYear(Context& c, int by) {
    if (inDefaultMode(c)) {
        notice(c, "デフォルトを修正している時　年度の変更はできません.");
        return;
    }
    const auto before = checkedYearField(c);
    if (!before) return;
    const std::string year = std::to_string(leadingInt(*before) + by);
    if (!isSchoolYearText(year)) {
        notice(c, "年度のデータは半角数字４文字で入力してください.");
        return;
    }
    c.forms.setText(kYearUtility, kYearField, year);
    const std::string path = yearSettingsPath(c.state.dataDir, year);
    if (fileExists(path)) {
        readAndShow(c, year);
        return;
    }
    if (ask(c, "お知らせ",
            year + "年度のカレンダー設定ファイルが存在しません.デフォルトからコピーしますか.") &&
        copyDefault(c, year)) {
        showCopied(c, year);
        return;
    }
    c.forms.setText(kYearUtility, kYearField, *before);
}

void DEFCOPYBTN_ON(Context& c) {
    if (inDefaultMode(c)) {
        notice(c, "デフォルトを修正している時　複写はできません.");
        return;
    }
    const auto year = checkedYearField(c);
    if (!year) return;
    const std::string path = yearSettingsPath(c.state.dataDir, *year);
    if (!fileExists(path)) {
        // A year without a file is made from the default: what the button says.
        if (copyDefault(c, *year)) {
            notice(c, *year + "年度のカレンダー設定ファイルをデフォルトから作成しました.");
            showCopied(c, *year);
        }
        return;
    }
    if (ask(c, "問い合せ", *year + "年度のカレンダー設定ファイルが存在しますがデフォルトからコピーしますか.") &&
        copyDefault(c, *year)) {
        notice(c, *year + "年度のカレンダー設定ファイルをデフォルトで上書しました.");
        showCopied(c, *year);
        return;
    }
    readAndShow(c, *year);
}

int closeYearUtility(Context& c) {
    if (!ask(c, "問い合せ", "ユーティリティを終了しますか")) return 1;
    // Only changes not yet stored are offered; edits that could not be
    // written stay on screen.
    if (utilityHoldsChanges(c) && FORM4_UPDATE(c) == UtilitySave::Failed) return 1;
    refreshDisplay(c);
    return 0;
}

void addYearUtilityHandlers(HandlerTable& table) {
    table.add(mainform::kUtility, EventKind::On, action([](Context& c, const Event&) { BUTTON25_ON(c); }));
    table.add(kYearMode, EventKind::On, action([](Context& c, const Event&) { RADIO1_ON(c); }));
    table.add(kDefaultMode, EventKind::On, action([](Context& c, const Event&) { RADIO2_ON(c); }));
    table.add(kNextYear, EventKind::On, action([](Context& c, const Event&) { stepSchoolYear(c, 1); }));
    table.add(kPreviousYear, EventKind::On, action([](Context& c, const Event&) { stepSchoolYear(c, -1); }));
    table.add(kCopyButton, EventKind::On, action([](Context& c, const Event&) { DEFCOPYBTN_ON(c); }));
    table.add(kUpdate, EventKind::On, action([](Context& c, const Event&) { FORM4_UPDATE(c); }));
    addUtilityFitMarks(table);
    addItemFitMarks(table);
    table.add(kClose, EventKind::On, action([](Context& c, const Event&) {
                  if (closeYearUtility(c) == 0) c.forms.destroyForm(kYearUtility);
              }));
    table.add(kYearUtility, EventKind::QueryClose, [](Context& c, const Event&) { return closeYearUtility(c); });
    table.add(kSetDays, EventKind::On, action([](Context& c, const Event&) { BUTTON22_ON(c); }));
    table.add(kSetWeekdays, EventKind::On, action([](Context& c, const Event&) { BUTTON23_ON(c); }));
    table.add(kFillHolidays, EventKind::On, action([](Context& c, const Event&) { SYUKUJITSU_ON(c); }));
    for (const PictureButton& p : pictureButtons()) {
        table.add(p.button, EventKind::On,
                  action([field = p.field](Context& c, const Event&) { choosePictureInto(c, field); }));
        for (const std::string& target : {p.button, p.field})
            table.add(target, EventKind::Drop, action([field = p.field](Context& c, const Event& e) {
                          dropPicturesInto(c, field, e.files);
                      }));
    }
}

}  // namespace cal
