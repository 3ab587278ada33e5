// The utility's fill-in buttons: day counts, weekdays of the 1st, picture
// names and the national holidays. They change only the controls; nothing
// reaches the record or a file until 更　新.
#include "windows/form4/form4_handlers.h"

#include "data/file_io.h"
#include "data/holiday_fill.h"
#include "data/sjis.h"
#include "date/calc_date.h"
#include "layout/grid.h"
#include "state/context.h"
#include "tools/numbers.h"
#include "tools/string_tools.h"
#include "ui/names.h"
#include "windows/form4/form4_controls.h"
#include "view/picture_choice.h"


namespace cal {

namespace {

using namespace form4;

void notice(Context& c, std::string_view title, const std::string& message) {
    c.dialogs.messageBox(kYearUtility, title, message, MessageButtons::Ok, MessageIcon::Information);
}

// Day counts move the weekday on by their remainder of 7; a negative count
// still gives a weekday of the table.
int advance(int weekday, int days) { return ((weekday + days % 7) % 7 + 7) % 7; }

}  // namespace

void BUTTON22_ON(Context& c) {
    const int year = leadingInt(c.forms.text(kYearUtility, kYearField));
    const bool leap = isLeapYear(year + 1);
    static constexpr int kDays[] = {30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 28, 31};
    for (int m = 1; m <= kMonths; ++m) {
        const int days = m == 11 && leap ? 29 : kDays[m - 1];
        c.forms.setText(kYearUtility, dayEdit(m), std::to_string(days));
    }
}

void BUTTON23_ON(Context& c) {
    std::string date = c.forms.text(kYearUtility, kYearField) + ".04.01";
    std::int16_t weekday = 0;
    std::string english, japanese;
    const std::int32_t serial = CALCDATE(date, weekday, english, japanese);
    if (serial == 0) {
        // Without April's weekday every other month would be wrong: nothing
        // is filled in.
        c.dialogs.messageBox(kYearUtility, "エラー", "計算が出来ません", MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    notice(c, "お知らせ",
           "通算日=  " + std::to_string(serial) + "日付= " + date + "曜日= " + japanese);
    for (std::size_t i = 0; i < kWeekdayKanji.size(); ++i)
        if (japanese.starts_with(kWeekdayKanji[i])) c.forms.selectComboEntry(kYearUtility, kAprilWeekday, static_cast<int>(i));

    const std::string april = c.forms.text(kYearUtility, kAprilWeekday);
    int w = 0;
    while (w < 7 && kWeekdayKanji[static_cast<std::size_t>(w)] != april) ++w;
    for (int m = 1; m < kMonths; ++m) {
        const int days = leadingInt(c.forms.text(kYearUtility, dayEdit(m)));
        if (days == 0) {
            notice(c, "お知らせ", "日数に０が有り、処理できません");
            continue;
        }
        w = advance(w, days);
        c.forms.setText(kYearUtility, weekdayEdit(m + 1), kWeekdayKanji[static_cast<std::size_t>(w)]);
    }
}

void choosePictureInto(Context& c, const std::string& field) {
    const PictureChoice choice =
        chooseLibraryPicture(c, kYearUtility, TOOL_NULL_CUT(c.forms.text(kYearUtility, field)));
    if (choice.cancelled) notice(c, "問い合せ", "画像の選択はキャンセルしました.");
    if (choice.name) c.forms.setText(kYearUtility, field, *choice.name);
}

void dropPicturesInto(Context& c, const std::string& field, const std::vector<std::string>& files) {
    const std::vector<std::string> names = libraryNamesOf(c, kYearUtility, files);
    if (!names.empty()) c.forms.setText(kYearUtility, field, names.front());
}

void SYUKUJITSU_ON(Context& c) {
    const auto year = checkedYearField(c);
    if (!year) return;
    const auto holidays = nationalHolidays(leadingInt(*year));
    if (!holidays) {
        notice(c, "お知らせ",
               "祝日は" + std::to_string(kFirstHolidaySchoolYear) + "年度から" +
                   std::to_string(kLastHolidaySchoolYear) + "年度までしか入れられません.");
        return;
    }
    std::array<HolidayEntry, kHolidayEntryCount> current;
    for (int i = 1; i <= kHolidays; ++i) {
        HolidayEntry& e = current[static_cast<std::size_t>(i - 1)];
        e.dateKey = leadingInt(c.forms.text(kYearUtility, holidayDateEdit(i)));
        e.picture = TOOL_NULL_CUT(c.forms.text(kYearUtility, holidayPictureEdit(i)));
        e.comment = TOOL_NULL_CUT(c.forms.text(kYearUtility, holidayCommentEdit(i)));
    }
    const HolidayFillResult filled = fillNationalHolidays(current, *holidays);
    // Only entries that changed are rewritten: what was typed elsewhere stays.
    for (int i = 1; i <= kHolidays; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        const HolidayEntry& e = filled.entries[k];
        if (e == current[k]) continue;
        c.forms.setText(kYearUtility, holidayDateEdit(i), std::to_string(e.dateKey));
        c.forms.setText(kYearUtility, holidayPictureEdit(i), e.picture);
        c.forms.setText(kYearUtility, holidayCommentEdit(i), e.comment);
    }
    if (!filled.notFitted.empty()) {
        std::string list;
        for (const std::string& h : filled.notFitted) list += "\r\n" + h;
        notice(c, "お知らせ", "祭日登録に空きがないため、次の祝日は入れられませんでした." + list);
    }
}

}  // namespace cal
