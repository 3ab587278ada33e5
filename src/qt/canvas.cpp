#include "qt/canvas.h"

#include "qt/palette.h"
#include "qt/qt_bitmap.h"
#include "qt/qt_strings.h"
#include "qt/screen_units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QWidget>

#include <algorithm>

namespace cal::qtui {

namespace {

QImage filledImage(const QSize& size, const QColor& color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

}  // namespace

Canvas::Canvas(QWidget& owner, QColor background)
    : m_owner(owner), m_background(background), m_image(filledImage(owner.size(), background)) {}

void Canvas::fit(const QSize& size) {
    if (size == m_image.size()) return;
    QImage grown = filledImage(size, m_background);
    if (!grown.isNull() && !m_image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, m_image);
    }
    m_image = std::move(grown);
}

void Canvas::paint(QPainter& painter, const QRect& area) const {
    if (!m_image.isNull()) painter.drawImage(area, m_image, area);
}

bool Canvas::ready() {
    // A hidden widget gets its resize events only when shown: catch up here.
    fit(m_owner.size());
    return !m_image.isNull();
}

void Canvas::clear() {
    if (!ready()) return;
    m_image.fill(Qt::white);
    m_owner.update();
}

void Canvas::text(double x, double y, std::string_view text, double magX, double magY,
                  int color) {
    if (text.empty() || magX <= 0 || magY <= 0 || !ready()) return;
    const ScreenScale scale = widgetScale(m_owner);
    QFont font = m_owner.font();
    double points = font.pointSizeF();
    if (points <= 0) points = font.pixelSize() * 72.0 / dpiY(scale);
    // Point sizes are measured against the screen's physical resolution; the
    // image converts points with its own, so scale between the two.
    font.setPointSizeF(points * dpiY(scale) / m_image.logicalDpiY());

    QPainter painter(&m_image);
    if (m_clip) painter.setClipRect(*m_clip);
    painter.setFont(font);
    painter.setPen(paletteColor(color));
    painter.translate(x * scale.x, y * scale.y);
    painter.scale(magX, magY);
    const QFontMetricsF metrics(font, &m_image);
    painter.drawText(QPointF(0, metrics.ascent()), toQString(text));
    painter.end();
    m_owner.update();
}

void Canvas::clip(double x1, double y1, double x2, double y2) {
    const ScreenScale scale = widgetScale(m_owner);
    const int left = toPixelsX(std::min(x1, x2), scale);
    const int top = toPixelsY(std::min(y1, y2), scale);
    // Both edges included, as an outline drawn on them covers them.
    m_clip = QRect(QPoint(left, top), QPoint(toPixelsX(std::max(x1, x2), scale), toPixelsY(std::max(y1, y2), scale)));
}

void Canvas::rectangle(double x1, double y1, double x2, double y2, int color) {
    if (!ready()) return;
    const ScreenScale scale = widgetScale(m_owner);
    const int left = toPixelsX(std::min(x1, x2), scale);
    const int right = toPixelsX(std::max(x1, x2), scale);
    const int top = toPixelsY(std::min(y1, y2), scale);
    const int bottom = toPixelsY(std::max(y1, y2), scale);

    QPainter painter(&m_image);
    if (m_clip) painter.setClipRect(*m_clip);
    painter.setPen(QPen(paletteColor(color), 1));
    painter.setBrush(Qt::NoBrush);
    // An aliased one-pixel outline of (l, t, w, h) covers l..l+w and t..t+h:
    // both corners included.
    painter.drawRect(left, top, right - left, bottom - top);
    painter.end();
    m_owner.update();
}

void Canvas::stretch(const Bitmap& bitmap, double x, double y, double width, double height) {
    const auto* qtBitmap = dynamic_cast<const QtBitmap*>(&bitmap);
    if (qtBitmap == nullptr || !qtBitmap->file() || !ready()) return;
    const QRect target = controlRect({x, y, width, height}, widgetScale(m_owner));
    if (target.isEmpty()) return;
    // Already at the drawn size: a plain copy of pixels.
    const QImage picture = qtBitmap->scaled(target.size());
    if (picture.isNull()) return;

    QPainter painter(&m_image);
    if (m_clip) painter.setClipRect(*m_clip);
    painter.drawImage(target.topLeft(), picture);
    painter.end();
    m_owner.update();
}

}  // namespace cal::qtui
