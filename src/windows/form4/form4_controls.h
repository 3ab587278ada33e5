#pragma once
// The year utility's control names: one month row per school month
// (1 = April … 12 = March), six frame rows, twenty holiday entries.

#include <string>
#include <vector>

namespace cal::form4 {

inline constexpr int kMonths = 12;
inline constexpr int kFrames = 6;
inline constexpr int kHolidays = 20;
inline constexpr int kItems = 20;  // 毎月の行事

inline constexpr const char* kYearField = "EDIT76";       // 年度
inline constexpr const char* kNextYear = "BUTTON68";       // ▲ (次の年度)
inline constexpr const char* kPreviousYear = "BUTTON69";   // ▼ (前の年度)
inline constexpr const char* kYearMode = "RADIO1";         // 年度修正
inline constexpr const char* kDefaultMode = "RADIO2";      // デフォルト修正
inline constexpr const char* kCopyButton = "DEFCOPYBTN";   // デフォルトから複写
inline constexpr const char* kAprilWeekday = "COMBO1";     // ４月 １日曜日
inline constexpr const char* kSchoolName = "EDIT144";      // 園名
inline constexpr const char* kSchoolPicture = "EDIT145";   // 園画像
inline constexpr const char* kSchoolPictureButton = "BUTTON52";  // 園画像 選択
inline constexpr const char* kClassName = "EDIT146";       // クラス名
inline constexpr const char* kClassPicture = "EDIT147";    // クラス画像
inline constexpr const char* kClassPictureButton = "BUTTON67";   // クラス画像 選択
inline constexpr const char* kSetDays = "BUTTON22";        // 設定 (日数)
inline constexpr const char* kSetWeekdays = "BUTTON23";    // 設定 (１日曜日)
inline constexpr const char* kFillHolidays = "SYUKUJITSU"; // 祝日を入れる
inline constexpr const char* kUpdate = "BUTTON24";         // 更　新
inline constexpr const char* kClose = "BUTTON66";          // 終　了

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
std::string itemRuleEdit(int item);         // EDIT201 … EDIT220 (決まり)
std::string itemMoveCheck(int item);        // CHECK201 … CHECK220 (休日は翌日)
std::string itemPictureEdit(int item);      // EDIT221 … EDIT240
std::string itemPictureButton(int item);    // BUTTON201 … BUTTON220
std::string itemTextEdit(int item);         // EDIT241 … EDIT260 (行事名)

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
