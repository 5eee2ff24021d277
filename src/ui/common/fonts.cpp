#include "ui/common/fonts.h"

#include <QFontDatabase>
#include <QResource>

// Resources compiled into a static library register only when asked to.
static void register_font_resources() {
    Q_INIT_RESOURCE(fonts);
}

namespace orvane {

namespace {

// Each face names its families in fallback order: the designed face's Linux match, then for
// characters it lacks (the Chinese texts) the program's cut of the CJK face, then the whole
// system CJK face. Named in the QFont, the chain applies to the program's own text only; other
// text of the process (message boxes, tooltips) falls back as the user's font configuration says.
// The cut holds the characters the windows show and draws them as the whole system face does,
// from a 130 KB face in the program instead of a 5 MB file whose pages each shown character maps
// into memory.
const QString kLatin = QStringLiteral("Liberation Sans");
const QString kLatinNarrow = QStringLiteral("Liberation Sans Narrow");
const QString kCjkCut = QStringLiteral("Orvane UI Hei");
const QString kCjkSystem = QStringLiteral("WenQuanYi Micro Hei");

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
    static const bool kPrepared = add_cjk_cut();
    return kPrepared;
}

QFont ui_font(Face face, double points, bool bold) {
    (void)cjk_cut_available();
    QFont font;
    switch (face) {
        case Face::arial:
        case Face::tahoma:
        case Face::system:
            font.setFamilies({kLatin, kCjkCut, kCjkSystem});
            break;
        case Face::arial_narrow:
            font.setFamilies({kLatinNarrow, kLatin, kCjkCut, kCjkSystem});
            break;
        case Face::sim_sun:
            font.setFamilies({kCjkCut, kCjkSystem, kLatin});
            break;
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace orvane
