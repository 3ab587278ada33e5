// Test pictures drawn with the sample generator's canvas: clip-art sized
// 640 × 480, each picture its own background, shapes and colours.

#include "bench_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace calbench {

namespace {

using sample::Canvas;
using sample::Point;
using sample::Rgb;

class Random {
public:
    explicit Random(std::uint32_t seed) : m_state(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    double between(double low, double high) { return low + (high - low) * (next() % 10000) / 10000.0; }

private:
    std::uint32_t m_state;
};

// A colour of the given hue (degrees), saturation and value (0 … 1).
Rgb hsv(double hue, double saturation, double value) {
    hue = std::fmod(hue, 360.0);
    const double c = value * saturation;
    const double x = c * (1 - std::fabs(std::fmod(hue / 60.0, 2.0) - 1));
    const double m = value - c;
    double r = 0, g = 0, b = 0;
    if (hue < 60) r = c, g = x;
    else if (hue < 120) r = x, g = c;
    else if (hue < 180) g = c, b = x;
    else if (hue < 240) g = x, b = c;
    else if (hue < 300) r = x, b = c;
    else r = c, b = x;
    const auto byte = [m](double v) { return static_cast<std::uint8_t>(std::lround((v + m) * 255)); };
    return {byte(r), byte(g), byte(b)};
}

Rgb mix(Rgb a, Rgb b, double t) {
    const auto channel = [t](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>(std::lround(from + (to - from) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

void star(Canvas& canvas, double cx, double cy, double outer, int points, double turn, Rgb colour) {
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 == 0 ? outer : outer * 0.45;
        const double a = (turn - 90.0 + 180.0 * i / points) * std::numbers::pi / 180.0;
        corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    canvas.fillPolygon(corners, colour);
}

}  // namespace

sample::Canvas drawTestPicture(int index) {
    Random random(static_cast<std::uint32_t>(index));
    const double hue = index * 47.0;
    const Rgb sky = hsv(hue, 0.25, 1.0);
    const Rgb ground = hsv(hue + 120, 0.45, 0.85);
    const Rgb ink = hsv(hue + 200, 0.6, 0.3);
    const int w = kPictureWidth, h = kPictureHeight;

    Canvas canvas(w, h, sky);
    const int horizon = h * 2 / 3 + static_cast<int>(random.between(-40, 40));
    for (int y = 0; y < horizon; ++y)
        canvas.fillRect(0, y, w, 1, mix(sky, hsv(hue + 30, 0.5, 0.95), static_cast<double>(y) / horizon));
    for (int y = horizon; y < h; ++y)
        canvas.fillRect(0, y, w, 1, mix(ground, hsv(hue + 150, 0.6, 0.6), static_cast<double>(y - horizon) / (h - horizon)));

    const int shapes = 6 + index % 5;
    for (int i = 0; i < shapes; ++i) {
        const Rgb colour = hsv(hue + random.between(0, 360), random.between(0.5, 1.0), random.between(0.6, 1.0));
        const double cx = random.between(60, w - 60), cy = random.between(60, h - 60);
        const double size = random.between(30, 120);
        switch (random.next() % 5) {
        case 0:
            canvas.fillEllipse(cx, cy, size, size * random.between(0.6, 1.2), colour);
            canvas.fillEllipse(cx - size * 0.3, cy - size * 0.2, size * 0.15, size * 0.15, ink);
            break;
        case 1:
            star(canvas, cx, cy, size, 5 + static_cast<int>(random.next() % 3), random.between(0, 72), colour);
            break;
        case 2:
            canvas.fillArc(cx, cy, size, size * 0.6, random.between(0, 360), random.between(90, 300), colour);
            break;
        case 3:
            canvas.fillRotatedEllipse(cx, cy, size, size * 0.4, random.between(0, 180), colour);
            break;
        default:
            canvas.drawLine(cx - size, cy - size * 0.5, cx + size, cy + size * 0.5, random.between(4, 16), colour);
            break;
        }
    }
    canvas.strokeRect(0, 0, w, h, 6, ink);
    return canvas;
}

std::string photoBmp(int index) {
    const int w = kPhotoWidth, h = kPhotoHeight;
    const int stride = (w * 3 + 3) / 4 * 4;
    std::string bytes(54 + static_cast<std::size_t>(stride) * h, '\0');
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    bytes[26] = 1;
    bytes[28] = 24;
    Random random(static_cast<std::uint32_t>(index) + 1000);
    const Rgb light = hsv(index * 53.0, 0.35, 0.95), shade = hsv(index * 53.0 + 140, 0.6, 0.35);
    for (int y = 0; y < h; ++y) {
        char* row = bytes.data() + 54 + static_cast<std::size_t>(stride) * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const double t = 0.5 + 0.5 * std::sin(x * 0.003 + index) * std::cos(y * 0.004 - index);
            const Rgb c = mix(light, shade, t);
            const int grain = static_cast<int>(random.next() % 9) - 4;
            const auto channel = [grain](std::uint8_t v) { return static_cast<char>(std::clamp(v + grain, 0, 255)); };
            row[3 * x] = channel(c.b);
            row[3 * x + 1] = channel(c.g);
            row[3 * x + 2] = channel(c.r);
        }
    }
    return bytes;
}

}  // namespace calbench
