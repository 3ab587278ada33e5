#pragma once
// Windows bitmap files read in one pass: rows are read a few at a time and
// averaged into a reduced picture as they arrive, so a photo of any size is
// never held whole. Reads 1-, 4- and 8-bit palette pictures (uncompressed or
// RLE), 24-bit and 32-bit pictures, bottom-up and top-down. Anything else
// (16 bits, alpha masks, OS/2 headers, other formats) is left to Qt's reader.

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace cal::qtui {

// The facts of a bitmap header the reader needs.
struct BmpLayout {
    int width = 0;
    int height = 0;  // always positive
    bool topDown = false;
    int bits = 0;
    int compression = 0;   // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    qint64 pixelsAt = 0;   // offset of the pixel data in the file
    qint64 fileBytes = 0;  // size of the whole file
    int paletteEntries = 0;
    qint64 paletteAt = 0;
};

// The header of a bitmap file this reader can read, from the file's first
// bytes and its size; nothing when it is another kind of file or a bitmap
// kind it leaves to Qt, or when the header contradicts itself or the file.
std::optional<BmpLayout> bmpLayout(const QByteArray& head, qint64 fileBytes);
// Reads the first bytes of `path` and answers its layout as above.
std::optional<BmpLayout> bmpLayout(const QString& path);
// Whether a bitmap file of uncompressed rows, of any kind, ends before the
// rows its header promises: a damaged file, which Qt's reader would draw as
// far as it goes without a word.
bool bmpRowsPastEnd(const QByteArray& head, qint64 fileBytes);

// The picture reduced by `factor` each way (each pixel the rounded mean of
// factor × factor pixels; the last rows and columns that do not fill a whole
// block are dropped, as halving does), in Format_RGB32. Null when the file
// cannot be read as `layout` says (too short, damaged run-length data).
QImage readReducedBmp(const QString& path, const BmpLayout& layout, int factor);

// The largest factor the reader sums without overflow.
inline constexpr int kMaxBmpFactor = 4096;

}  // namespace cal::qtui
