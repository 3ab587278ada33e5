#pragma once
// The settings dialog's control names: eight fields editing the main
// window's setting fields, the common calendar's folder row and the paper.

#include "windows/mainform/mainform_controls.h"

#include <array>
#include <utility>

namespace cal::form6 {

inline constexpr const char* kUpdate = "F6UPDATE";       // 設定更新（要再実行）
inline constexpr const char* kCommonFolder = "EDIT163";  // 共通カレンダーのフォルダ (read-only)
inline constexpr const char* kBrowse = "F6KICK";         // 参照…
inline constexpr const char* kPaper = "COMBO164";        // 用紙 (A3 / B4 / A4 / Letter)
inline constexpr const char* kStretch = "CHECK165";      // 絵を枠いっぱいに引き伸ばす (per user)

// The dialog's fields and the main window's fields they edit.
inline constexpr std::array<std::pair<const char*, const char*>, 8> kFields{{
    {"HEDIT155", mainform::kBoxWidth},
    {"HEDIT156", mainform::kBoxHeight},
    {"HEDIT157", mainform::kPaperTop},
    {"HEDIT158", mainform::kPaperLeft},
    {"HEDIT159", mainform::kLineSpacing},
    {"HEDIT160", mainform::kPrintFontSize},
    {"HEDIT161", mainform::kScreenMargin},
    {"HEDIT162", mainform::kTitleHeight},
}};

}  // namespace cal::form6
