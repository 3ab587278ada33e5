#include "qt/pictures/bmp_files.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace cal::testbmp {

namespace {

void put16(QByteArray& b, int at, int v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void put32(QByteArray& b, int at, qint64 v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

QByteArray header(int width, int height, int bits, int compression, bool topDown, int infoBytes, int colours) {
    QByteArray b(14 + infoBytes + (compression == 3 && infoBytes == 40 ? 12 : 0) + 4 * colours, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 10, b.size());
    put32(b, 14, infoBytes);
    put32(b, 18, width);
    put32(b, 22, topDown ? -height : height);
    put16(b, 26, 1);
    put16(b, 28, bits);
    put32(b, 30, compression);
    put32(b, 46, colours);
    if (compression == 3) {
        put32(b, 54, 0x00FF0000);
        put32(b, 58, 0x0000FF00);
        put32(b, 62, 0x000000FF);
    }
    for (int i = 0; i < colours; ++i) {
        const QRgb c = paletteColour(bits, i);
        const int at = 14 + infoBytes + 4 * i;
        b[at] = static_cast<char>(qBlue(c));
        b[at + 1] = static_cast<char>(qGreen(c));
        b[at + 2] = static_cast<char>(qRed(c));
    }
    return b;
}

void finish(QByteArray& b) { put32(b, 2, b.size()); }

// Run-length rows, bottom first: runs for even rows, literal runs for odd.
QByteArray runLength(int width, int height, int bits) {
    QByteArray data;
    const bool four = bits == 4;
    for (int y = height - 1; y >= 0; --y) {
        int x = 0;
        while (x < width) {
            const int index = indexAt(bits, x, y);
            if (y % 2 == 0) {
                int n = 1;
                while (x + n < width && n < 255 && indexAt(bits, x + n, y) == index) ++n;
                data.append(static_cast<char>(n));
                data.append(static_cast<char>(four ? (index << 4) | index : index));
                x += n;
            } else {
                const int n = std::min(width - x, 40);
                if (n < 3) {  // a literal run holds at least three pixels
                    data.append(static_cast<char>(n));
                    data.append(static_cast<char>(four ? (index << 4) | index : index));
                    x += n;
                    continue;
                }
                data.append('\0');
                data.append(static_cast<char>(n));
                QByteArray literal;
                for (int i = 0; i < n; ++i) {
                    const int v = indexAt(bits, x + i, y);
                    if (!four)
                        literal.append(static_cast<char>(v));
                    else if (i % 2 == 0)
                        literal.append(static_cast<char>(v << 4));
                    else
                        literal[literal.size() - 1] = static_cast<char>(literal.back() | v);
                }
                if (literal.size() % 2) literal.append('\0');
                data.append(literal);
                x += n;
            }
        }
        data.append('\0');
        data.append('\0');  // end of line
    }
    data.append('\0');
    data.append('\1');  // end of picture
    return data;
}

}  // namespace

QRgb paletteColour(int bits, int i) {
    if (bits == 1) return i == 0 ? qRgb(250, 240, 10) : qRgb(20, 30, 200);
    return qRgb((i * 37 + 11) % 256, (i * 91 + 50) % 256, (i * 13 + 200) % 256);
}

int indexAt(int bits, int x, int y) { return ((x / 3) * 5 + y * 3) % (1 << bits); }

QRgb colourAt(int x, int y) { return qRgb((x * 7 + y) % 256, (y * 5) % 256, (x * 3 + y * 11) % 256); }

QByteArray makeBmp(int width, int height, const Kind& kind) {
    const bool palette = kind.bits <= 8;
    QByteArray b = header(width, height, kind.bits, kind.compression, kind.topDown, kind.infoBytes,
                          palette ? 1 << kind.bits : 0);
    if (kind.compression == 1 || kind.compression == 2) {
        b.append(runLength(width, height, kind.bits));
        finish(b);
        return b;
    }
    const int stride = ((width * kind.bits + 31) / 32) * 4;
    for (int row = 0; row < height; ++row) {
        const int y = kind.topDown ? row : height - 1 - row;
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            if (palette) {
                const int v = indexAt(kind.bits, x, y);
                const int bit = x * kind.bits;
                line[bit / 8] = static_cast<char>(line[bit / 8] | (v << (8 - kind.bits - bit % 8)));
            } else {
                const QRgb c = colourAt(x, y);
                const int at = x * kind.bits / 8;
                line[at] = static_cast<char>(qBlue(c));
                line[at + 1] = static_cast<char>(qGreen(c));
                line[at + 2] = static_cast<char>(qRed(c));
                if (kind.bits == 32) line[at + 3] = '\x7F';  // not alpha: ignored
            }
        }
        b.append(line);
    }
    finish(b);
    return b;
}

QByteArray hugeRle8(int width, int height) {
    QByteArray b = header(width, height, 8, 1, false, 40, 256);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; x += 255) {
            b.append(static_cast<char>(std::min(255, width - x)));
            b.append(static_cast<char>(y * 4 / height + 1));  // four bands, top to bottom
        }
        b.append('\0');
        b.append('\0');
    }
    b.append('\0');
    b.append('\1');
    finish(b);
    return b;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace cal::testbmp
