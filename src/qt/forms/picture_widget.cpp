#include "qt/forms/picture_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace cal::qtui {

PictureWidget::PictureWidget(QWidget* parent, std::function<void()> onClick)
    : QWidget(parent), m_canvas(*this, Qt::white), m_onClick(std::move(onClick)) {
    // The canvas covers the whole widget: Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_canvas.paint(painter, event->rect());
}

void PictureWidget::resizeEvent(QResizeEvent* event) {
    m_canvas.fit(event->size());
    QWidget::resizeEvent(event);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a left press and release both on the picture.
void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click && m_onClick) m_onClick();
}

}  // namespace cal::qtui
