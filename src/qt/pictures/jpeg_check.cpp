#include "qt/pictures/jpeg_check.h"

namespace cal::qtui {

namespace {

unsigned byteAt(const QByteArray& b, qsizetype i) { return static_cast<unsigned char>(b[i]); }

}  // namespace

bool isJpeg(const QByteArray& bytes) {
    return bytes.size() >= 3 && byteAt(bytes, 0) == 0xFF && byteAt(bytes, 1) == 0xD8 && byteAt(bytes, 2) == 0xFF;
}

// Walks the segments from the start marker; after each scan header the coded
// data runs to the next marker (0xFF not followed by 0x00 or a restart
// marker), which is the end marker in a complete file.
bool jpegComplete(const QByteArray& bytes) {
    if (!isJpeg(bytes)) return false;
    const qsizetype n = bytes.size();
    qsizetype pos = 2;
    while (pos + 1 < n) {
        if (byteAt(bytes, pos) != 0xFF) return false;
        const unsigned marker = byteAt(bytes, pos + 1);
        if (marker == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xD9) return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (pos + 3 >= n) return false;
        const qsizetype length = (byteAt(bytes, pos + 2) << 8) | byteAt(bytes, pos + 3);
        if (length < 2) return false;
        pos += 2 + length;
        if (marker != 0xDA) continue;
        // Coded data of a scan.
        while (pos + 1 < n) {
            if (byteAt(bytes, pos) == 0xFF) {
                const unsigned next = byteAt(bytes, pos + 1);
                if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) break;
            }
            ++pos;
        }
    }
    return false;
}

}  // namespace cal::qtui
