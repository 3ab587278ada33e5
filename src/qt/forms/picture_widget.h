#pragma once
// A picture control: shows its canvas and reports mouse clicks.

#include "qt/drawing/canvas.h"

#include <QWidget>

#include <functional>

namespace cal::qtui {

class PictureWidget final : public QWidget {
public:
    PictureWidget(QWidget* parent, std::function<void()> onClick);

    Canvas& canvas() { return m_canvas; }
    const Canvas& canvas() const { return m_canvas; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Canvas m_canvas;
    std::function<void()> m_onClick;
    bool m_pressed = false;
};

}  // namespace cal::qtui
