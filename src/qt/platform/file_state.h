#pragma once
// A file's state on disk, as one look at the file system gives it.

#include <QString>
#include <QtGlobal>

#include <optional>

namespace cal::qtui {

// A changed file has another time or size.
struct FileState {
    qint64 modified = 0;  // modification time in the file system's own ticks
    qint64 bytes = 0;     // file size
    bool operator==(const FileState&) const = default;
};

// One look at the file system; nothing when `path` is not a regular file.
std::optional<FileState> fileState(const QString& path);

}  // namespace cal::qtui
