#pragma once
// The display and print settings: 21 text lines in master/CalendarH.dat, held
// in the main window's setting fields EDIT1 … EDIT20 and EDIT78.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

class Forms;

// The setting fields in file order.
inline constexpr std::array<std::string_view, 21> kSettingFields{
    "EDIT1",  "EDIT2",  "EDIT3",  "EDIT4",  "EDIT5",  "EDIT6",  "EDIT7",
    "EDIT8",  "EDIT9",  "EDIT10", "EDIT11", "EDIT12", "EDIT13", "EDIT14",
    "EDIT15", "EDIT16", "EDIT17", "EDIT18", "EDIT19", "EDIT20", "EDIT78"};

// The values the screen uses, fixed at start-up (0.1 mm, half the printed size).
struct DisplaySettings {
    int columns = 7;
    int rows = 5;
    int boxWidth = 350;      // "１日の枠幅㎜" × 10 × 0.5
    int boxHeight = 190;     // "１日の枠高さ㎜" × 10 × 0.5
    double margin = 20;      // "←画面余白㎜" × 10 × 0.5
    double titleMm = 40;     // "画面タイトル高㎜"
    int paperTop = 130;      // "印刷↑上余白㎜" × 10
    int paperLeft = 0;       // "印刷←左余白㎜" × 10
    double lineSpacing = 40; // "行 間㎜" × 10 × 0.5
    int printFontSize = 12;  // "印刷ﾌｫﾝﾄｻｲｽﾞ"

    double titleBand() const { return titleMm * 10 / 3; }
    int cellCount() const { return columns * rows; }
};


// Derives the values from the main window's setting fields.
DisplaySettings deriveDisplaySettings(const Forms& forms);
// True when the grid can be laid out: at least one column and row, at most 42
// cells, and boxes wider and higher than zero.
bool gridIsUsable(const DisplaySettings& settings);

// Reads master/CalendarH.dat into the setting fields. Lines that are missing
// leave their field as it was. Answers false with a message text when the
// file exists but cannot be read.
bool loadSettingsFile(Forms& forms, const std::string& path, std::string& error);
// Writes the 21 setting fields to `path`, replacing the file whole.
bool saveSettingsFile(const Forms& forms, const std::string& path, std::string& error);

}  // namespace cal
