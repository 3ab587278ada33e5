#pragma once
// Pictures of any kind Qt's readers know brought into the picture library:
// each becomes a 24-bit BMP that every computer of the nursery can read,
// its EXIF orientation applied, transparency laid on white, reduced (never
// enlarged) to what the largest printed place needs.

#include "ui/picture_library.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <string>

namespace cal::qtui {

// What Qt's readers may allocate for one picture, in MiB: a 48-megapixel
// phone photo decoded whole at 4 bytes a pixel (8064 × 6048, 186 MiB) fits;
// a picture whose header claims more is refused before it is decoded.
// Large JPEG files are decoded already reduced and take far less.
inline constexpr int kPictureAllocationMiB = 192;
// Sets that limit for every reader of the program; call once at start-up.
void limitPictureMemory();

// A file bigger than this is no picture a teacher brings in.
inline constexpr qint64 kMaxPictureFileBytes = qint64{256} * 1024 * 1024;

// The size a picture of `size` gets in the library: within
// kLibraryPictureSide each way, proportions kept, never enlarged.
QSize librarySize(const QSize& size);
// The size a JPEG of `size` is decoded at by the decoder's own scaling (a
// power of two, staying at least twice the library size); invalid: whole.
QSize jpegDecodeSize(const QSize& size);

struct ConvertedPicture {
    QImage image;   // Format_RGB32, on white, reduced; null when refused
    QString error;  // why it was refused, naming the file
};
// The picture of the file as the library keeps it.
ConvertedPicture libraryPicture(const QString& path);

// Brings the file into the library folder of `dataDir`: the picture is
// converted, then stored under its library name, or a free numbered name
// when a file of that name (in any letter case) holds other pixels; a file
// holding the same pixels is used as it is.
PictureImport importPicture(const std::string& dataDir, const std::string& path);

}  // namespace cal::qtui
