#include "qt/drawing/screen_units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace cal::qtui {

namespace {

int roundToInt(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

ScreenScale screenScale(const QScreen* screen) {
    ScreenScale scale;
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return scale;
    const QSizeF mm = screen->physicalSize();
    const QSize pixels = screen->geometry().size();
    if (mm.width() > 0 && pixels.width() > 0) scale.x = pixels.width() / (mm.width() * 10.0);
    if (mm.height() > 0 && pixels.height() > 0) scale.y = pixels.height() / (mm.height() * 10.0);
    return scale;
}

ScreenScale widgetScale(const QWidget& widget) {
    ScreenScale scale = screenScale(widget.screen());
    const QWidget* window = widget.window();
    const QVariant zoom = window != nullptr ? window->property(kZoomProperty) : QVariant();
    if (zoom.isValid()) {
        scale.x *= zoom.toDouble();
        scale.y *= zoom.toDouble();
    }
    return scale;
}

double dpiX(const ScreenScale& scale) { return scale.x * 254.0; }
double dpiY(const ScreenScale& scale) { return scale.y * 254.0; }

int toPixelsX(double units, const ScreenScale& scale) { return roundToInt(units * scale.x); }
int toPixelsY(double units, const ScreenScale& scale) { return roundToInt(units * scale.y); }

QRect controlRect(const Geometry& units, const ScreenScale& scale) {
    const int left = toPixelsX(units.x, scale);
    const int top = toPixelsY(units.y, scale);
    const int right = toPixelsX(units.x + units.width, scale);
    const int bottom = toPixelsY(units.y + units.height, scale);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

Geometry controlUnits(const QRect& pixels, const ScreenScale& scale) {
    return {pixels.x() / scale.x, pixels.y() / scale.y, pixels.width() / scale.x,
            pixels.height() / scale.y};
}

QPoint windowPosition(double x, double y, const ScreenScale& scale) {
    return QPoint(toPixelsX(x, scale), toPixelsY(y, scale));
}

QSize windowSize(double width, double height, const ScreenScale& scale) {
    return QSize(std::max(0, toPixelsX(width, scale)), std::max(0, toPixelsY(height, scale)));
}

Geometry windowUnits(const QPoint& position, const QSize& size, const ScreenScale& scale) {
    return {position.x() / scale.x, position.y() / scale.y, size.width() / scale.x,
            size.height() / scale.y};
}

}  // namespace cal::qtui
