#include "windows/form_descriptions.h"

#include <array>

namespace cal::forms {

namespace {

struct SettingField {
    std::string_view edit, label, initial;
    double x, y;  // label position; the field stands right of it
};

// The setting fields lie below the visible strip and hold the display and
// print settings as text.
constexpr std::array<SettingField, 21> kSettingFields{{
    {"EDIT1", "←→横の数", "7", 28, 460},
    {"EDIT2", "↑↓縦の数", "5", 28, 545},
    {"EDIT3", "１日の枠幅㎜", "70", 28, 630},
    {"EDIT4", "１日の枠高さ㎜", "38", 28, 715},
    {"EDIT5", "印刷↑上余白㎜", "13", 28, 800},
    {"EDIT6", "印刷←左余白㎜", "0", 28, 885},
    {"EDIT7", "", "5", 28, 970},
    {"EDIT8", "", "6", 525, 460},
    {"EDIT9", "", "7", 525, 545},
    {"EDIT10", "", "1", 525, 630},
    {"EDIT11", "", "0", 1010, 460},
    {"EDIT12", "", "7", 1010, 545},
    {"EDIT13", "", "", 1010, 630},
    {"EDIT14", "行 間㎜", "8", 1010, 715},
    {"EDIT15", "印刷ﾌｫﾝﾄｻｲｽﾞ", "12", 1010, 800},
    {"EDIT16", "", "2", 1010, 885},
    {"EDIT17", "", "3", 1010, 970},
    {"EDIT18", "", "4", 1420, 460},
    {"EDIT19", "", "0", 1420, 545},
    {"EDIT20", "←画面余白㎜", "4", 1420, 630},
    {"EDIT78", "画面タイトル高㎜", "40", 1420, 715},
}};

// Label names: TEXT100 + the field's number.
constexpr std::array<std::string_view, 21> kLabelNames{
    "TEXT101", "TEXT102", "TEXT103", "TEXT104", "TEXT105", "TEXT106", "TEXT107",
    "TEXT108", "TEXT109", "TEXT110", "TEXT111", "TEXT112", "TEXT113", "TEXT114",
    "TEXT115", "TEXT116", "TEXT117", "TEXT118", "TEXT119", "TEXT120", "TEXT178"};

}  // namespace

FormDescription mainForm() {
    FormDescription form{
        "MAINFORM",
        "ソラニワのスプラウトワークスシリーズ　カレンダー（フリー無料ソフト）Ver4.0 L01",
        1891,
        306,
        {
            {ControlKind::Button, "BUTTON5", "前　月", 9, 0, 197, 75},
            {ControlKind::Button, "BUTTON6", "後　月", 9, 75, 197, 75},
            {ControlKind::Text, "TEXT59", "年度", 216, 9, 141, 56},
            {ControlKind::Edit, "EDIT154", "", 356, 0, 159, 66, {}, 0, true},
            {ControlKind::Button, "BUTTON7", "印刷", 206, 75, 309, 75},
            {ControlKind::Button, "BUTTON72", "１年分印刷", 206, 150, 309, 75},
            {ControlKind::Button, "BUTTON76", "予定の書き出し（iCalendar）", 956, 150, 450, 75},
            {ControlKind::Button, "BUTTON70", "祭日・行事ﾃﾞｰﾀ取込", 516, 0, 441, 75},
            {ControlKind::Button, "BUTTON25", "ユーティリティ", 516, 75, 441, 75},
            {ControlKind::Button, "BUTTON71", "表示印刷関連設定", 956, 0, 450, 75},
            // In the strip, below 表示印刷関連設定, where a teacher can reach it.
            {ControlKind::Button, "BUTTON8", "共通ｶﾚﾝﾀﾞｰからｺﾋﾟｰ", 956, 75, 450, 75},
            {ControlKind::Text, "TEXT20", "新年度処理", 1406, 9, 375, 56},
            {ControlKind::Button, "BUTTON4", "１年分空ﾃﾞｰﾀ作成", 1406, 75, 384, 75},
            {ControlKind::Button, "BUTTON73", "予定の取り込み（iCalendar）", 516, 150, 441, 75},
            {ControlKind::Button, "BUTTON74", "元に戻す", 1406, 150, 192, 75},
            {ControlKind::Button, "BUTTON75", "やり直し", 1598, 150, 192, 75},
            {ControlKind::Button, "BUTTON1", "設定更新（要再実行）", 525, 759, 469, 75},
            {ControlKind::Button, "BUTTON2", "データ読込", 28, 1209, 488, 75},
        },
        true};
    form.shortcuts = kUndoShortcuts;
    for (std::size_t i = 0; i < kSettingFields.size(); ++i) {
        const SettingField& f = kSettingFields[i];
        const double labelWidth = f.x < 1400 ? 300 : 310;
        form.controls.push_back(
            {ControlKind::Text, kLabelNames[i], f.label, f.x, f.y + 10, labelWidth, 56});
        form.controls.push_back(
            {ControlKind::Edit, f.edit, f.initial, f.x + labelWidth + 12, f.y, 150, 75});
    }
    return form;
}

}  // namespace cal::forms
