#pragma once
// The drawing surface of a picture control or of a form: a persistent image
// the widget paints, drawn on in tenths of a millimetre.

#include "ui/forms_service.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <optional>

class QPainter;
class QRect;
class QSize;
class QWidget;

namespace cal::qtui {

class Canvas final : public Surface {
public:
    // `owner` is the widget that shows the image; its font and its screen
    // decide how text is drawn. The image starts filled with `background`.
    Canvas(QWidget& owner, QColor background);

    const QImage& image() const { return m_image; }
    // Follows the widget's size: what was drawn stays, new area gets the
    // background.
    void fit(const QSize& size);
    void paint(QPainter& painter, const QRect& area) const;

    void clear() override;
    void text(double x, double y, std::string_view text, double magX, double magY,
              int color) override;
    void rectangle(double x1, double y1, double x2, double y2, int color) override;
    void stretch(const Bitmap& bitmap, double x, double y, double width, double height) override;
    void clip(double x1, double y1, double x2, double y2) override;
    void noClip() override { m_clip.reset(); }

private:
    bool ready();

    QWidget& m_owner;
    QColor m_background;
    QImage m_image;
    std::optional<QRect> m_clip;  // pixels
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
