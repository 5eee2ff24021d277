#include "ui/common/label_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRect>
#include <QWidget>
#include <algorithm>

namespace orvane {

void fit_label_text(QLabel& label) {
    if (label.text().isEmpty() || label.wordWrap() || !label.pixmap().isNull()) {
        return;
    }
    // Margins (a label partly covered by another control keeps its text in the visible
    // part) stay; the room inside them grows.
    const QFontMetrics metrics(label.font());
    const QRect room = label.contentsRect();
    const int wider = std::max(0, metrics.horizontalAdvance(label.text()) + 1 - room.width());
    const int taller = std::max(0, metrics.height() - room.height());
    if (wider > 0 || taller > 0) {
        label.resize(label.width() + wider, label.height() + taller);
    }
}

void fit_label_texts(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isHidden()) {
            fit_label_text(*label);
        }
    }
}

}  // namespace orvane
