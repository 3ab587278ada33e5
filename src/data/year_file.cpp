#include "data/year_file.h"

#include "data/year_settings.h"

#include <cstring>

namespace cal {

std::string yearSettingsPath(const std::string& dataDir, const std::string& schoolYear) {
    return dataPath(dataDir, "master", "Calendar" + schoolYear + "設定.dat");
}

std::string defaultSettingsPath(const std::string& dataDir) {
    return dataPath(dataDir, "master", "CalendarDef0設定.dat");
}

RecordRead readYearSettings(const std::string& path, YearSettings& settings, std::string& error) {
    return readRecordFile(path, &settings, sizeof(YearSettings), error);
}

bool writeYearSettings(const std::string& path, const YearSettings& settings, std::string& error,
                       FileWriter& writer) {
    std::string bytes(sizeof(YearSettings), '\0');
    std::memcpy(bytes.data(), &settings, sizeof(YearSettings));
    return writeFileReplacing(path, bytes, error, writer);
}

}  // namespace cal
