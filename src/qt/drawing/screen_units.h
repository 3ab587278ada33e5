#pragma once
// Conversions between tenths of a millimetre and the pixels of a screen.

#include "ui/forms_service.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace cal::qtui {

// Pixels per 0.1 mm, across and down.
struct ScreenScale {
    double x = 96.0 / 254.0;
    double y = 96.0 / 254.0;
};

// The scale of a screen from its physical size; 96 dpi when the screen
// reports no size (or there is no screen).
ScreenScale screenScale(const QScreen* screen);
// The property of a window that zooms its drawing: a factor, 1 when unset.
inline constexpr const char* kZoomProperty = "calendarZoom";
// The scale of the screen a widget's window is on, times the window's zoom.
ScreenScale widgetScale(const QWidget& widget);
// The physical resolution in dots per inch, across and down.
double dpiX(const ScreenScale& scale);
double dpiY(const ScreenScale& scale);

int toPixelsX(double units, const ScreenScale& scale);
int toPixelsY(double units, const ScreenScale& scale);

// A control's rectangle: each edge is rounded on its own so that controls
// laid edge to edge in units stay edge to edge in pixels.
QRect controlRect(const Geometry& units, const ScreenScale& scale);
Geometry controlUnits(const QRect& pixels, const ScreenScale& scale);

// A window's position and client size, each rounded on its own so that
// moving a window never changes its size.
QPoint windowPosition(double x, double y, const ScreenScale& scale);
QSize windowSize(double width, double height, const ScreenScale& scale);
Geometry windowUnits(const QPoint& position, const QSize& size, const ScreenScale& scale);

}  // namespace cal::qtui
