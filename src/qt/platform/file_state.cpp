#include "qt/platform/file_state.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#if defined(Q_OS_LINUX)
#include <sys/stat.h>
#endif

namespace cal::qtui {

std::optional<FileState> fileState(const QString& path) {
#if defined(Q_OS_LINUX)
    // One stat: the time as the file system gives it, no local time.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileState{qint64{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec, info.st_size};
#else
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(info.filesystemFilePath(), error);
    if (error) return std::nullopt;
    return FileState{static_cast<qint64>(modified.time_since_epoch().count()), info.size()};
#endif
}

}  // namespace cal::qtui
