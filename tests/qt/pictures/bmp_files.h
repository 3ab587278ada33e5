#pragma once
// Bitmap files of every kind a nursery may have, built byte by byte for the
// tests: palette pictures of 1, 4 and 8 bits (plain or run-length coded),
// 24 and 32 bits, bottom-up or top-down.

#include <QByteArray>
#include <QRgb>
#include <QString>

namespace cal::testbmp {

struct Kind {
    int bits = 24;
    int compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields (32 bits)
    bool topDown = false;
    int infoBytes = 40;   // 40, or 124 for a version 5 header
};

// The colour of palette entry i of a picture with `bits` bits.
QRgb paletteColour(int bits, int i);
// The palette index (palette kinds) or colour (24 and 32 bits) at (x, y):
// runs of equal pixels and changes from row to row.
int indexAt(int bits, int x, int y);
QRgb colourAt(int x, int y);

QByteArray makeBmp(int width, int height, const Kind& kind);
// An 8-bit run-length coded picture of one colour per row band: tiny on disk
// however large it is.
QByteArray hugeRle8(int width, int height);
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace cal::testbmp
