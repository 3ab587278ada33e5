#include "qt/pictures/bmp_reader.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace cal::qtui {

namespace {

constexpr qint64 kFileHeaderBytes = 14;
constexpr int kMaxSide = 65535;
constexpr qint64 kChunkBytes = qint64{1} << 20;  // what one read asks for at most

quint32 u32(const QByteArray& b, int at) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uchar>(b[at + i]);
    return v;
}
quint16 u16(const QByteArray& b, int at) {
    return static_cast<quint16>(static_cast<uchar>(b[at]) | (static_cast<uchar>(b[at + 1]) << 8));
}

qint64 rowBytes(const BmpLayout& l) { return ((qint64{l.width} * l.bits + 31) / 32) * 4; }

// Sums the rows of one band of output rows and writes their means.
class Reducer {
public:
    Reducer(const BmpLayout& layout, int factor)
        : m_factor(factor),
          m_image(layout.width / factor, layout.height / factor, QImage::Format_RGB32),
          m_sums(static_cast<std::size_t>(m_image.width()) * 3, 0) {}

    bool valid() const { return !m_image.isNull(); }
    int usedWidth() const { return m_image.width() * m_factor; }
    int usedHeight() const { return m_image.height() * m_factor; }
    QImage take() { return std::move(m_image); }

    // One row of 24-bit pixels (blue, green, red).
    void addBgr(const uchar* row, int step) {
        quint32* sum = m_sums.data();
        for (int x = 0, w = m_image.width(); x < w; ++x, sum += 3) {
            quint32 b = 0, g = 0, r = 0;
            for (int i = 0; i < m_factor; ++i, row += step) {
                b += row[0];
                g += row[1];
                r += row[2];
            }
            sum[0] += b;
            sum[1] += g;
            sum[2] += r;
        }
    }
    void addRgb(const QRgb* row) {
        quint32* sum = m_sums.data();
        for (int x = 0, w = m_image.width(); x < w; ++x, sum += 3) {
            quint32 b = 0, g = 0, r = 0;
            for (int i = 0; i < m_factor; ++i, ++row) {
                b += qBlue(*row);
                g += qGreen(*row);
                r += qRed(*row);
            }
            sum[0] += b;
            sum[1] += g;
            sum[2] += r;
        }
    }
    // After each source row `y` (top-down numbering) of the used part.
    void rowDone(int y) {
        if (++m_rows < m_factor) return;
        const quint32 n = static_cast<quint32>(m_factor) * static_cast<quint32>(m_factor);
        auto* out = reinterpret_cast<QRgb*>(m_image.scanLine(y / m_factor));
        quint32* sum = m_sums.data();
        const auto write = [&](auto mean) {
            for (int x = 0, w = m_image.width(); x < w; ++x, sum += 3)
                out[x] = qRgb(mean(sum[2] + n / 2), mean(sum[1] + n / 2), mean(sum[0] + n / 2));
        };
        // The factors used are powers of two: a shift instead of three
        // divisions a pixel.
        if (std::has_single_bit(n))
            write([shift = std::countr_zero(n)](quint32 total) { return static_cast<int>(total >> shift); });
        else
            write([n](quint32 total) { return static_cast<int>(total / n); });
        std::fill(m_sums.begin(), m_sums.end(), 0);
        m_rows = 0;
    }

private:
    int m_factor;
    QImage m_image;
    std::vector<quint32> m_sums;  // blue, green, red per output pixel
    int m_rows = 0;
};

// Bytes of a file from a position on, read in large pieces.
class ByteStream {
public:
    ByteStream(QFile& file, qint64 from) : m_file(file) { m_ok = m_file.seek(from); }
    // Nothing when the file ends.
    std::optional<uchar> next() {
        if (m_at == m_buffer.size()) {
            if (!m_ok) return std::nullopt;
            m_buffer = m_file.read(kChunkBytes / 4);
            m_at = 0;
            if (m_buffer.isEmpty()) {
                m_ok = false;
                return std::nullopt;
            }
        }
        return static_cast<uchar>(m_buffer[m_at++]);
    }

private:
    QFile& m_file;
    QByteArray m_buffer;
    qsizetype m_at = 0;
    bool m_ok = true;
};

std::array<QRgb, 256> readPalette(QFile& file, const BmpLayout& l, bool& ok) {
    std::array<QRgb, 256> palette{};
    palette.fill(qRgb(0, 0, 0));
    ok = file.seek(l.paletteAt);
    const QByteArray bytes = ok ? file.read(qint64{l.paletteEntries} * 4) : QByteArray();
    ok = ok && bytes.size() == qsizetype{l.paletteEntries} * 4;
    for (int i = 0; ok && i < l.paletteEntries; ++i)
        palette[static_cast<std::size_t>(i)] =
            qRgb(static_cast<uchar>(bytes[4 * i + 2]), static_cast<uchar>(bytes[4 * i + 1]),
                 static_cast<uchar>(bytes[4 * i]));
    return palette;
}

// One row of an uncompressed file as colours.
void expandRow(const uchar* row, const BmpLayout& l, const std::array<QRgb, 256>& palette, QRgb* out,
               int width) {
    switch (l.bits) {
    case 1:
        for (int x = 0; x < width; ++x) out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (int x = 0; x < width; ++x) out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
        break;
    case 8:
        for (int x = 0; x < width; ++x) out[x] = palette[row[x]];
        break;
    default:  // 32 bits: blue, green, red, unused
        for (int x = 0; x < width; ++x) out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
        break;
    }
}

QImage readUncompressed(QFile& file, const BmpLayout& l, const std::array<QRgb, 256>& palette,
                        Reducer& reducer) {
    const qint64 stride = rowBytes(l);
    const int used = reducer.usedHeight();
    // Rows past the used part are never read: in a bottom-up file they come first.
    const qint64 skipped = l.topDown ? 0 : l.height - used;
    if (!file.seek(l.pixelsAt + skipped * stride)) return {};
    const qint64 rowsPerChunk = std::max<qint64>(1, kChunkBytes / stride);
    std::vector<QRgb> colours(static_cast<std::size_t>(reducer.usedWidth()));
    QByteArray chunk;
    for (int done = 0; done < used;) {
        const int rows = static_cast<int>(std::min<qint64>(rowsPerChunk, used - done));
        chunk.resize(static_cast<qsizetype>(rows * stride));
        if (file.read(chunk.data(), chunk.size()) != chunk.size()) return {};
        for (int r = 0; r < rows; ++r, ++done) {
            const auto* row = reinterpret_cast<const uchar*>(chunk.constData()) + r * stride;
            if (l.bits == 24) {
                reducer.addBgr(row, 3);
            } else {
                expandRow(row, l, palette, colours.data(), reducer.usedWidth());
                reducer.addRgb(colours.data());
            }
            reducer.rowDone(l.topDown ? done : used - 1 - done);
        }
    }
    return reducer.take();
}

// Run-length data, always bottom-up: runs of one index (or two alternating
// ones for 4 bits), literal runs, line ends, deltas and the end of the
// picture. Skipped pixels keep index 0.
QImage readRunLength(QFile& file, const BmpLayout& l, const std::array<QRgb, 256>& palette,
                     Reducer& reducer) {
    ByteStream in(file, l.pixelsAt);
    std::vector<uchar> indices(static_cast<std::size_t>(l.width), 0);
    std::vector<QRgb> colours(static_cast<std::size_t>(reducer.usedWidth()));
    const int used = reducer.usedHeight();
    int fileRow = 0;  // rows finished, bottom first
    int x = 0;
    const auto finishRow = [&] {
        const int y = l.height - 1 - fileRow;
        if (y < used) {
            for (int i = 0; i < reducer.usedWidth(); ++i)
                colours[static_cast<std::size_t>(i)] = palette[indices[static_cast<std::size_t>(i)]];
            reducer.addRgb(colours.data());
            reducer.rowDone(y);
        }
        std::fill(indices.begin(), indices.end(), 0);
        ++fileRow;
        x = 0;
    };
    const auto put = [&](int index) {
        if (x < l.width) indices[static_cast<std::size_t>(x)] = static_cast<uchar>(index);
        ++x;
    };
    const bool four = l.bits == 4;
    while (fileRow < l.height) {
        const auto count = in.next();
        const auto value = in.next();
        if (!count || !value) return {};  // the data ends before the picture
        if (*count > 0) {
            for (int i = 0; i < *count; ++i) put(four ? ((i & 1) ? (*value & 0x0F) : (*value >> 4)) : *value);
            continue;
        }
        if (*value == 0) {
            finishRow();
        } else if (*value == 1) {
            while (fileRow < l.height) finishRow();
        } else if (*value == 2) {
            const auto dx = in.next();
            const auto dy = in.next();
            if (!dx || !dy) return {};
            x += *dx;
            for (int i = 0; i < *dy && fileRow < l.height; ++i) {
                const int keep = x;
                finishRow();
                x = keep;
            }
        } else {
            const int n = *value;
            const int bytes = four ? (n + 1) / 2 : n;
            uchar current = 0;
            for (int i = 0; i < n; ++i) {
                if (!four || (i & 1) == 0) {
                    const auto b = in.next();
                    if (!b) return {};
                    current = *b;
                }
                put(four ? ((i & 1) ? (current & 0x0F) : (current >> 4)) : current);
            }
            if (bytes & 1 && !in.next()) return {};  // literal runs end on a word boundary
        }
    }
    return reducer.take();
}

}  // namespace

std::optional<BmpLayout> bmpLayout(const QByteArray& head, qint64 fileBytes) {
    if (head.size() < kFileHeaderBytes + 40 || head[0] != 'B' || head[1] != 'M') return std::nullopt;
    const quint32 infoBytes = u32(head, 14);
    if (infoBytes != 40 && infoBytes != 52 && infoBytes != 56 && infoBytes != 108 && infoBytes != 124)
        return std::nullopt;
    const auto width = static_cast<qint32>(u32(head, 18));
    const auto height = static_cast<qint32>(u32(head, 22));
    BmpLayout l;
    l.bits = u16(head, 28);
    l.compression = static_cast<int>(std::min<quint32>(u32(head, 30), 99));
    if (u16(head, 26) != 1 || width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide ||
        height > kMaxSide)
        return std::nullopt;
    l.width = width;
    l.height = std::abs(height);
    l.topDown = height < 0;
    l.fileBytes = fileBytes;
    l.pixelsAt = u32(head, 10);

    const bool palette = l.bits == 1 || l.bits == 4 || l.bits == 8;
    switch (l.compression) {
    case 0:
        if (!palette && l.bits != 24 && l.bits != 32) return std::nullopt;
        break;
    case 1:
    case 2:
        if (l.bits != (l.compression == 1 ? 8 : 4) || l.topDown) return std::nullopt;
        break;
    case 3: {
        // Only the usual masks: blue, green, red bytes and no alpha.
        if (l.bits != 32) return std::nullopt;
        if (u32(head, 54) != 0x00FF0000 || u32(head, 58) != 0x0000FF00 || u32(head, 62) != 0x000000FF)
            return std::nullopt;
        break;
    }
    default:
        return std::nullopt;
    }
    // A version 3 or later header may give the pixels an alpha mask.
    if (l.bits == 32 && infoBytes >= 56 && head.size() >= 70 && u32(head, 66) != 0) return std::nullopt;

    const qint64 headerEnd = kFileHeaderBytes + infoBytes + (infoBytes == 40 && l.compression == 3 ? 12 : 0);
    if (palette) {
        const quint32 used = u32(head, 46);
        const int most = 1 << l.bits;
        l.paletteEntries = used == 0 || used > static_cast<quint32>(most) ? most : static_cast<int>(used);
        l.paletteAt = kFileHeaderBytes + infoBytes;
        if (l.paletteAt + qint64{l.paletteEntries} * 4 > fileBytes) return std::nullopt;
    }
    if (l.pixelsAt < headerEnd || l.pixelsAt >= fileBytes) return std::nullopt;
    if (l.compression != 1 && l.compression != 2 && l.pixelsAt + rowBytes(l) * l.height > fileBytes)
        return std::nullopt;
    return l;
}

bool bmpRowsPastEnd(const QByteArray& head, qint64 fileBytes) {
    if (head.size() < kFileHeaderBytes + 40 || head[0] != 'B' || head[1] != 'M' || u32(head, 14) < 40) return false;
    const qint64 width = static_cast<qint32>(u32(head, 18));
    const qint64 height = std::abs(qint64{static_cast<qint32>(u32(head, 22))});
    const qint64 bits = u16(head, 28);
    const quint32 compression = u32(head, 30);
    if (width <= 0 || height == 0 || bits == 0 || (compression != 0 && compression != 3)) return false;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 rowsAt = u32(head, 10);
    // Divided, not multiplied: a lying header's rows may not fit 64 bits.
    return rowsAt > fileBytes || stride > (fileBytes - rowsAt) / height;
}

std::optional<BmpLayout> bmpLayout(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
    return bmpLayout(file.read(kFileHeaderBytes + 124), file.size());
}

QImage readReducedBmp(const QString& path, const BmpLayout& layout, int factor) {
    factor = std::clamp(factor, 1, kMaxBmpFactor);
    if (layout.width / factor < 1 || layout.height / factor < 1) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || file.size() != layout.fileBytes) return {};
    bool ok = true;
    const std::array<QRgb, 256> palette = layout.paletteEntries > 0 ? readPalette(file, layout, ok)
                                                                    : std::array<QRgb, 256>{};
    if (!ok) return {};
    Reducer reducer(layout, factor);
    if (!reducer.valid()) return {};
    if (layout.compression == 1 || layout.compression == 2) return readRunLength(file, layout, palette, reducer);
    return readUncompressed(file, layout, palette, reducer);
}

}  // namespace cal::qtui
