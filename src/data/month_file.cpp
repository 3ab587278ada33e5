#include "data/month_file.h"

#include <cstring>

namespace cal {

std::string monthFilePath(const std::string& dataDir, const std::string& year, int month) {
    const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
    return dataPath(dataDir, "Calendar_dat", "Calendar" + year + mm + ".dat");
}

RecordRead readMonthFile(const std::string& path, MonthCells& cells, std::string& error) {
    if (folderExists(path)) {
        error = kFolderInPlace;
        cells = {};
        return RecordRead::Unreadable;
    }
    const RecordRead read = readRecordFile(path, cells.data(), kMonthFileSize, error);
    // The cells of another month must not pass for this one.
    if (read == RecordRead::Unreadable) cells = {};
    return read;
}

bool writeMonthFile(const std::string& path, const MonthCells& cells, std::string& error, FileWriter& writer) {
    std::string bytes(kMonthFileSize, '\0');
    std::memcpy(bytes.data(), cells.data(), kMonthFileSize);
    return writeFileReplacing(path, bytes, error, writer);
}

}  // namespace cal
