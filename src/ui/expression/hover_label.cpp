#include "ui/expression/hover_label.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvane::expression {

HoverLabel::HoverLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setMouseTracking(true);
}

void HoverLabel::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    event->accept();
}

void HoverLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release of the left button on the same label.
void HoverLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool was_pressed = pressed_;
    pressed_ = false;
    event->accept();
    if (was_pressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

QCursor pen_cursor() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A pen lying from the lower left (its tip, the hot spot) to the upper right.
    painter.translate(3, 28);
    painter.rotate(-45);
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(7, -3);
    body.lineTo(30, -3);
    body.lineTo(30, 3);
    body.lineTo(7, 3);
    body.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(body);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(24, -3, 6, 6));
    painter.drawLine(QPointF(7, -3), QPointF(7, 3));
    painter.end();
    return QCursor(pixmap, 3, 28);
}

}  // namespace orvane::expression
