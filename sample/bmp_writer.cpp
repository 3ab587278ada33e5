#include "bmp_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace sample {

namespace {

void putU16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFFu));
}

void putI32(std::vector<std::uint8_t>& out, std::int32_t v)
{
    putU32(out, static_cast<std::uint32_t>(v));
}

// 72 dots per inch, as pixels per metre.
constexpr std::int32_t kPixelsPerMetre = 2835;

} // namespace

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width), height_(height)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("canvas size must be positive: " + std::to_string(width) + "x" +
                                    std::to_string(height));
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background);
}

Rgb Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside the canvas: (" + std::to_string(x) + ", " +
                                std::to_string(y) + ")");
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Canvas::setPixel(int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)] = colour;
}

template <typename Inside>
void Canvas::fillWhere(double left, double top, double right, double bottom, Rgb colour,
                       Inside inside)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(right)));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(bottom)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (inside(x + 0.5, y + 0.5))
                setPixel(x, y, colour);
        }
    }
}

void Canvas::fillRect(int x, int y, int w, int h, Rgb colour)
{
    const int left = std::max(0, x);
    const int top = std::max(0, y);
    const int right = std::min(width_, x + std::max(0, w));
    const int bottom = std::min(height_, y + std::max(0, h));
    for (int row = top; row < bottom; ++row)
        for (int col = left; col < right; ++col)
            setPixel(col, row, colour);
}

void Canvas::strokeRect(int x, int y, int w, int h, int thickness, Rgb colour)
{
    const int t = std::max(0, thickness);
    fillRect(x, y, w, t, colour);
    fillRect(x, y + h - t, w, t, colour);
    fillRect(x, y + t, t, h - 2 * t, colour);
    fillRect(x + w - t, y + t, t, h - 2 * t, colour);
}

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, Rgb colour)
{
    if (rx <= 0.0 || ry <= 0.0)
        return;
    fillWhere(cx - rx, cy - ry, cx + rx, cy + ry, colour, [&](double px, double py) {
        const double dx = (px - cx) / rx;
        const double dy = (py - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    });
}

void Canvas::fillRotatedEllipse(double cx, double cy, double rx, double ry, double angleDeg,
                                Rgb colour)
{
    if (rx <= 0.0 || ry <= 0.0)
        return;
    const double radians = angleDeg * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double reach = std::max(rx, ry);
    fillWhere(cx - reach, cy - reach, cx + reach, cy + reach, colour, [&](double px, double py) {
        // Turn the point back into the ellipse's own axes.
        const double dx = px - cx;
        const double dy = py - cy;
        const double u = (dx * c + dy * s) / rx;
        const double v = (-dx * s + dy * c) / ry;
        return u * u + v * v <= 1.0;
    });
}

void Canvas::fillArc(double cx, double cy, double outerRadius, double innerRadius, double startDeg,
                     double sweepDeg, Rgb colour)
{
    if (outerRadius <= 0.0 || sweepDeg <= 0.0)
        return;
    const double sweep = std::min(sweepDeg, 360.0);
    const double start = std::fmod(std::fmod(startDeg, 360.0) + 360.0, 360.0);
    fillWhere(cx - outerRadius, cy - outerRadius, cx + outerRadius, cy + outerRadius, colour,
              [&](double px, double py) {
                  const double dx = px - cx;
                  const double dy = py - cy;
                  const double d2 = dx * dx + dy * dy;
                  if (d2 > outerRadius * outerRadius || d2 < innerRadius * innerRadius)
                      return false;
                  if (sweep >= 360.0)
                      return true;
                  const double angle = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
                  const double fromStart = std::fmod(angle - start + 720.0, 360.0);
                  return fromStart <= sweep;
              });
}

void Canvas::drawLine(double x0, double y0, double x1, double y1, double thickness, Rgb colour)
{
    if (thickness <= 0.0)
        return;
    const double half = thickness / 2.0;
    const double vx = x1 - x0;
    const double vy = y1 - y0;
    const double length2 = vx * vx + vy * vy;
    fillWhere(std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half,
              std::max(y0, y1) + half, colour, [&](double px, double py) {
                  double t = 0.0;
                  if (length2 > 0.0)
                      t = std::clamp(((px - x0) * vx + (py - y0) * vy) / length2, 0.0, 1.0);
                  const double dx = px - (x0 + t * vx);
                  const double dy = py - (y0 + t * vy);
                  return dx * dx + dy * dy <= half * half;
              });
}

void Canvas::fillPolygon(std::span<const Point> corners, Rgb colour)
{
    if (corners.size() < 3)
        return;
    double left = corners[0].x;
    double right = corners[0].x;
    double top = corners[0].y;
    double bottom = corners[0].y;
    for (const Point& p : corners) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    fillWhere(left, top, right, bottom, colour, [&](double px, double py) {
        // Count the edges crossed by a ray from the point to the right.
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point& a = corners[i];
            const Point& b = corners[j];
            if ((a.y > py) != (b.y > py) && px < a.x + (py - a.y) * (b.x - a.x) / (b.y - a.y))
                inside = !inside;
        }
        return inside;
    });
}

std::vector<std::uint8_t> encodeBmp24(const Canvas& canvas)
{
    const auto width = static_cast<std::uint32_t>(canvas.width());
    const auto height = static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t rowStride = (width * 3u + 3u) & ~3u;
    const std::uint32_t imageSize = rowStride * height;

    std::vector<std::uint8_t> out;
    out.reserve(kBmpHeaderSize + imageSize);

    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    putU32(out, kBmpHeaderSize + imageSize);
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, kBmpHeaderSize);

    // BITMAPINFOHEADER; a positive height means the rows are stored bottom-up.
    putU32(out, 40);
    putI32(out, canvas.width());
    putI32(out, canvas.height());
    putU16(out, 1);   // planes
    putU16(out, 24);  // bits per pixel
    putU32(out, 0);   // BI_RGB
    putU32(out, imageSize);
    putI32(out, kPixelsPerMetre);
    putI32(out, kPixelsPerMetre);
    putU32(out, 0);   // colours used: none (no palette)
    putU32(out, 0);   // important colours: all

    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb c = canvas.pixel(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = width * 3u; pad < rowStride; ++pad)
            out.push_back(0);
    }
    return out;
}

} // namespace sample
