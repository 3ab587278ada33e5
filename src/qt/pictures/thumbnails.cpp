#include "qt/pictures/thumbnails.h"

#include "qt/pictures/bmp_reader.h"
#include "qt/pictures/decoding.h"
#include "qt/pictures/picture_file.h"
#include "qt/pictures/reduction.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace cal::qtui {

QImage makeThumbnail(const QString& path) {
    PictureFile file;
    file.path = path;
    file.bmp = bmpLayout(path);
    if (file.bmp) {
        file.size = QSize(file.bmp->width, file.bmp->height);
    } else if (const auto size = headerSize(path)) {
        file.size = *size;
    } else {
        return {};
    }
    const QSize target = file.size.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio).expandedTo({1, 1});
    const QSize size = fitsWithin(file.size, target) ? file.size : target;
    const QImage reduced = reducedPicture(file, factorAbove(file.size, size));
    if (reduced.isNull()) return {};
    return reduced.size() == size ? drawableImage(reduced) : smoothlyScaled(reduced, size);
}

QString ThumbnailCache::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/nursery-calendar/thumbnails");
}

QString ThumbnailCache::entryPath(const QFileInfo& file) const {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(file.absoluteFilePath().toUtf8());
    hash.addData(QByteArray::number(file.size()));
    hash.addData(QByteArray::number(file.lastModified().toMSecsSinceEpoch()));
    return m_folder + QLatin1Char('/') + QString::fromLatin1(hash.result().toHex()) + QStringLiteral(".bmp");
}

QImage ThumbnailCache::kept(const QFileInfo& file) const {
    QImage image;
    image.load(entryPath(file), "BMP");
    return image;
}

QImage ThumbnailCache::thumbnail(const QString& path) const {
    const QFileInfo file(path);
    if (QImage image = kept(file); !image.isNull()) return image;
    const QImage made = makeThumbnail(path);
    if (made.isNull()) return made;
    // Kept whole or not at all: written beside its place and renamed there,
    // so a reader never meets half a file. A lost entry is only made again,
    // so nothing is flushed to disk.
    if (QDir().mkpath(m_folder)) {
        const QString entry = entryPath(file);
        const QString part = entry + QStringLiteral(".%1.part").arg(reinterpret_cast<quintptr>(&made), 0, 16);
        if (!made.save(part, "BMP") || !QFile::rename(part, entry)) QFile::remove(part);
    }
    return made;
}

}  // namespace cal::qtui
