#include "qt/platform/file_state.h"

#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace cal::qtui {

std::optional<FileState> fileState(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(info.filesystemFilePath(), error);
    if (error) return std::nullopt;
    return FileState{static_cast<qint64>(modified.time_since_epoch().count()), info.size()};
}

}  // namespace cal::qtui
