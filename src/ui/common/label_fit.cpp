#include "ui/common/label_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace orvane {

void fit_label_texts(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull()) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        const int width = std::max(label->width(), metrics.horizontalAdvance(label->text()) + 1);
        const int height = std::max(label->height(), metrics.height());
        if (width != label->width() || height != label->height()) {
            label->resize(width, height);
        }
    }
}

}  // namespace orvane
