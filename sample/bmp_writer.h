// Drawing surface and 24-bit Windows BMP encoder for the sample-installation
// generator. Pictures are drawn from simple filled shapes; nothing here needs
// Qt or any image library.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sample {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// An RGB raster with its origin at the top-left corner and y growing
// downwards. Shapes are filled where they cover a pixel's centre; anything
// outside the raster is clipped.
class Canvas {
public:
    Canvas(int width, int height, Rgb background);

    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }

    // Throws std::out_of_range outside the raster.
    Rgb pixel(int x, int y) const;
    void setPixel(int x, int y, Rgb colour);

    void fillRect(int x, int y, int w, int h, Rgb colour);
    // A border of the given thickness just inside the rectangle.
    void strokeRect(int x, int y, int w, int h, int thickness, Rgb colour);
    void fillEllipse(double cx, double cy, double rx, double ry, Rgb colour);
    // An ellipse whose rx axis is turned clockwise by angleDeg degrees.
    void fillRotatedEllipse(double cx, double cy, double rx, double ry, double angleDeg,
                            Rgb colour);
    // Part of a ring between innerRadius and outerRadius. Angles are in
    // degrees, 0 pointing right and growing clockwise on screen (90 points
    // down); the part runs from startDeg through sweepDeg degrees clockwise.
    void fillArc(double cx, double cy, double outerRadius, double innerRadius,
                 double startDeg, double sweepDeg, Rgb colour);
    // A straight stroke with round ends.
    void drawLine(double x0, double y0, double x1, double y1, double thickness, Rgb colour);
    // A closed polygon through the corners in order, filled by the even-odd
    // rule (a star drawn as one outline keeps its points and its middle).
    void fillPolygon(std::span<const Point> corners, Rgb colour);

private:
    template <typename Inside>
    void fillWhere(double left, double top, double right, double bottom, Rgb colour, Inside inside);

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER (uncompressed, 24 bits,
// rows stored bottom-up, each padded to a multiple of 4 bytes), pixel rows.
std::vector<std::uint8_t> encodeBmp24(const Canvas& canvas);

inline constexpr std::uint32_t kBmpHeaderSize = 14 + 40;

} // namespace sample
