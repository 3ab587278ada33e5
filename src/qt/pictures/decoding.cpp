#include "qt/pictures/decoding.h"

#include "qt/pictures/bmp_reader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cstdlib>

namespace cal::qtui {

namespace {

void readByContents(QImageReader& reader) {
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
}

}  // namespace

std::optional<QSize> headerSize(const QString& path) {
    QImageReader reader(path);
    readByContents(reader);
    if (!reader.canRead()) return std::nullopt;
    QSize size = reader.size();
    // A top-down BMP gives its height negative, as its header has it.
    size.setHeight(std::abs(size.height()));
    if (!size.isValid() || size.isEmpty()) return std::nullopt;
    return size;
}

QImage decodePicture(const QString& path) {
    // One read of the whole file: much cheaper than the reader's small reads.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = file.readAll();
    file.close();
    if (bmpRowsPastEnd(bytes, bytes.size())) return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    readByContents(reader);
    return reader.read();
}

}  // namespace cal::qtui
