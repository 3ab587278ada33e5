#pragma once
// The display and print settings: 21 text lines in master/CalendarH.dat, held
// in the main window's setting fields (mainform::kSettingFields).

#include "windows/mainform/mainform_controls.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

class FileWriter;
class Forms;

// The range of a setting the program uses, and the main window's initial
// text, which stands in for a value outside it. Lengths are in mm and reach
// at most the long side of A3 paper.
struct SettingRange {
    std::string_view field, label;
    double low, high;
    std::string_view initial;
};
inline constexpr std::array<SettingRange, 10> kSettingRanges{{
    {mainform::kColumns, "←→横の数", 1, 42, "7"},
    {mainform::kRows, "↑↓縦の数", 1, 42, "5"},
    {mainform::kBoxWidth, "１日の枠幅㎜", 1, 420, "70"},
    {mainform::kBoxHeight, "１日の枠高さ㎜", 1, 420, "38"},
    {mainform::kPaperTop, "印刷↑上余白㎜", 0, 420, "13"},
    {mainform::kPaperLeft, "印刷←左余白㎜", 0, 420, "0"},
    {mainform::kLineSpacing, "行 間㎜", 0, 420, "8"},
    {mainform::kPrintFontSize, "印刷ﾌｫﾝﾄｻｲｽﾞ", 1, 72, "12"},
    {mainform::kScreenMargin, "←画面余白㎜", 0, 420, "4"},
    {mainform::kTitleHeight, "画面タイトル高㎜", 0, 420, "40"},
}};
// The range of a field, or null for a field no drawing uses.
const SettingRange* settingRange(std::string_view field);
// The value of `text` when it is a decimal number (blanks around it allowed)
// inside the range.
std::optional<double> checkedSetting(const SettingRange& range, std::string_view text);
// "「１日の枠幅㎜」は 1～420 の数で入力してください。"
std::string settingRangeMessage(const SettingRange& range);

// The values the screen and the printed page use, fixed at start-up. Screen
// sizes are 0.1 mm at half the printed size; paper sizes 0.1 mm at full size.
struct DisplaySettings {
    int columns = 7;
    int rows = 5;
    int boxWidth = 350;        // "１日の枠幅㎜" × 10 × 0.5
    int boxHeight = 190;       // "１日の枠高さ㎜" × 10 × 0.5
    double margin = 20;        // "←画面余白㎜" × 10 × 0.5
    double titleMm = 40;       // "画面タイトル高㎜"
    int paperBoxWidth = 700;   // "１日の枠幅㎜" × 10
    int paperBoxHeight = 380;  // "１日の枠高さ㎜" × 10
    int paperTop = 130;        // "印刷↑上余白㎜" × 10
    int paperLeft = 0;         // "印刷←左余白㎜" × 10
    double lineSpacing = 40;   // "行 間㎜" × 10 × 0.5
    int printFontSize = 12;    // "印刷ﾌｫﾝﾄｻｲｽﾞ"

    double titleBand() const { return titleMm * 10 / 3; }
    int cellCount() const { return columns * rows; }
};

// A setting field whose text is outside its range, and what was used instead.
struct SettingProblem {
    const SettingRange* range;
    std::string text;
};

// Derives the values from the main window's setting fields. A field outside
// its range counts as its initial text and is listed in `problems`; so are
// both counts when the grid would have more than 42 cells.
DisplaySettings deriveDisplaySettings(const Forms& forms, std::vector<SettingProblem>& problems);
// The settings fields that are outside their ranges, in file order.
std::vector<SettingProblem> settingProblems(const Forms& forms);
// One line per problem: "「１日の枠幅㎜」 20000 → 70（1～420）".
std::string describeProblems(const std::vector<SettingProblem>& problems);

// Reads master/CalendarH.dat into the setting fields. Lines that are missing
// leave their field as it was. Answers false with a message text when the
// file exists but cannot be read.
bool loadSettingsFile(Forms& forms, const std::string& path, std::string& error);
// Writes the 21 setting fields to `path`, replacing the file whole.
bool saveSettingsFile(const Forms& forms, const std::string& path, std::string& error, FileWriter& writer);

}  // namespace cal
