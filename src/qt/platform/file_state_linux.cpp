#include "qt/platform/file_state.h"

#include <QFile>

#include <sys/stat.h>

namespace cal::qtui {

std::optional<FileState> fileState(const QString& path) {
    // One stat: the time as the file system gives it, no local time.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileState{qint64{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec, info.st_size};
}

}  // namespace cal::qtui
