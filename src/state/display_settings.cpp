#include "state/display_settings.h"

#include "data/settings_file.h"
#include "tools/numbers.h"
#include "ui/forms.h"
#include "ui/names.h"

namespace cal {

namespace {

double field(const Forms& forms, std::string_view name) {
    return leadingValue(forms.text(kMainForm, name));
}

}  // namespace

DisplaySettings deriveDisplaySettings(const Forms& forms) {
    DisplaySettings d;
    d.columns = leadingInt(forms.text(kMainForm, "EDIT1"));
    d.rows = leadingInt(forms.text(kMainForm, "EDIT2"));
    d.boxWidth = static_cast<int>(field(forms, "EDIT3") * 10 * 0.5);
    d.boxHeight = static_cast<int>(field(forms, "EDIT4") * 10 * 0.5);
    d.paperTop = static_cast<int>(field(forms, "EDIT5") * 10);
    d.paperLeft = static_cast<int>(field(forms, "EDIT6") * 10);
    d.lineSpacing = field(forms, "EDIT14") * 10 * 0.5;
    d.printFontSize = leadingInt(forms.text(kMainForm, "EDIT15"));
    d.margin = field(forms, "EDIT20") * 10 * 0.5;
    d.titleMm = field(forms, "EDIT78");
    return d;
}

bool gridIsUsable(const DisplaySettings& d) {
    return d.columns >= 1 && d.rows >= 1 && d.columns <= 42 && d.rows <= 42 && d.cellCount() <= 42 &&
           d.boxWidth > 0 && d.boxHeight > 0;
}

bool loadSettingsFile(Forms& forms, const std::string& path, std::string& error) {
    std::vector<std::string> lines;
    if (!readSettingsLines(path, kSettingFields.size(), lines, error)) return false;
    // Lines that are missing leave their field as it was.
    for (std::size_t i = 0; i < lines.size(); ++i) forms.setText(kMainForm, kSettingFields[i], lines[i]);
    return true;
}

bool saveSettingsFile(const Forms& forms, const std::string& path, std::string& error) {
    std::vector<std::string> lines;
    for (std::string_view name : kSettingFields) lines.push_back(forms.text(kMainForm, name));
    return writeSettingsLines(path, lines, error);
}

}  // namespace cal
