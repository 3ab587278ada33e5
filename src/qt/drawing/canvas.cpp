#include "qt/drawing/canvas.h"

#include "qt/drawing/palette.h"
#include "qt/drawing/qt_bitmap.h"
#include "qt/qt_strings.h"
#include "qt/drawing/screen_units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstring>

namespace cal::qtui {

namespace {

// Steps remembered at most while no picture is awaited; beyond, the image
// so far becomes the start of the next redraw.
constexpr std::size_t kMaxSteps = 2000;
constexpr qint64 kRedrawEveryMs = 100;

QImage filledImage(const QSize& size, const QColor& color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

}  // namespace

Canvas::Canvas(QWidget& owner, QColor background) : m_owner(owner), m_background(background), m_base(background) {
    m_sinceRedraw.start();
}

Canvas::~Canvas() {
    if (m_cache != nullptr && !m_cacheAlive.isNull()) m_cache->forget(*this);
}

const QImage& Canvas::image() {
    ready();
    if (!m_awaited.empty() && m_cache != nullptr && !m_cacheAlive.isNull()) m_cache->settle();
    if (m_redrawQueued) redraw();
    return m_image;
}

void Canvas::fit(const QSize& size) {
    // The image is made when something is first drawn: a canvas that is
    // never drawn on (a window that is never shown) costs nothing.
    if (m_image.isNull() || size == m_image.size()) return;
    QImage grown = filledImage(size, m_background);
    if (!grown.isNull() && !m_image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, m_image);
    }
    m_image = std::move(grown);
}

void Canvas::paint(QPainter& painter, const QRect& area) {
    m_updateAsked = false;
    if (m_redrawQueued) redraw();
    if (m_image.isNull())
        painter.fillRect(area, m_background);
    else
        painter.drawImage(area, m_image, area);
}

bool Canvas::ready() {
    if (m_image.isNull()) m_image = filledImage(m_owner.size(), m_background);
    // A hidden widget gets its resize events only when shown: catch up here.
    fit(m_owner.size());
    return !m_image.isNull();
}

void Canvas::clear() {
    if (!ready()) return;
    m_image.fill(Qt::white);
    m_base = Qt::white;
    m_baseImage = QImage();
    m_steps.clear();
    m_awaited.clear();
    m_arrived.clear();
    m_sinceRedraw.restart();
    askUpdate();
}

void Canvas::text(double x, double y, std::string_view text, double magX, double magY, int color) {
    if (text.empty() || magX <= 0 || magY <= 0) return;
    record({DrawingStep::Kind::Text, x, y, magX, magY, color, toQString(text), {}});
}

void Canvas::rectangle(double x1, double y1, double x2, double y2, int color) {
    record({DrawingStep::Kind::Rectangle, x1, y1, x2, y2, color, {}, {}});
}

void Canvas::stretch(const Bitmap& bitmap, double x, double y, double width, double height) {
    const auto* qtBitmap = dynamic_cast<const QtBitmap*>(&bitmap);
    if (qtBitmap == nullptr || !qtBitmap->file()) return;
    m_cache = &qtBitmap->cache();
    m_cacheAlive = m_cache->lifetime();
    record({DrawingStep::Kind::Picture, x, y, width, height, 0, {}, *qtBitmap->file()});
}

void Canvas::clip(double x1, double y1, double x2, double y2) {
    record({DrawingStep::Kind::Clip, x1, y1, x2, y2, 0, {}, {}});
}

void Canvas::noClip() { record({DrawingStep::Kind::NoClip, 0, 0, 0, 0, 0, {}, {}}); }

void Canvas::record(DrawingStep step) {
    if (!ready()) return;
    if (m_steps.size() >= kMaxSteps && m_awaited.empty()) {
        m_baseImage = m_image;
        // The clip in force stays with the steps that follow.
        const auto lastClip =
            std::find_if(m_steps.rbegin(), m_steps.rend(), [](const Step& s) { return s.drawn.clipping(); });
        std::optional<Step> clipInForce;
        if (lastClip != m_steps.rend()) clipInForce = *lastClip;
        m_steps.clear();
        if (clipInForce) m_steps.push_back(*clipInForce);
    }
    const QRect reach = draw(step);
    m_steps.push_back({std::move(step), reach});
    askUpdate();
}

void Canvas::askUpdate() {
    // One request until the widget paints: a repaint of hundreds of steps
    // asks once.
    if (m_updateAsked) return;
    m_updateAsked = true;
    m_owner.update();
}

QRect Canvas::draw(const DrawingStep& step) {
    switch (step.kind) {
    case DrawingStep::Kind::Text: return drawText(step);
    case DrawingStep::Kind::Rectangle: return drawRectangle(step);
    case DrawingStep::Kind::Picture: return drawPicture(step);
    case DrawingStep::Kind::Clip: {
        const ScreenScale scale = widgetScale(m_owner);
        // Both edges included, as an outline drawn on them covers them.
        m_clip = QRect(QPoint(toPixelsX(step.left(), scale), toPixelsY(step.top(), scale)),
                       QPoint(toPixelsX(step.right(), scale), toPixelsY(step.bottom(), scale)));
        break;
    }
    case DrawingStep::Kind::NoClip: m_clip.reset(); break;
    }
    return {};
}

void Canvas::limitPainter(QPainter& painter) const {
    if (!m_limit.isEmpty()) painter.setClipRegion(m_limit);
    if (m_clip) painter.setClipRect(*m_clip, m_limit.isEmpty() ? Qt::ReplaceClip : Qt::IntersectClip);
}

QRect Canvas::drawText(const DrawingStep& step) {
    const ScreenScale scale = widgetScale(m_owner);
    QFont font = m_owner.font();
    double points = font.pointSizeF();
    if (points <= 0) points = font.pixelSize() * 72.0 / dpiY(scale);
    // Point sizes are measured against the screen's physical resolution; the
    // image converts points with its own, so scale between the two.
    font.setPointSizeF(points * dpiY(scale) / m_image.logicalDpiY());

    QPainter painter(&m_image);
    limitPainter(painter);
    painter.setFont(font);
    painter.setPen(paletteColor(step.color));
    painter.translate(step.x1 * scale.x, step.y1 * scale.y);
    painter.scale(step.x2, step.y2);
    const QFontMetricsF metrics(font, &m_image);
    painter.drawText(QPointF(0, metrics.ascent()), step.text);
    // No glyph is wider than the widest of the font; a margin of one for
    // what leans out.
    const qreal em = metrics.maxWidth();
    const QRectF reach(-em, -em, em * (step.text.size() + 2), metrics.height() + 2 * em);
    return painter.transform().mapRect(reach).toAlignedRect().adjusted(-1, -1, 1, 1);
}

QRect Canvas::drawRectangle(const DrawingStep& step) {
    const ScreenScale scale = widgetScale(m_owner);
    const int left = toPixelsX(step.left(), scale);
    const int right = toPixelsX(step.right(), scale);
    const int top = toPixelsY(step.top(), scale);
    const int bottom = toPixelsY(step.bottom(), scale);

    QPainter painter(&m_image);
    limitPainter(painter);
    painter.setPen(QPen(paletteColor(step.color), 1));
    painter.setBrush(Qt::NoBrush);
    // An aliased one-pixel outline of (l, t, w, h) covers l..l+w and t..t+h:
    // both corners included.
    painter.drawRect(left, top, right - left, bottom - top);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect Canvas::drawPicture(const DrawingStep& step) {
    const QRect target = controlRect({step.x1, step.y1, step.x2, step.y2}, widgetScale(m_owner));
    if (target.isEmpty() || m_cache == nullptr || m_cacheAlive.isNull()) return target;
    if (m_cache->background() && !m_cache->ready(step.file)) {
        // Drawn when it arrives.
        m_awaited.insert(step.file.serial);
        m_cache->request(step.file, target.size(), *this);
        return target;
    }
    // Already at the drawn size: a plain copy of pixels.
    m_cache->beginRun();
    const QImage picture = m_cache->scaled(step.file, target.size());
    m_cache->endRun();
    if (picture.isNull()) return target;
    // A plain copy only where all of it may be drawn: a redraw limited to
    // part of the picture goes through the painter's clip.
    if (picture.format() == QImage::Format_RGB32 && m_image.format() == QImage::Format_RGB32 &&
        (m_limit.isEmpty() || m_limit.intersected(target) == QRegion(target))) {
        copyPixels(picture, target.topLeft());
        return target;
    }
    QPainter painter(&m_image);
    limitPainter(painter);
    painter.drawImage(target.topLeft(), picture);
    return target;
}

// An opaque picture at whole pixels is a copy of rows, inside the clip and
// the image: what a painter gives, without setting one up for each picture.
void Canvas::copyPixels(const QImage& picture, const QPoint& at) {
    QRect area = QRect(at, picture.size()) & m_image.rect();
    if (m_clip) area &= *m_clip;
    if (area.isEmpty()) return;
    const qsizetype rowBytes = qsizetype{area.width()} * 4;
    uchar* to = m_image.bits() + area.top() * m_image.bytesPerLine() + qsizetype{area.left()} * 4;
    const uchar* from = picture.constBits() + (area.top() - at.y()) * picture.bytesPerLine() +
                        qsizetype{area.left() - at.x()} * 4;
    for (int y = area.top(); y <= area.bottom(); ++y, to += m_image.bytesPerLine(), from += picture.bytesPerLine())
        std::memcpy(to, from, rowBytes);
}

void Canvas::pictureArrived(std::uint64_t serial) {
    m_awaited.erase(serial);
    m_arrived.insert(serial);
    // Once every awaited picture is in, the canvas is drawn again at once;
    // before that at most every kRedrawEveryMs, so that slow photos still
    // appear one after the other without a redraw for each of many quick ones.
    const bool allIn = m_awaited.empty();
    if (m_redrawQueued && !(allIn && m_redrawDelayed)) return;
    const qint64 wait = allIn ? 0 : std::max<qint64>(0, kRedrawEveryMs - m_sinceRedraw.elapsed());
    m_redrawQueued = true;
    m_redrawDelayed = wait > 0;
    QTimer::singleShot(static_cast<int>(wait), &m_owner, [this] {
        if (m_redrawQueued) redraw();
    });
}

void Canvas::redraw() {
    m_redrawQueued = m_redrawDelayed = false;
    m_sinceRedraw.restart();
    if (!ready()) return;
    QRegion where;
    for (const Step& step : m_steps)
        if (step.drawn.kind == DrawingStep::Kind::Picture && m_arrived.contains(step.drawn.file.serial))
            where += step.reach;
    m_arrived.clear();
    where &= m_image.rect();
    if (where.isEmpty()) return;
    // Back to what the steps started from, there only.
    {
        QPainter painter(&m_image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& area : where) {
            if (!m_baseImage.isNull() && m_baseImage.size() == m_image.size())
                painter.drawImage(area.topLeft(), m_baseImage, area);
            else
                painter.fillRect(area, m_base);
        }
    }
    m_limit = where;
    m_clip.reset();
    for (const Step& step : m_steps) {
        if (step.drawn.clipping() || where.intersects(step.reach)) draw(step.drawn);
    }
    m_limit = QRegion();
    askUpdate();
}

}  // namespace cal::qtui
