#pragma once
// The picture targets' one file in a private temporary folder, rewritten
// for every input and removed when the run ends.

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

inline QString writePictureFile(const std::uint8_t* data, std::size_t size) {
    static const QString path = [] {
        static QTemporaryDir folder;
        if (!folder.isValid()) std::abort();
        return folder.filePath(QStringLiteral("picture.bmp"));
    }();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    return path;
}
