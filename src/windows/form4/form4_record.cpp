// Showing the utility's record in its controls and saving it.
#include "windows/form4/form4_handlers.h"

#include "data/sjis.h"
#include "data/year_file.h"
#include "layout/grid.h"
#include "state/context.h"
#include "tools/numbers.h"
#include "ui/names.h"
#include "view/file_guard.h"
#include "view/month_files.h"
#include "view/monthly_items_file.h"
#include "windows/form4/form4_controls.h"
#include "windows/form4/form4_items.h"

#include "state/handler_table.h"

#include <cstring>
#include <memory>
#include <span>

namespace cal {

namespace {

using namespace form4;

// Calls text(control, field) for every text field shown in an edit and
// number(control, field) for every number field.
template <typename Text, typename Number>
void forEachField(YearSettings& y, Text text, Number number) {
    text(kSchoolName, std::span<char>(y.schoolName));
    text(kSchoolPicture, std::span<char>(y.schoolPicture));
    text(kClassName, std::span<char>(y.className));
    text(kClassPicture, std::span<char>(y.classPicture));
    for (int m = 1; m <= kMonths; ++m) {
        const auto k = static_cast<std::size_t>(m);
        number(dayEdit(m), y.daysInMonth[k]);
        if (m >= 2) text(weekdayEdit(m), std::span<char>(y.firstWeekday[k]));
        text(titleEdit(m), std::span<char>(y.titlePicture[k]));
        text(commentEdit(m), std::span<char>(y.monthComment[k]));
    }
    for (int f = 1; f <= kFrames; ++f)
        text(frameEdit(f), std::span<char>(y.framePicture[static_cast<std::size_t>(f)]));
    for (int i = 1; i <= kHolidays; ++i) {
        const auto k = static_cast<std::size_t>(i);
        number(holidayDateEdit(i), y.holidayDate[k]);
        text(holidayPictureEdit(i), std::span<char>(y.holidayPicture[k]));
        text(holidayCommentEdit(i), std::span<char>(y.holidayComment[k]));
    }
}

// A field's text as the utility shows it (TOOL_NULL_CUT).
std::string shown(std::span<const char> field) { return fieldName(field); }

// Stores a control's text unless it still shows what the field holds.
void storeIfChanged(std::span<char> field, const std::string& text) {
    if (text != shown(field)) storeField(field, text);
}

// The characters Shift-JIS cannot hold in the texts changed from `record`.
std::vector<std::string> unstorableInControls(const Context& c, YearSettings& record) {
    std::string changed;
    forEachField(
        record,
        [&](const std::string& control, std::span<char> field) {
            if (const std::string t = c.forms.text(kYearUtility, control); t != shown(field)) changed += t;
        },
        [](const std::string&, LeInt32&) {});
    if (const std::string april = c.forms.text(kYearUtility, kAprilWeekday); april != shown(record.firstWeekday[1]))
        changed += april;
    return unstorableCharacters(changed);
}

}  // namespace

void addUtilityFitMarks(HandlerTable& table) {
    const auto layout = std::make_unique<YearSettings>();
    forEachField(
        *layout,
        [&](const std::string& control, std::span<char> field) {
            const std::size_t width = field.size();
            table.add(control, EventKind::Change, action([width](Context& c, const Event& e) {
                          c.forms.setTextWarning(kYearUtility, e.control,
                                                 fieldFitWarning(c.forms.text(kYearUtility, e.control), width));
                      }));
        },
        [](const std::string&, LeInt32&) {});
}

void FORM4_GAME_PUT(Context& c) {
    showMonthlyItems(c);
    Forms& f = c.forms;
    YearSettings& y = c.state.utilitySettings;
    forEachField(
        y,
        [&](const std::string& control, std::span<char> field) {
            f.setText(kYearUtility, control, shown(field));
            f.setTextWarning(kYearUtility, control, {});
        },
        [&](const std::string& control, const LeInt32& value) {
            f.setText(kYearUtility, control, std::to_string(value.get()));
        });
    const std::string april = shown(y.firstWeekday[1]);
    for (std::size_t i = 0; i < kWeekdayKanji.size(); ++i) {
        if (kWeekdayKanji[i] == april) {
            f.selectComboEntry(kYearUtility, kAprilWeekday, static_cast<int>(i));
            return;
        }
    }
    // No weekday: the list shows what the record holds, never the weekday of
    // the record shown before, so that saving does not carry it over.
    f.selectComboEntry(kYearUtility, kAprilWeekday, -1);
    f.setText(kYearUtility, kAprilWeekday, april);
}

void takeControls(Context& c, YearSettings& record) {
    const Forms& f = c.forms;
    forEachField(
        record,
        [&](const std::string& control, std::span<char> field) {
            storeIfChanged(field, f.text(kYearUtility, control));
        },
        [&](const std::string& control, LeInt32& value) {
            const std::string text = f.text(kYearUtility, control);
            if (text != std::to_string(value.get())) value.set(leadingInt(text));
        });
    storeIfChanged(record.firstWeekday[1], f.text(kYearUtility, kAprilWeekday));
}

bool utilityHoldsChanges(Context& c) {
    const YearSettings& held = c.state.utilitySettings;
    const auto shownNow = std::make_unique<YearSettings>(held);
    takeControls(c, *shownNow);
    const ItemsOnScreen items = monthlyItemsOnScreen(c);
    return std::memcmp(shownNow.get(), &held, sizeof(YearSettings)) != 0 || !items.problems.empty() ||
           items.items != c.state.utilityItems;
}

UtilitySave FORM4_UPDATE(Context& c) {
    // Nothing is stored while a text holds characters the file cannot keep;
    // the window keeps what was typed.
    if (const auto bad = unstorableInControls(c, c.state.utilitySettings); !bad.empty()) {
        c.dialogs.messageBox(kYearUtility, "警告",
                             "次の文字はカレンダー設定データに保存できません。\r\n" + describeCharacters(bad) +
                                 "\r\n別の文字に直してから更新してください。",
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return UtilitySave::Failed;
    }
    const ItemsOnScreen items = monthlyItemsOnScreen(c);
    if (!items.problems.empty()) {
        std::string lines;
        for (const std::string& p : items.problems) lines += "\r\n" + p;
        c.dialogs.messageBox(kYearUtility, "警告", "毎月の行事を保存できません。" + lines, MessageButtons::Ok,
                             MessageIcon::Exclamation);
        return UtilitySave::Failed;
    }
    if (c.dialogs.messageBox(kYearUtility, "問い合せ", "カレンダー設定データを更新しますか。", MessageButtons::YesNo,
                           MessageIcon::Information) != MessageAnswer::Yes)
        return UtilitySave::Declined;
    AppState& s = c.state;
    const bool defaultMode = inDefaultMode(c);
    std::optional<std::string> year;
    if (!defaultMode) {
        year = checkedYearField(c);
        if (!year) return UtilitySave::Failed;
    }
    const std::string path = defaultMode ? defaultSettingsPath(s.dataDir) : yearSettingsPath(s.dataDir, *year);

    YearSettings record = s.utilitySettings;
    record.reservedHead.set(leadingInt(c.forms.text(kYearUtility, kYearField)));
    takeControls(c, record);

    if (!mayOverwrite(c, path, kYearUtility)) return UtilitySave::Failed;
    std::string error;
    if (!writeYearSettings(path, record, error, *s.fileWriter)) {
        c.dialogs.messageBox(kYearUtility, "エラー",
                           "カレンダー設定ファイル(" + path + ")に書き込めません。(" + error + ")", MessageButtons::Ok,
                           MessageIcon::Stop);
        return UtilitySave::Failed;
    }
    rememberFile(s, path);
    s.utilitySettings = record;
    // The items file is written only when its items changed, so that a file
    // with lines that could not be read keeps them until the items are edited.
    if (items.items != s.utilityItems) {
        const std::string itemsPath =
            defaultMode ? defaultMonthlyItemsPath(s.dataDir) : monthlyItemsPath(s.dataDir, *year);
        if (!writeMonthlyItemsFile(c, itemsPath, items.items, kYearUtility)) return UtilitySave::Failed;
        s.utilityItems = items.items;
    }
    if (!defaultMode && *year == s.schoolYear) displayTakesUp(c, record);
    return UtilitySave::Saved;
}

}  // namespace cal
