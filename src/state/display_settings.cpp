#include "state/display_settings.h"

#include "data/file_io.h"
#include "data/sjis.h"
#include "tools/numbers.h"
#include "ui/forms_service.h"
#include "ui/names.h"

namespace cal {

namespace {

double field(const FormsService& forms, std::string_view name) {
    return leadingValue(forms.text(kMainForm, name));
}

#ifdef _WIN32
constexpr const char* kLineEnd = "\r\n";
#else
constexpr const char* kLineEnd = "\n";
#endif

}  // namespace

DisplaySettings deriveDisplaySettings(const FormsService& forms) {
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

bool loadSettingsFile(FormsService& forms, const std::string& path, std::string& error) {
    // A settings file is a few dozen bytes; anything past 64 KiB is not one.
    const ReadResult file = readFile(path, 64 * 1024);
    if (!file.ok) {
        error = file.error;
        return false;
    }
    const std::string text = sjisToUtf8(file.bytes);
    std::size_t pos = 0;
    for (std::string_view name : kSettingFields) {
        if (pos >= text.size()) break;
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        forms.setText(kMainForm, name, line);
        pos = end + 1;
    }
    return true;
}

bool saveSettingsFile(const FormsService& forms, const std::string& path, std::string& error) {
    std::string text;
    for (std::string_view name : kSettingFields) text += forms.text(kMainForm, name) + kLineEnd;
    return writeFileReplacing(path, utf8ToSjis(text), error);
}

}  // namespace cal
