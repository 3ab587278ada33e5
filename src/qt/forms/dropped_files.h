#pragma once
// The local files of a drag from a file manager.

#include <QList>
#include <QMimeData>
#include <QString>
#include <QUrl>

#include <string>
#include <vector>

namespace cal::qtui {

// The full paths (UTF-8) of the local files the drag carries; folders and
// other links included, for the importer to name and refuse.
inline std::vector<std::string> droppedFiles(const QMimeData* mime) {
    std::vector<std::string> files;
    if (mime == nullptr || !mime->hasUrls()) return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    return files;
}

}  // namespace cal::qtui
