// Placing widgets by their designed twips.
#pragma once

#include <QRect>
#include <QWidget>

#include "ui/common/twip_units.h"

namespace orvane {

inline QRect twips_rect(int left, int top, int width, int height) {
    return QRect(px_from_twips(left), px_from_twips(top), px_from_twips(width),
                 px_from_twips(height));
}

inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips_rect(left, top, width, height));
}

}  // namespace orvane
