#include "windows/form4/form4_controls.h"

#include "tools/string_tools.h"
#include "ui/names.h"

namespace cal::form4 {

namespace {

std::string edit(int number) { return numberedName("EDIT", number); }
std::string button(int number) { return numberedName("BUTTON", number); }

}  // namespace

std::string dayEdit(int month) { return edit(28 + month); }
std::string weekdayEdit(int month) { return edit(39 + month); }
std::string titleEdit(int month) { return edit(51 + month); }
std::string titleButton(int month) { return button(9 + month); }
std::string commentEdit(int month) { return edit(63 + month); }
std::string frameEdit(int frame) { return edit(frame == 1 ? 77 : 77 + frame); }
std::string frameButton(int frame) { return button(25 + frame); }
std::string holidayDateEdit(int entry) { return edit(103 + entry); }
std::string holidayPictureEdit(int entry) { return edit(83 + entry); }
std::string holidayButton(int entry) { return button(31 + entry); }
std::string holidayCommentEdit(int entry) { return edit(123 + entry); }

std::string itemRuleEdit(int item) { return edit(200 + item); }
std::string itemMoveCheck(int item) { return numberedName("CHECK", 200 + item); }
std::string itemPictureEdit(int item) { return edit(220 + item); }
std::string itemPictureButton(int item) { return button(200 + item); }
std::string itemTextEdit(int item) { return edit(240 + item); }

std::string fullWidthNumber(int n) {
    static constexpr const char* kDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    std::string text;
    for (const char d : std::to_string(n)) text += d >= '0' && d <= '9' ? kDigits[d - '0'] : std::string(1, d);
    return text;
}

std::string monthLabel(int month) { return fullWidthNumber(FB_TUKI_CNV(MonthConv::ToCalendar, month)) + "月"; }

std::vector<PictureButton> pictureButtons() {
    std::vector<PictureButton> all;
    for (int m = 1; m <= kMonths; ++m) all.push_back({titleButton(m), titleEdit(m)});
    for (int f = 1; f <= kFrames; ++f) all.push_back({frameButton(f), frameEdit(f)});
    for (int i = 1; i <= kHolidays; ++i) all.push_back({holidayButton(i), holidayPictureEdit(i)});
    for (int i = 1; i <= kItems; ++i) all.push_back({itemPictureButton(i), itemPictureEdit(i)});
    all.push_back({kSchoolPictureButton, kSchoolPicture});
    all.push_back({kClassPictureButton, kClassPicture});
    return all;
}

}  // namespace cal::form4
