#pragma once
// The drawing surface of a picture control or of a form: a persistent image
// the widget paints, drawn on in tenths of a millimetre.
//
// With the picture cache decoding in the background, a picture whose file
// has not been decoded yet is left out at first; the canvas remembers what
// was drawn on it since it was last cleared and, when the picture arrives,
// draws again, in the same order, what was drawn where the picture goes.
// Once every picture is in, the image is the one drawing everything at once
// gives.

#include "ui/forms_service.h"
#include "qt/drawing/drawing_step.h"
#include "qt/pictures/picture_cache.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QPainter;
class QPoint;
class QRect;
class QSize;
class QWidget;

namespace cal::qtui {

class Canvas final : public Surface, private PictureWaiter {
public:
    // `owner` is the widget that shows the image; its font and its screen
    // decide how text is drawn. The image starts filled with `background`.
    Canvas(QWidget& owner, QColor background);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The image with every picture drawn: waits for pictures still decoding.
    const QImage& image();
    // Follows the widget's size: what was drawn stays, new area gets the
    // background.
    void fit(const QSize& size);
    void paint(QPainter& painter, const QRect& area);
    // Files drawn on the canvas that are still being decoded.
    int waitingPictures() const { return static_cast<int>(m_awaited.size()); }

    void clear() override;
    void text(double x, double y, std::string_view text, double magX, double magY,
              int color) override;
    void rectangle(double x1, double y1, double x2, double y2, int color) override;
    void stretch(const Bitmap& bitmap, double x, double y, double width, double height) override;
    void clip(double x1, double y1, double x2, double y2) override;
    void noClip() override;

private:
    // One drawing call, as it was made.
    struct Step {
        DrawingStep drawn;
        QRect reach;  // pixels the step may touch (none for a clip)
    };

    bool ready();
    void record(DrawingStep step);
    void askUpdate();
    // Draws the step; answers the pixels it may touch.
    QRect draw(const DrawingStep& step);
    QRect drawText(const DrawingStep& step);
    QRect drawRectangle(const DrawingStep& step);
    QRect drawPicture(const DrawingStep& step);
    void limitPainter(QPainter& painter) const;
    void copyPixels(const QImage& picture, const QPoint& at);
    void pictureArrived(std::uint64_t serial) override;
    // Draws again, where the pictures that arrived go, every step since the
    // last clear that reaches there.
    void redraw();

    QWidget& m_owner;
    QColor m_background;
    QImage m_image;
    std::optional<QRect> m_clip;  // pixels, while drawing the steps
    QRegion m_limit;              // while drawing again: where, if not empty
    QColor m_base;       // the colour the remembered steps start from
    QImage m_baseImage;  // or this image, when there were too many steps
    std::vector<Step> m_steps;
    bool m_redrawQueued = false;
    bool m_redrawDelayed = false;  // the queued redraw waits for more pictures
    std::set<std::uint64_t> m_awaited;  // serials of the files still being decoded
    std::set<std::uint64_t> m_arrived;  // and of those in since the last redraw
    QElapsedTimer m_sinceRedraw;
    bool m_updateAsked = false;  // until the widget paints
    PictureCache* m_cache = nullptr;  // the cache waited on, while it lives
    QPointer<QObject> m_cacheAlive;
};

// A surface for a form or control that does not exist: drawing goes nowhere.
class NullSurface final : public Surface {
public:
    void clear() override {}
    void text(double, double, std::string_view, double, double, int) override {}
    void rectangle(double, double, double, double, int) override {}
    void stretch(const Bitmap&, double, double, double, double) override {}
    void clip(double, double, double, double) override {}
    void noClip() override {}
};

}  // namespace cal::qtui
