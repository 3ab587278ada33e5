// make_icon SIZE FILE
//
// Draws the program's icon, SIZE × SIZE pixels, and writes it to FILE as a
// PNG: a calendar page with a red band and two rings, a grid of days, and a
// green sprout on one of them.

#include "bmp_writer.h"
#include "png_writer.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr sample::Rgb kClear{255, 0, 255};
constexpr sample::Rgb kPage{255, 253, 246};
constexpr sample::Rgb kEdge{120, 110, 100};
constexpr sample::Rgb kBand{214, 64, 58};
constexpr sample::Rgb kRing{70, 70, 80};
constexpr sample::Rgb kDay{226, 222, 212};
constexpr sample::Rgb kSunday{246, 200, 196};
constexpr sample::Rgb kLeaf{76, 164, 62};
constexpr sample::Rgb kStem{50, 120, 44};

// Drawn on a 256-unit square, scaled to the icon's size.
sample::Canvas drawIcon(int size)
{
    sample::Canvas c(size, size, kClear);
    const double k = size / 256.0;
    auto rect = [&](double x, double y, double w, double h, sample::Rgb colour) {
        c.fillRect(static_cast<int>(x * k + 0.5), static_cast<int>(y * k + 0.5), static_cast<int>(w * k + 0.5),
                   static_cast<int>(h * k + 0.5), colour);
    };
    auto roundRect = [&](double x, double y, double w, double h, double r, sample::Rgb colour) {
        rect(x + r, y, w - 2 * r, h, colour);
        rect(x, y + r, w, h - 2 * r, colour);
        for (const double cx : {x + r, x + w - r})
            for (const double cy : {y + r, y + h - r})
                c.fillEllipse(cx * k, cy * k, r * k, r * k, colour);
    };
    roundRect(16, 28, 224, 216, 22, kEdge);
    roundRect(22, 34, 212, 204, 18, kPage);
    roundRect(22, 34, 212, 56, 18, kBand);
    rect(22, 70, 212, 20, kBand);
    for (const double x : {76.0, 180.0}) {
        c.fillEllipse(x * k, 30 * k, 12 * k, 12 * k, kRing);
        rect(x - 5, 18, 10, 30, kRing);
    }
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col)
            rect(36 + col * 38, 102 + row * 33, 30, 25, col == 0 ? kSunday : kDay);
    // The sprout grows from the middle of the page.
    c.drawLine(150 * k, 226 * k, 150 * k, 168 * k, 7 * k, kStem);
    c.fillRotatedEllipse(126 * k, 160 * k, 28 * k, 13 * k, -30, kLeaf);
    c.fillRotatedEllipse(174 * k, 150 * k, 30 * k, 14 * k, 30 + 180, kLeaf);
    return c;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: make_icon SIZE FILE\n";
        return 2;
    }
    const int size = std::atoi(argv[1]);
    if (size < 16 || size > 1024) {
        std::cerr << "make_icon: SIZE must be 16 to 1024\n";
        return 2;
    }
    const std::vector<std::uint8_t> png = sample::encodePng(drawIcon(size), kClear);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!out) {
        std::cerr << "make_icon: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
