#include "ui/common/fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

// Resources compiled into a static library register only when asked to.
static void register_font_resources() {
    Q_INIT_RESOURCE(fonts);
}

namespace orvane {

namespace {

const QString kLatin = QStringLiteral("Liberation Sans");
const QString kLatinNarrow = QStringLiteral("Liberation Sans Narrow");
// The system's CJK face, and the program's own cut of it holding the characters the windows
// show. Both draw those characters alike; the cut is a 130 KB face in the program instead of
// a 5 MB file whose pages each shown character maps into memory.
const QString kCjk = QStringLiteral("WenQuanYi Micro Hei");
const QString kCjkCut = QStringLiteral("Orvane UI Hei");

bool add_cjk_cut() {
    register_font_resources();
    const QResource face(QStringLiteral(":/fonts/orvane-ui-hei.ttf"));
    if (!face.isValid() || face.compressionAlgorithm() != QResource::NoCompression) {
        return false;
    }
    // The face is read in place, from the program's own pages.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()),
                                                     static_cast<qsizetype>(face.size()));
    return QFontDatabase::addApplicationFontFromData(bytes) >= 0;
}

}  // namespace

bool cjk_cut_available() {
    static const bool kAdded = add_cjk_cut();
    return kAdded;
}

QFont ui_font(Face face, double points, bool bold) {
    (void)cjk_cut_available();
    QStringList families;
    switch (face) {
        case Face::arial:
        case Face::tahoma:
        case Face::system:
            families = {kLatin, kCjkCut, kCjk};
            break;
        case Face::arial_narrow:
            families = {kLatinNarrow, kLatin, kCjkCut, kCjk};
            break;
        case Face::sim_sun:
            families = {kCjkCut, kCjk, kLatin};
            break;
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace orvane
