#include "data/unknown_picture.h"

#include <cmath>
#include <cstdint>

namespace cal {

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb kGround{250, 248, 240};
constexpr Rgb kFrame{160, 160, 160};
constexpr Rgb kMark{110, 110, 110};

// The question mark on a 256-pixel square: a ring open at the lower left, a
// stem below it and a dot.
bool onMark(double x, double y) {
    const double dx = x - 128, dy = y - 96;
    const double r = std::sqrt(dx * dx + dy * dy);
    const double angle = std::atan2(dy, dx) * 180.0 / 3.14159265358979;  // 0 right, 90 down, ±180 left
    const bool ring = r >= 30 && r <= 54 && (angle < 80 && angle > -170);
    const bool stem = x >= 116 && x <= 140 && y >= 140 && y <= 178;
    const double ddx = x - 128, ddy = y - 208;
    const bool dot = ddx * ddx + ddy * ddy <= 15 * 15;
    return ring || stem || dot;
}

Rgb pixelAt(int x, int y) {
    const int edge = kUnknownPictureSize - 1;
    if (x < 4 || y < 4 || x > edge - 4 || y > edge - 4) return kFrame;
    return onMark(x + 0.5, y + 0.5) ? kMark : kGround;
}

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace

std::string unknownPictureBmp() {
    const int size = kUnknownPictureSize;
    const std::uint32_t rowBytes = static_cast<std::uint32_t>(size) * 3;  // already a multiple of 4
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(size);
    std::string out;
    out.reserve(54 + pixelBytes);
    out += "BM";
    putLe(out, 54 + pixelBytes, 4);
    putLe(out, 0, 4);
    putLe(out, 54, 4);
    putLe(out, 40, 4);
    putLe(out, static_cast<std::uint32_t>(size), 4);
    putLe(out, static_cast<std::uint32_t>(size), 4);  // positive: rows bottom-up
    putLe(out, 1, 2);
    putLe(out, 24, 2);
    putLe(out, 0, 4);  // no compression
    putLe(out, pixelBytes, 4);
    putLe(out, 3780, 4);  // 96 dots per inch
    putLe(out, 3780, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            const Rgb p = pixelAt(x, y);
            out.push_back(static_cast<char>(p.b));
            out.push_back(static_cast<char>(p.g));
            out.push_back(static_cast<char>(p.r));
        }
    return out;
}

}  // namespace cal
