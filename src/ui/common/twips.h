// Layout units: positions and sizes are designed in twips (15 per logical pixel at 96 dpi);
// Qt scales logical pixels with the screen's device pixel ratio.
#pragma once

#include <QRect>
#include <QWidget>

namespace orvane {

constexpr int twips(int value) {
    return (value + 7) / 15;
}

inline QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips_rect(left, top, width, height));
}

}  // namespace orvane
