#include "state/display_settings.h"

#include "data/settings_file.h"
#include "tools/numbers.h"
#include "ui/forms.h"
#include "ui/names.h"

#include <algorithm>
#include <cstdio>

namespace cal {

namespace {

constexpr int kMaxCells = 42;

// A plain decimal number: an optional sign, digits, an optional fraction.
bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++digits;
    return digits > 0 && i == text.size();
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string rangeText(const SettingRange& r) {
    std::string text = number(r.low) + "～" + number(r.high);
    if (r.field == mainform::kColumns || r.field == mainform::kRows) text += "、横×縦は42まで";
    return text;
}

// The value of a field, its initial text standing in for one out of range.
double value(const Forms& forms, const SettingRange& range, std::vector<SettingProblem>& problems) {
    const std::string text = forms.text(kMainForm, range.field);
    if (const auto v = checkedSetting(range, text)) return *v;
    problems.push_back({&range, text});
    return leadingValue(range.initial);
}

double value(const Forms& forms, std::string_view field, std::vector<SettingProblem>& problems) {
    return value(forms, *settingRange(field), problems);
}

}  // namespace

const SettingRange* settingRange(std::string_view field) {
    for (const SettingRange& r : kSettingRanges)
        if (r.field == field) return &r;
    return nullptr;
}

std::optional<double> checkedSetting(const SettingRange& range, std::string_view text) {
    text = trimBlanks(text);
    if (!isDecimalNumber(text)) return std::nullopt;
    const double v = leadingValue(text);
    if (!(v >= range.low && v <= range.high)) return std::nullopt;
    return v;
}

std::string settingRangeMessage(const SettingRange& range) {
    return "「" + std::string(range.label) + "」は " + rangeText(range) + " の数で入力してください。";
}

DisplaySettings deriveDisplaySettings(const Forms& forms, std::vector<SettingProblem>& problems) {
    DisplaySettings d;
    // Every value lies inside its range, so none of the products below can
    // leave the range of int.
    d.columns = static_cast<int>(value(forms, mainform::kColumns, problems));
    d.rows = static_cast<int>(value(forms, mainform::kRows, problems));
    if (d.columns * d.rows > kMaxCells) {
        for (std::string_view field : {mainform::kColumns, mainform::kRows})
            problems.push_back({settingRange(field), forms.text(kMainForm, field)});
        const DisplaySettings defaults;
        d.columns = defaults.columns;
        d.rows = defaults.rows;
    }
    const double width = value(forms, mainform::kBoxWidth, problems), height = value(forms, mainform::kBoxHeight, problems);
    d.paperBoxWidth = static_cast<int>(width * 10);
    d.paperBoxHeight = static_cast<int>(height * 10);
    d.boxWidth = static_cast<int>(width * 10 * 0.5);
    d.boxHeight = static_cast<int>(height * 10 * 0.5);
    // A box narrower than a tenth of a millimetre on screen still gets one.
    d.boxWidth = std::max(d.boxWidth, 1);
    d.boxHeight = std::max(d.boxHeight, 1);
    d.paperTop = static_cast<int>(value(forms, mainform::kPaperTop, problems) * 10);
    d.paperLeft = static_cast<int>(value(forms, mainform::kPaperLeft, problems) * 10);
    d.lineSpacing = value(forms, mainform::kLineSpacing, problems) * 10 * 0.5;
    d.printFontSize = static_cast<int>(value(forms, mainform::kPrintFontSize, problems));
    d.margin = value(forms, mainform::kScreenMargin, problems) * 10 * 0.5;
    d.titleMm = value(forms, mainform::kTitleHeight, problems);
    std::stable_sort(problems.begin(), problems.end(), [](const SettingProblem& a, const SettingProblem& b) {
        return a.range < b.range;
    });
    problems.erase(std::unique(problems.begin(), problems.end(),
                               [](const SettingProblem& a, const SettingProblem& b) { return a.range == b.range; }),
                   problems.end());
    return d;
}

std::vector<SettingProblem> settingProblems(const Forms& forms) {
    std::vector<SettingProblem> problems;
    deriveDisplaySettings(forms, problems);
    return problems;
}

std::string describeProblems(const std::vector<SettingProblem>& problems) {
    std::string text;
    for (const SettingProblem& p : problems) {
        const SettingRange& r = *p.range;
        text += "「" + std::string(r.label) + "」 " + (p.text.empty() ? "(空)" : p.text) + " → " +
                std::string(r.initial) + "（" + rangeText(r) + "）\r\n";
    }
    return text;
}

bool loadSettingsFile(Forms& forms, const std::string& path, std::string& error) {
    std::vector<std::string> lines;
    if (!readSettingsLines(path, mainform::kSettingFields.size(), lines, error)) return false;
    // Lines that are missing leave their field as it was.
    for (std::size_t i = 0; i < lines.size(); ++i) forms.setText(kMainForm, mainform::kSettingFields[i], lines[i]);
    return true;
}

bool saveSettingsFile(const Forms& forms, const std::string& path, std::string& error, FileWriter& writer) {
    std::vector<std::string> lines;
    for (std::string_view name : mainform::kSettingFields) lines.push_back(forms.text(kMainForm, name));
    return writeSettingsLines(path, lines, error, writer);
}

}  // namespace cal
