#include "ui/main/dock/edge_sliver.h"

#include <QPainter>

namespace orvane {

EdgeSliver::EdgeSliver()
    // Outside the window manager's care: no manager can then clamp it, frame it, give it a
    // taskbar button or keep it below other windows.
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setWindowTitle(QStringLiteral("Orvane sliver"));
}

void EdgeSliver::show_at(const QRect& area, const QPixmap& picture) {
    picture_ = picture;
    setGeometry(area);
    show();
    raise();
    update();
}

void EdgeSliver::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawPixmap(rect(), picture_);
}

void EdgeSliver::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    report_touch();
}

void EdgeSliver::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    report_touch();
}

void EdgeSliver::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    report_touch();
}

void EdgeSliver::report_touch() {
    if (isVisible()) {
        emit touched();
    }
}

}  // namespace orvane
