// The sliver of a slid-away window: a thin borderless window above all others that shows the
// edge of the hidden window and reports the pointer touching it.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace orvane {

class EdgeSliver : public QWidget {
    Q_OBJECT
  public:
    EdgeSliver();

    // Shows PICTURE at AREA (screen pixels), above every other window, without the focus.
    void show_at(const QRect& area, const QPixmap& picture);

  signals:
    // The pointer entered, moved over or pressed the sliver.
    void touched();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void report_touch();

    QPixmap picture_;
};

}  // namespace orvane
