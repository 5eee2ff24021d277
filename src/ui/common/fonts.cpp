#include "ui/common/fonts.h"

#include <QStringList>

namespace orvane {

namespace {
const QString kCjk = QStringLiteral("WenQuanYi Micro Hei");
}

QFont ui_font(Face face, double points, bool bold) {
    QStringList families;
    switch (face) {
        case Face::arial:
        case Face::tahoma:
        case Face::system:
            families = {QStringLiteral("Liberation Sans"), kCjk};
            break;
        case Face::arial_narrow:
            families = {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
                        kCjk};
            break;
        case Face::sim_sun:
            families = {kCjk, QStringLiteral("Liberation Sans")};
            break;
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace orvane
