// A label that acts as a button: it reports clicks and the pointer moving over it.
#pragma once

#include <QLabel>

namespace orvane::expression {

class HoverLabel : public QLabel {
    Q_OBJECT
  public:
    HoverLabel(const QString& text, QWidget* parent);

  signals:
    void clicked();
    void hovered();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

// The pen-shaped pointer shown over the labels that write into the formula.
QCursor pen_cursor();

}  // namespace orvane::expression
