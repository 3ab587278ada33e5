#include "data/year_file.h"

#include "state/context.h"
#include "data/file_io.h"
#include "ui/names.h"

#include <cstring>

namespace cal {

std::string yearSettingsPath(const std::string& dataDir, const std::string& schoolYear) {
    return dataPath(dataDir, "master", "Calendar" + schoolYear + "設定.dat");
}

std::string defaultSettingsPath(const std::string& dataDir) {
    return dataPath(dataDir, "master", "CalendarDef0設定.dat");
}

void CALENDAR_UT_YOMU(Context& c, const std::string& path) {
    readYearSettings(c, path, c.state.yearSettings, kMainForm);
}

bool readYearSettings(Context& c, const std::string& path, YearSettings& into, std::string_view owner) {
    if (!fileExists(path)) return false;
    const ReadResult file = readFile(path, sizeof(YearSettings));
    if (!file.ok) {
        c.forms.messageBox(owner, "エラー",
                           "カレンダー設定ファイル(" + path + ")が読み込めません。(" + file.error + ")",
                           mb::kOk, mb::kIconStop);
        return false;
    }
    into = {};
    std::memcpy(&into, file.bytes.data(), file.bytes.size());
    if (file.bytes.size() < sizeof(YearSettings))
        c.forms.messageBox(owner, "お知らせ",
                           "カレンダー設定ファイル(" + path +
                               ")が途中までしかないため、足りない部分を空のデータとして読み込みました。",
                           mb::kOk, mb::kIconInformation);
    return true;
}

bool writeYearSettings(const std::string& path, const YearSettings& settings, std::string& error) {
    std::string bytes(sizeof(YearSettings), '\0');
    std::memcpy(bytes.data(), &settings, sizeof(YearSettings));
    return writeFileReplacing(path, bytes, error);
}

}  // namespace cal
