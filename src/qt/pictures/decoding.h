#pragma once
// Picture files read with Qt's reader, the format taken from the contents.

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace cal::qtui {

// The size the file's header gives; nothing when it is not a picture Qt
// can read.
std::optional<QSize> headerSize(const QString& path);
// The whole picture at full size with Qt's reader; a null image when it
// cannot be decoded.
QImage decodePicture(const QString& path);

}  // namespace cal::qtui
