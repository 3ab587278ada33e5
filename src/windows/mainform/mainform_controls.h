#pragma once
// The main window's control names: the strip of buttons and the setting
// fields that hold the display and print settings.

#include <array>
#include <string_view>

namespace cal::mainform {

inline constexpr const char* kPreviousMonth = "BUTTON5";  // 前　月
inline constexpr const char* kNextMonth = "BUTTON6";      // 後　月
inline constexpr const char* kSchoolYear = "EDIT154";     // 年度 (read-only)
inline constexpr const char* kPrint = "BUTTON7";          // 印刷
inline constexpr const char* kPrintYear = "BUTTON72";     // １年分印刷
inline constexpr const char* kExportIcs = "BUTTON76";     // 予定の書き出し（iCalendar）
inline constexpr const char* kHolidayImport = "BUTTON70"; // 祭日・行事ﾃﾞｰﾀ取込
inline constexpr const char* kUtility = "BUTTON25";       // ユーティリティ
inline constexpr const char* kSettings = "BUTTON71";      // 表示印刷関連設定
inline constexpr const char* kCommonCopy = "BUTTON8";     // 共通ｶﾚﾝﾀﾞｰからｺﾋﾟｰ
inline constexpr const char* kEmptyYear = "BUTTON4";      // １年分空ﾃﾞｰﾀ作成
inline constexpr const char* kSettingsUpdate = "BUTTON1"; // 設定更新（要再実行）
inline constexpr const char* kLoadData = "BUTTON2";         // データ読込
inline constexpr const char* kImportIcs = "BUTTON73";  // 予定の取り込み（iCalendar）
inline constexpr const char* kUndo = "BUTTON74";       // 元に戻す (Ctrl+Z)
inline constexpr const char* kRedo = "BUTTON75";       // やり直し (Ctrl+Y)

// The setting fields the program uses.
inline constexpr const char* kColumns = "EDIT1";        // ←→横の数
inline constexpr const char* kRows = "EDIT2";           // ↑↓縦の数
inline constexpr const char* kBoxWidth = "EDIT3";       // １日の枠幅㎜
inline constexpr const char* kBoxHeight = "EDIT4";      // １日の枠高さ㎜
inline constexpr const char* kPaperTop = "EDIT5";       // 印刷↑上余白㎜
inline constexpr const char* kPaperLeft = "EDIT6";      // 印刷←左余白㎜
inline constexpr const char* kLineSpacing = "EDIT14";   // 行 間㎜
inline constexpr const char* kPrintFontSize = "EDIT15"; // 印刷ﾌｫﾝﾄｻｲｽﾞ
inline constexpr const char* kScreenMargin = "EDIT20";  // ←画面余白㎜
inline constexpr const char* kTitleHeight = "EDIT78";   // 画面タイトル高㎜

// All 21 setting fields in the order of master/CalendarH.dat; those not
// named above are carried through unused.
inline constexpr std::array<std::string_view, 21> kSettingFields{
    "EDIT1",  "EDIT2",  "EDIT3",  "EDIT4",  "EDIT5",  "EDIT6",  "EDIT7",
    "EDIT8",  "EDIT9",  "EDIT10", "EDIT11", "EDIT12", "EDIT13", "EDIT14",
    "EDIT15", "EDIT16", "EDIT17", "EDIT18", "EDIT19", "EDIT20", "EDIT78"};

}  // namespace cal::mainform
