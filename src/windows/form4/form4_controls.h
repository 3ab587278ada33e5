#pragma once
// The year utility's control names: one month row per school month
// (1 = April … 12 = March), six frame rows, twenty holiday entries.

#include <string>
#include <vector>

namespace cal::form4 {

inline constexpr int kMonths = 12;
inline constexpr int kFrames = 6;
inline constexpr int kHolidays = 20;

inline constexpr const char* kYearField = "EDIT76";
inline constexpr const char* kYearMode = "RADIO1";
inline constexpr const char* kDefaultMode = "RADIO2";
inline constexpr const char* kCopyButton = "DEFCOPYBTN";
inline constexpr const char* kAprilWeekday = "COMBO1";

std::string dayEdit(int month);             // EDIT29 … EDIT40
std::string weekdayEdit(int month);         // months 2 … 12: EDIT41 … EDIT51
std::string titleEdit(int month);           // EDIT52 … EDIT63
std::string titleButton(int month);         // BUTTON10 … BUTTON21
std::string commentEdit(int month);         // EDIT64 … EDIT75
std::string frameEdit(int frame);           // EDIT77, EDIT79 … EDIT83
std::string frameButton(int frame);         // BUTTON26 … BUTTON31
std::string holidayDateEdit(int entry);     // EDIT104 … EDIT123
std::string holidayPictureEdit(int entry);  // EDIT84 … EDIT103
std::string holidayButton(int entry);       // BUTTON32 … BUTTON51
std::string holidayCommentEdit(int entry);  // EDIT124 … EDIT143

// "４月" … "１２月", "１月" … "３月".
std::string monthLabel(int month);
// A number in full-width digits: 12 → "１２".
std::string fullWidthNumber(int n);

// Every "選択" button with the picture field it fills.
struct PictureButton {
    std::string button, field;
};
std::vector<PictureButton> pictureButtons();

}  // namespace cal::form4
