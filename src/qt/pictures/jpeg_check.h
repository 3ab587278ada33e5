#pragma once
// Whether a JPEG file holds its whole picture: Qt's reader fills a picture
// cut short with grey and says nothing.

#include <QByteArray>

namespace cal::qtui {

// True when the bytes start a JPEG stream; then `complete` tells whether the
// stream reaches its end marker. Bytes after the end (a phone's appended
// data) do not matter.
bool isJpeg(const QByteArray& bytes);
bool jpegComplete(const QByteArray& bytes);

}  // namespace cal::qtui
