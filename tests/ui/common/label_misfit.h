// The window tests' check that every one-line label shows its whole text with the fonts
// this machine has.
#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace orvane::test {

struct LabelFit {
    int checked = 0;
    QString first_misfit;  // empty when every checked label fits
};

inline LabelFit check_label_texts(const QWidget& window) {
    LabelFit fit;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull() ||
            label->textFormat() == Qt::RichText) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        const int width = metrics.horizontalAdvance(label->text());
        const QRect room = label->contentsRect();
        ++fit.checked;
        // One pixel of slack for the advance's rounding.
        if (fit.first_misfit.isEmpty() &&
            (metrics.height() > room.height() || width > room.width() + 1)) {
            fit.first_misfit = QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                                   .arg(label->objectName(), label->text())
                                   .arg(width)
                                   .arg(metrics.height())
                                   .arg(room.width())
                                   .arg(room.height());
        }
    }
    return fit;
}

}  // namespace orvane::test
