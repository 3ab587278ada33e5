#include "sample_pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace sample {

namespace {

constexpr int kWideW = 160;  // titles, holidays and days
constexpr int kWideH = 128;
constexpr int kTileW = 96;   // school, class and frames
constexpr int kTileH = 80;
constexpr int kBadge = 80;   // the small pictures of a day

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kInk{60, 40, 30};
constexpr Rgb kSky{196, 228, 250};
constexpr Rgb kGrass{132, 198, 100};
constexpr Rgb kBark{140, 95, 60};

double rad(double deg)
{
    return deg * std::numbers::pi / 180.0;
}

Point polar(double cx, double cy, double r, double deg)
{
    return {cx + r * std::cos(rad(deg)), cy + r * std::sin(rad(deg))};
}

Rgb mix(Rgb a, Rgb b, double t)
{
    const auto channel = [t](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>(std::lround(from + (to - from) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

void fillPolygon(Canvas& canvas, std::initializer_list<Point> corners, Rgb colour)
{
    canvas.fillPolygon(std::span<const Point>(corners.begin(), corners.size()), colour);
}

// Top colour fading into the bottom one.
Canvas gradient(int w, int h, Rgb top, Rgb bottom)
{
    Canvas canvas(w, h, top);
    for (int y = 0; y < h; ++y)
        canvas.fillRect(0, y, w, 1, mix(top, bottom, static_cast<double>(y) / (h - 1)));
    return canvas;
}

std::vector<Point> starCorners(double cx, double cy, double outer, double inner, int points)
{
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i)
        corners.push_back(polar(cx, cy, i % 2 == 0 ? outer : inner, -90.0 + 180.0 * i / points));
    return corners;
}

void star(Canvas& canvas, double cx, double cy, double outer, Rgb colour)
{
    const auto corners = starCorners(cx, cy, outer, outer * 0.45, 5);
    canvas.fillPolygon(corners, colour);
}

void heart(Canvas& canvas, double cx, double cy, double size, Rgb colour)
{
    const double r = size * 0.3;
    canvas.fillEllipse(cx - r, cy - size * 0.1, r, r, colour);
    canvas.fillEllipse(cx + r, cy - size * 0.1, r, r, colour);
    const double top = cy - size * 0.1;
    fillPolygon(canvas, {{cx - 2.0 * r, top}, {cx + 2.0 * r, top}, {cx, cy + size * 0.6}}, colour);
}

// Five round petals around a centre.
void smallFlower(Canvas& canvas, double cx, double cy, double r, Rgb petal, Rgb middle)
{
    for (int i = 0; i < 5; ++i) {
        const Point p = polar(cx, cy, r * 0.62, -90.0 + 72.0 * i);
        canvas.fillEllipse(p.x, p.y, r * 0.45, r * 0.45, petal);
    }
    canvas.fillEllipse(cx, cy, r * 0.36, r * 0.36, middle);
}

void cloud(Canvas& canvas, double cx, double cy, double size)
{
    canvas.fillEllipse(cx - size * 0.55, cy + size * 0.1, size * 0.45, size * 0.32, kWhite);
    canvas.fillEllipse(cx + size * 0.55, cy + size * 0.1, size * 0.45, size * 0.32, kWhite);
    canvas.fillEllipse(cx, cy - size * 0.1, size * 0.55, size * 0.45, kWhite);
}

// A cherry blossom: five notched petals, a darker heart and stamens.
void blossom(Canvas& canvas, double cx, double cy, double scale, Rgb background)
{
    constexpr Rgb kPetal{255, 183, 201};
    constexpr Rgb kHeart{236, 110, 146};
    constexpr Rgb kPollen{250, 210, 70};
    for (int i = 0; i < 5; ++i) {
        const double deg = -90.0 + 72.0 * i;
        const Point p = polar(cx, cy, 22.0 * scale, deg);
        canvas.fillRotatedEllipse(p.x, p.y, 22.0 * scale, 16.0 * scale, deg, kPetal);
        const Point tip = polar(cx, cy, 36.0 * scale, deg);
        const Point a = polar(cx, cy, 48.0 * scale, deg - 9.0);
        const Point b = polar(cx, cy, 48.0 * scale, deg + 9.0);
        fillPolygon(canvas, {tip, a, b}, background);
    }
    canvas.fillEllipse(cx, cy, 11.0 * scale, 11.0 * scale, kHeart);
    for (int i = 0; i < 5; ++i) {
        const Point end = polar(cx, cy, 16.0 * scale, -54.0 + 72.0 * i);
        canvas.drawLine(cx, cy, end.x, end.y, 2.0 * scale, kHeart);
        canvas.fillEllipse(end.x, end.y, 3.0 * scale, 3.0 * scale, kPollen);
    }
}

Canvas drawSakura()
{
    Canvas canvas(kWideW, kWideH, kSky);
    canvas.drawLine(-4, 18, 70, 44, 8, kBark);
    canvas.drawLine(40, 34, 58, 8, 5, kBark);
    blossom(canvas, 96, 72, 1.0, kSky);
    blossom(canvas, 46, 28, 0.5, kSky);
    blossom(canvas, 140, 26, 0.4, kSky);
    constexpr Rgb kFalling{255, 205, 215};
    canvas.fillRotatedEllipse(24, 86, 7, 4, 30, kFalling);
    canvas.fillRotatedEllipse(40, 112, 6, 4, -20, kFalling);
    canvas.fillRotatedEllipse(146, 108, 7, 4, 50, kFalling);
    return canvas;
}

void tulip(Canvas& canvas, double x, double cy, double s, Rgb petal, Rgb shade)
{
    constexpr Rgb kStem{60, 150, 60};
    canvas.drawLine(x, cy, x, kWideH, 5 * s, kStem);
    canvas.fillRotatedEllipse(x - 12 * s, kWideH - 22 * s, 20 * s, 6 * s, -65, kStem);
    canvas.fillRotatedEllipse(x + 12 * s, kWideH - 22 * s, 20 * s, 6 * s, 65, kStem);
    canvas.fillEllipse(x, cy, 18 * s, 17 * s, petal);
    fillPolygon(canvas,
                {{x - 18 * s, cy}, {x - 17 * s, cy - 28 * s}, {x - 7 * s, cy - 14 * s}, {x, cy - 30 * s},
                 {x + 7 * s, cy - 14 * s}, {x + 17 * s, cy - 28 * s}, {x + 18 * s, cy}},
                petal);
    fillPolygon(canvas,
                {{x - 6 * s, cy - 10 * s}, {x, cy - 26 * s}, {x + 6 * s, cy - 10 * s}, {x, cy + 12 * s}},
                shade);
}

Canvas drawTulip()
{
    Canvas canvas(kWideW, kWideH, {255, 248, 222});
    canvas.fillRect(0, kWideH - 16, kWideW, 16, kGrass);
    tulip(canvas, 36, 66, 0.8, {255, 210, 50}, {240, 170, 30});
    tulip(canvas, 124, 62, 0.85, {255, 150, 190}, {235, 110, 160});
    tulip(canvas, 80, 50, 1.1, {232, 52, 52}, {200, 30, 40});
    return canvas;
}

// A carp streamer: mouth at the pole, body to the right, forked tail.
void carp(Canvas& canvas, double x, double y, double length, double h, Rgb body, Rgb scale)
{
    fillPolygon(canvas,
                {{x, y}, {x + length, y - h * 0.1}, {x + length * 0.84, y + h / 2},
                 {x + length, y + h * 1.1}, {x, y + h}},
                body);
    canvas.fillEllipse(x, y + h / 2, h * 0.14, h / 2, kWhite);
    for (int column = 0; column < 3; ++column) {
        const double sx = x + h * 1.3 + column * h * 0.55;
        for (int row = 0; row < 2; ++row)
            canvas.fillArc(sx, y + h * (0.3 + 0.4 * row), h * 0.24, h * 0.24 - 2.0, 300, 120, scale);
    }
    canvas.fillArc(x + h * 0.55, y + h / 2, h * 0.5, h * 0.5 - 2.0, 300, 120, scale);
    canvas.fillEllipse(x + h * 0.42, y + h * 0.36, h * 0.2, h * 0.2, kWhite);
    canvas.fillEllipse(x + h * 0.42, y + h * 0.36, h * 0.1, h * 0.1, {20, 20, 30});
}

Canvas drawKoinobori()
{
    Canvas canvas = gradient(kWideW, kWideH, {150, 200, 245}, {220, 240, 252});
    cloud(canvas, 124, 112, 22);
    canvas.drawLine(18, 12, 18, kWideH, 5, kBark);
    canvas.fillEllipse(18, 9, 6, 6, {240, 200, 60});
    carp(canvas, 21, 18, 112, 28, {40, 52, 90}, {110, 130, 180});
    carp(canvas, 21, 56, 94, 24, {226, 60, 60}, {255, 170, 160});
    carp(canvas, 21, 90, 76, 20, {60, 120, 220}, {170, 205, 250});
    return canvas;
}

Canvas drawSun()
{
    Canvas canvas = gradient(kWideW, kWideH, {160, 210, 245}, {220, 240, 252});
    cloud(canvas, 22, 104, 20);
    cloud(canvas, 140, 110, 22);
    constexpr double cx = 80.0;
    constexpr double cy = 60.0;
    for (int i = 0; i < 12; ++i) {
        const double deg = 30.0 * i;
        fillPolygon(canvas, {polar(cx, cy, 34, deg - 9), polar(cx, cy, 56, deg), polar(cx, cy, 34, deg + 9)},
                    {255, 165, 40});
    }
    canvas.fillEllipse(cx, cy, 37, 37, {255, 222, 60});
    canvas.fillEllipse(cx - 12, cy - 8, 4, 6, kInk);
    canvas.fillEllipse(cx + 12, cy - 8, 4, 6, kInk);
    canvas.fillArc(cx, cy + 2, 20, 16, 25, 130, kInk);
    canvas.fillEllipse(cx - 23, cy + 7, 7, 4, {255, 150, 110});
    canvas.fillEllipse(cx + 23, cy + 7, 7, 4, {255, 150, 110});
    return canvas;
}

void leaf(Canvas& canvas, double cx, double cy, double length, double width, double deg, Rgb colour,
          Rgb vein)
{
    const Point stemEnd = polar(cx, cy, length * 0.5 + 12, deg + 180);
    const Point base = polar(cx, cy, length * 0.5, deg + 180);
    const Point tip = polar(cx, cy, length * 0.5, deg);
    canvas.drawLine(base.x, base.y, stemEnd.x, stemEnd.y, 3, vein);
    canvas.fillRotatedEllipse(cx, cy, length / 2, width / 2, deg, colour);
    canvas.drawLine(base.x, base.y, tip.x, tip.y, 2, vein);
    for (int i = 1; i <= 3; ++i) {
        const Point on = polar(base.x, base.y, length * 0.22 * i, deg);
        for (const double side : {-40.0, 40.0}) {
            const Point out = polar(on.x, on.y, width * 0.32, deg + side);
            canvas.drawLine(on.x, on.y, out.x, out.y, 1.5, vein);
        }
    }
}

void acorn(Canvas& canvas, double cx, double cy)
{
    canvas.fillEllipse(cx, cy + 5, 9, 12, {170, 105, 50});
    canvas.fillEllipse(cx, cy - 4, 11, 6, {105, 70, 40});
    canvas.drawLine(cx, cy - 9, cx + 2, cy - 15, 2.5, {105, 70, 40});
    canvas.fillRotatedEllipse(cx - 3, cy + 4, 2, 5, 0, {205, 145, 90});
}

Canvas drawLeaf()
{
    Canvas canvas(kWideW, kWideH, {255, 244, 224});
    leaf(canvas, 64, 58, 96, 50, -35, {242, 142, 40}, {190, 95, 25});
    leaf(canvas, 116, 76, 72, 38, 40, {214, 60, 46}, {150, 32, 26});
    leaf(canvas, 132, 26, 40, 20, 160, {225, 190, 50}, {170, 130, 30});
    acorn(canvas, 26, 104);
    acorn(canvas, 50, 110);
    return canvas;
}

Canvas drawSnow()
{
    Canvas canvas = gradient(kWideW, kWideH, {120, 160, 215}, {190, 214, 242});
    constexpr Rgb kSnowWhite{250, 250, 255};
    constexpr Rgb kShade{200, 210, 230};
    constexpr Rgb kRed{222, 50, 50};
    canvas.fillEllipse(80, 150, 140, 50, kSnowWhite);

    canvas.drawLine(56, 84, 34, 66, 3, kBark);
    canvas.drawLine(104, 84, 126, 66, 3, kBark);
    canvas.fillEllipse(80, 88, 28, 28, kShade);
    canvas.fillEllipse(80, 88, 26, 26, kSnowWhite);
    canvas.fillEllipse(80, 48, 20, 20, kShade);
    canvas.fillEllipse(80, 48, 18, 18, kSnowWhite);
    fillPolygon(canvas, {{66, 36}, {94, 36}, {90, 18}, {70, 18}}, kRed);
    canvas.fillRect(63, 34, 34, 4, {180, 30, 30});
    canvas.fillEllipse(73, 45, 2.5, 2.5, kInk);
    canvas.fillEllipse(87, 45, 2.5, 2.5, kInk);
    fillPolygon(canvas, {{80, 49}, {97, 52}, {80, 55}}, {250, 140, 40});
    canvas.fillRect(62, 63, 36, 7, kRed);
    canvas.fillRect(86, 66, 7, 16, kRed);
    canvas.fillEllipse(80, 80, 3, 3, kInk);
    canvas.fillEllipse(80, 94, 3, 3, kInk);

    constexpr Point kFlakes[] = {{14, 12}, {40, 30}, {22, 58}, {130, 14}, {150, 40}, {118, 34},
                                 {144, 78}, {10, 90}, {34, 82}, {60, 12}, {104, 8}, {130, 96}};
    for (const Point& p : kFlakes)
        canvas.fillEllipse(p.x, p.y, 3, 3, kSnowWhite);
    for (int i = 0; i < 3; ++i) {
        const Point a = polar(20, 32, 9, 60.0 * i);
        const Point b = polar(20, 32, 9, 60.0 * i + 180);
        canvas.drawLine(a.x, a.y, b.x, b.y, 2, kSnowWhite);
    }
    return canvas;
}

Canvas drawSchool()
{
    Canvas canvas(kTileW, kTileH, kSky);
    canvas.fillRect(0, kTileH - 10, kTileW, 10, kGrass);
    canvas.fillEllipse(8, 48, 9, 12, {70, 160, 80});
    canvas.drawLine(8, 56, 8, 72, 3, kBark);
    canvas.fillRect(16, 34, 64, 38, {255, 240, 200});
    canvas.strokeRect(16, 34, 64, 38, 1, {205, 170, 120});
    fillPolygon(canvas, {{8, 37}, {48, 10}, {88, 37}}, {230, 90, 70});
    canvas.fillEllipse(48, 26, 8, 8, kInk);
    canvas.fillEllipse(48, 26, 6.5, 6.5, kWhite);
    canvas.drawLine(48, 26, 48, 21, 1.5, kInk);
    canvas.drawLine(48, 26, 52, 26, 1.5, kInk);
    constexpr Rgb kGlass{150, 200, 240};
    canvas.fillRect(22, 42, 14, 10, kGlass);
    canvas.fillRect(60, 42, 14, 10, kGlass);
    canvas.fillRect(22, 56, 14, 10, kGlass);
    canvas.fillRect(60, 56, 14, 10, kGlass);
    canvas.fillRect(42, 52, 12, 20, {165, 105, 60});
    canvas.fillEllipse(51, 62, 1.2, 1.2, {250, 210, 80});
    return canvas;
}

Canvas drawChick()
{
    Canvas canvas(kTileW, kTileH, {218, 240, 200});
    constexpr Rgb kYellow{255, 220, 50};
    constexpr Rgb kOrange{250, 140, 30};
    canvas.fillRect(0, kTileH - 8, kTileW, 8, kGrass);
    canvas.drawLine(44, 68, 44, 76, 2.5, kOrange);
    canvas.drawLine(58, 68, 58, 76, 2.5, kOrange);
    canvas.drawLine(44, 76, 38, 77, 2, kOrange);
    canvas.drawLine(58, 76, 52, 77, 2, kOrange);
    fillPolygon(canvas, {{70, 46}, {86, 36}, {80, 56}}, kYellow);
    canvas.fillEllipse(52, 52, 26, 20, kYellow);
    canvas.fillEllipse(36, 30, 16, 15, kYellow);
    canvas.drawLine(36, 16, 38, 10, 2, {240, 190, 30});
    canvas.drawLine(38, 16, 43, 12, 2, {240, 190, 30});
    canvas.fillRotatedEllipse(58, 50, 13, 8, -20, {240, 190, 30});
    canvas.fillEllipse(31, 27, 2.8, 3.4, kInk);
    canvas.fillEllipse(31.8, 26, 0.9, 0.9, kWhite);
    fillPolygon(canvas, {{22, 29}, {12, 33}, {22, 37}}, kOrange);
    canvas.fillEllipse(38, 36, 4, 2.5, {255, 160, 140});
    return canvas;
}

Canvas drawCake()
{
    Canvas canvas(kWideW, kWideH, {255, 228, 236});
    constexpr Rgb kCream{255, 248, 236};
    constexpr Rgb kBerry{225, 40, 60};
    canvas.fillEllipse(80, 108, 66, 11, {226, 226, 236});
    canvas.fillEllipse(80, 102, 52, 8, kCream);
    canvas.fillRect(28, 62, 104, 40, kCream);
    canvas.fillRect(28, 80, 104, 6, {242, 130, 150});
    canvas.fillEllipse(80, 62, 52, 10, kWhite);
    for (int i = 0; i < 7; ++i)
        canvas.fillEllipse(34 + 15.3 * i, 68, 5, 5, kWhite);
    for (const double x : {54.0, 80.0, 106.0}) {
        for (int y = 28; y < 60; y += 4)
            canvas.fillRect(static_cast<int>(x) - 3, y, 6, 4, (y / 4) % 2 == 0 ? Rgb{110, 160, 230} : kWhite);
        canvas.fillEllipse(x, 21, 4.5, 7.5, {255, 200, 40});
        canvas.fillEllipse(x, 23, 2, 4, {255, 120, 30});
    }
    for (const double x : {40.0, 67.0, 93.0, 120.0}) {
        canvas.fillEllipse(x, 60, 6, 6, kBerry);
        fillPolygon(canvas, {{x - 5, 54}, {x + 5, 54}, {x, 58}}, {60, 160, 60});
    }
    return canvas;
}

Canvas drawBall()
{
    Canvas canvas(kWideW, kWideH, kSky);
    canvas.fillRect(0, 84, kWideW, kWideH - 84, kGrass);
    canvas.fillEllipse(80, 110, 36, 7, {100, 160, 80});
    constexpr double cx = 80.0;
    constexpr double cy = 62.0;
    constexpr Rgb kSectors[] = {{232, 56, 56}, {255, 255, 255}, {60, 110, 220},
                                {255, 210, 40}, {255, 255, 255}, {70, 180, 90}};
    canvas.fillEllipse(cx, cy, 43, 43, {90, 90, 110});
    for (int i = 0; i < 6; ++i)
        canvas.fillArc(cx, cy, 41, 0, 60.0 * i - 90.0, 60.0, kSectors[i]);
    canvas.fillEllipse(cx, cy, 8, 8, {240, 240, 240});
    canvas.fillRotatedEllipse(cx - 20, cy - 22, 9, 4, -40, {255, 250, 235});
    return canvas;
}

// Strings of triangular pennants over the sports ground.
Canvas drawFlag()
{
    Canvas canvas = gradient(kWideW, kWideH, {150, 205, 245}, {225, 242, 252});
    canvas.fillRect(0, 92, kWideW, 36, {226, 196, 150});
    canvas.fillRect(0, 92, kWideW, 5, kGrass);
    canvas.fillRect(0, 106, kWideW, 2, kWhite);
    canvas.fillRect(0, 118, kWideW, 2, kWhite);
    constexpr Rgb kPennants[] = {{232, 56, 56}, {255, 205, 40}, {60, 120, 220},
                                 {70, 180, 90}, {255, 140, 40}, {240, 120, 180}};
    int colour = 0;
    for (const double top : {14.0, 54.0}) {
        const auto sag = [top](double x) { return top + 16.0 * (1.0 - std::pow((x - 80.0) / 80.0, 2)); };
        for (int x = 0; x < kWideW; x += 4)
            canvas.drawLine(x, sag(x), x + 4, sag(x + 4), 1.5, kInk);
        for (double x = 12; x < kWideW; x += 20) {
            fillPolygon(canvas, {{x - 8, sag(x - 8)}, {x + 8, sag(x + 8)}, {x, sag(x) + 20}},
                        kPennants[colour++ % 6]);
        }
    }
    return canvas;
}

Canvas drawBell()
{
    Canvas canvas(kWideW, kWideH, {255, 246, 214});
    constexpr Rgb kGold{246, 190, 40};
    constexpr Rgb kRed{222, 50, 50};
    canvas.fillArc(80, 24, 11, 6, 180, 180, kBark);
    canvas.fillEllipse(80, 54, 30, 30, kGold);
    fillPolygon(canvas, {{50, 54}, {110, 54}, {122, 94}, {38, 94}}, kGold);
    canvas.fillEllipse(80, 101, 8, 8, {190, 120, 30});
    canvas.fillEllipse(80, 94, 42, 8, {224, 158, 30});
    canvas.fillRotatedEllipse(66, 56, 5, 16, 18, {255, 236, 150});
    canvas.drawLine(30, 44, 18, 34, 4, kRed);
    canvas.drawLine(26, 62, 12, 62, 4, kRed);
    canvas.drawLine(130, 44, 142, 34, 4, kRed);
    canvas.drawLine(134, 62, 148, 62, 4, kRed);
    return canvas;
}

Canvas drawHinomaru()
{
    Canvas canvas(kWideW, kWideH, {220, 238, 250});
    canvas.drawLine(22, 14, 22, kWideH, 5, kBark);
    canvas.fillEllipse(22, 10, 6, 6, {240, 200, 60});
    canvas.fillRect(25, 16, 116, 78, {170, 170, 180});
    canvas.fillRect(26, 17, 114, 76, kWhite);
    canvas.fillEllipse(83, 55, 23, 23, {200, 16, 46});
    return canvas;
}

// Mount Fuji with the first sunrise of the year.
Canvas drawFuji()
{
    Canvas canvas = gradient(kWideW, kWideH, {110, 165, 235}, {255, 214, 178});
    canvas.fillEllipse(126, 50, 20, 20, {236, 60, 50});
    fillPolygon(canvas, {{-10, 128}, {58, 44}, {102, 44}, {170, 128}}, {72, 110, 172});
    fillPolygon(canvas,
                {{58, 44}, {102, 44}, {114, 60}, {104, 56}, {94, 65}, {82, 57}, {70, 65}, {60, 56}, {46, 60}},
                {250, 250, 255});
    canvas.fillEllipse(24, 140, 64, 28, {90, 170, 90});
    canvas.fillEllipse(140, 146, 70, 30, {70, 150, 80});
    cloud(canvas, 28, 28, 18);
    return canvas;
}

// A rounded rice triangle wrapped in seaweed.
void riceBall(Canvas& canvas, double cx, double cy, double s)
{
    constexpr Rgb kRice{255, 255, 250};
    const double r = s * 0.3;
    const Point top{cx, cy - s + r * 1.6};
    const Point left{cx - s * 0.95 + r * 1.4, cy + s * 0.7 - r};
    const Point right{cx + s * 0.95 - r * 1.4, cy + s * 0.7 - r};
    fillPolygon(canvas, {top, left, right}, kRice);
    canvas.drawLine(top.x, top.y, left.x, left.y, 2 * r, kRice);
    canvas.drawLine(left.x, left.y, right.x, right.y, 2 * r, kRice);
    canvas.drawLine(right.x, right.y, top.x, top.y, 2 * r, kRice);
    const auto px = [](double v) { return static_cast<int>(v); };
    canvas.fillRect(px(cx - s * 0.38), px(cy + s * 0.12), px(s * 0.76), px(s * 0.58), {34, 56, 44});
    canvas.fillEllipse(cx, cy - s * 0.12, s * 0.13, s * 0.13, {220, 50, 80});
}

Canvas drawOnigiri()
{
    Canvas canvas(kWideW, kWideH, kWhite);
    for (int y = 0; y < kWideH; ++y) {
        for (int x = 0; x < kWideW; ++x) {
            const int bands = ((x / 16) % 2 == 0) + ((y / 16) % 2 == 0);
            if (bands > 0)
                canvas.setPixel(x, y, bands == 2 ? Rgb{236, 120, 120} : Rgb{250, 192, 192});
        }
    }
    riceBall(canvas, 54, 68, 38);
    riceBall(canvas, 110, 76, 32);
    return canvas;
}

Canvas drawStar()
{
    Canvas canvas(kBadge, kBadge, {212, 230, 255});
    star(canvas, 40, 43, 38, {245, 150, 30});
    star(canvas, 40, 43, 34, {255, 220, 50});
    canvas.fillEllipse(34, 42, 2.5, 3.5, kInk);
    canvas.fillEllipse(46, 42, 2.5, 3.5, kInk);
    canvas.fillArc(40, 46, 7, 5, 20, 140, kInk);
    return canvas;
}

Canvas drawHeart()
{
    Canvas canvas(kBadge, kBadge, {255, 248, 226});
    heart(canvas, 40, 38, 60, {240, 84, 126});
    canvas.fillRotatedEllipse(24, 28, 6, 3.5, -40, {255, 190, 210});
    return canvas;
}

// A frame tile: a patterned band around a pale middle, outlined on both sides.
constexpr int kBand = 14;

Canvas frameTile(Rgb band, Rgb middle, Rgb line)
{
    Canvas canvas(kTileW, kTileH, band);
    canvas.fillRect(kBand, kBand, kTileW - 2 * kBand, kTileH - 2 * kBand, middle);
    canvas.strokeRect(0, 0, kTileW, kTileH, 1, line);
    canvas.strokeRect(kBand - 1, kBand - 1, kTileW - 2 * kBand + 2, kTileH - 2 * kBand + 2, 1, line);
    return canvas;
}

// Calls stamp(x, y) at evenly spaced points along the middle of the band.
template <typename Stamp>
void alongBand(int count, Stamp stamp)
{
    constexpr double c = kBand / 2.0;
    const auto spread = [count](double from, double to, auto put) {
        for (int i = 0; i <= count; ++i)
            put(from + (to - from) * i / count);
    };
    spread(c, kTileW - c, [&](double x) {
        stamp(x, c);
        stamp(x, kTileH - c);
    });
    const int rows = std::max(1, count * kTileH / kTileW);
    for (int i = 1; i < rows; ++i) {
        const double y = c + (kTileH - 2 * c) * i / rows;
        stamp(c, y);
        stamp(kTileW - c, y);
    }
}

// Paints the band pixel by pixel.
template <typename Colour>
void paintBand(Canvas& canvas, Colour colour)
{
    for (int y = 1; y < kTileH - 1; ++y)
        for (int x = 1; x < kTileW - 1; ++x)
            if (x < kBand - 1 || y < kBand - 1 || x > kTileW - kBand || y > kTileH - kBand)
                canvas.setPixel(x, y, colour(x, y));
}

Canvas drawFrameDots()
{
    Canvas canvas = frameTile({250, 168, 190}, {255, 245, 248}, {220, 110, 140});
    alongBand(8, [&](double x, double y) { canvas.fillEllipse(x, y, 3.2, 3.2, kWhite); });
    return canvas;
}

Canvas drawFrameStripes()
{
    Canvas canvas = frameTile({120, 170, 230}, {240, 248, 255}, {70, 120, 190});
    paintBand(canvas, [](int x, int y) { return ((x + y) / 5) % 2 == 0 ? Rgb{120, 170, 230} : kWhite; });
    return canvas;
}

Canvas drawFrameStars()
{
    Canvas canvas = frameTile({150, 210, 130}, {245, 255, 240}, {90, 160, 80});
    alongBand(6, [&](double x, double y) { star(canvas, x, y + 0.5, 6.5, {255, 230, 60}); });
    return canvas;
}

Canvas drawFrameChecks()
{
    Canvas canvas = frameTile({255, 170, 70}, {255, 250, 235}, {220, 120, 30});
    paintBand(canvas, [](int x, int y) {
        return ((x / 7) + (y / 7)) % 2 == 0 ? Rgb{255, 170, 70} : Rgb{255, 230, 120};
    });
    return canvas;
}

Canvas drawFrameFlowers()
{
    Canvas canvas = frameTile({255, 224, 120}, {255, 252, 236}, {220, 170, 50});
    alongBand(5, [&](double x, double y) {
        smallFlower(canvas, x, y, 6.5, {255, 140, 175}, {250, 120, 30});
    });
    return canvas;
}

Canvas drawFrameHearts()
{
    Canvas canvas = frameTile({200, 176, 236}, {250, 245, 255}, {140, 110, 190});
    alongBand(5, [&](double x, double y) { heart(canvas, x, y - 1, 10, {245, 100, 150}); });
    return canvas;
}

// A light grey tile with a dark question mark and frame.
Canvas drawMissing()
{
    constexpr Rgb kPaper{212, 212, 212};
    constexpr Rgb kMark{48, 48, 48};
    constexpr Rgb kFrame{128, 128, 128};

    Canvas canvas(256, 256, kPaper);
    canvas.strokeRect(0, 0, 256, 256, 4, kFrame);

    // The hook: a thick ring from the left, over the top, down to the right,
    // with round ends; then a stroke down into the stem, and the dot.
    constexpr double cx = 128.0;
    constexpr double cy = 96.0;
    constexpr double outer = 56.0;
    constexpr double inner = 30.0;
    constexpr double stroke = outer - inner;
    constexpr double startDeg = 165.0;
    constexpr double sweepDeg = 240.0;
    const auto onHook = [&](double deg) { return polar(cx, cy, (outer + inner) / 2.0, deg); };
    canvas.fillArc(cx, cy, outer, inner, startDeg, sweepDeg, kMark);
    const Point left = onHook(startDeg);
    canvas.fillEllipse(left.x, left.y, stroke / 2.0, stroke / 2.0, kMark);
    const Point end = onHook(startDeg + sweepDeg);
    canvas.drawLine(end.x, end.y, cx, 160.0, stroke, kMark);
    canvas.drawLine(cx, 160.0, cx, 180.0, stroke, kMark);
    canvas.fillEllipse(cx, 217.0, 15.0, 15.0, kMark);
    return canvas;
}

} // namespace

std::span<const SamplePicture> samplePictures()
{
    static constexpr SamplePicture kAll[] = {
        {picture::kMissing, drawMissing},
        {picture::kSakura, drawSakura},
        {picture::kTulip, drawTulip},
        {picture::kKoinobori, drawKoinobori},
        {picture::kSun, drawSun},
        {picture::kLeaf, drawLeaf},
        {picture::kSnow, drawSnow},
        {picture::kSchool, drawSchool},
        {picture::kChick, drawChick},
        {picture::kCake, drawCake},
        {picture::kBall, drawBall},
        {picture::kFlag, drawFlag},
        {picture::kBell, drawBell},
        {picture::kHinomaru, drawHinomaru},
        {picture::kFuji, drawFuji},
        {picture::kOnigiri, drawOnigiri},
        {picture::kStar, drawStar},
        {picture::kHeart, drawHeart},
        {picture::kFrames[0], drawFrameDots},
        {picture::kFrames[1], drawFrameStripes},
        {picture::kFrames[2], drawFrameStars},
        {picture::kFrames[3], drawFrameChecks},
        {picture::kFrames[4], drawFrameFlowers},
        {picture::kFrames[5], drawFrameHearts},
    };
    return kAll;
}

} // namespace sample
