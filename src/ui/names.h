#pragma once
// The names of the program's windows, and how numbered controls are named.

#include <string>
#include <string_view>

namespace cal {

inline constexpr const char* kMainForm = "MAINFORM";
inline constexpr const char* kMonthForm = "FORM2";
inline constexpr const char* kDayEditor = "FORM3";
inline constexpr const char* kYearUtility = "FORM4";
inline constexpr const char* kSettingsDialog = "FORM6";

// A numbered control: ("EDIT", 21) → "EDIT21".
inline std::string numberedName(std::string_view kind, int number) {
    return std::string(kind) + std::to_string(number);
}

}  // namespace cal
