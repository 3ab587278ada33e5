#pragma once
// The names of the program's windows.

namespace cal {

inline constexpr const char* kMainForm = "MAINFORM";
inline constexpr const char* kMonthForm = "FORM2";
inline constexpr const char* kDayEditor = "FORM3";
inline constexpr const char* kYearUtility = "FORM4";
inline constexpr const char* kSettingsDialog = "FORM6";

}  // namespace cal
