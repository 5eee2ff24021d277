#include "ui/common/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QResource>

// Resources compiled into a static library register only when asked to.
static void register_font_resources() {
    Q_INIT_RESOURCE(fonts);
}

namespace orvane {

namespace {

// Each face names one family. The faces a family falls back to for characters it lacks (the
// CJK faces for Chinese text, say) are fontconfig rules of this program, below, rather than
// further families in the QFont: for a QFont naming several families the toolkit sorts every
// installed font to find the fallbacks of each face and script before the first text is laid
// out; for one family it sorts them only when a character is missing.
// The program's cut of the CJK face comes first: it holds the characters the windows show and
// draws them as the whole system face does, from a 130 KB face in the program instead of a 5 MB
// file whose pages each shown character maps into memory.
const QString kLatin = QStringLiteral("Liberation Sans");
const QString kLatinNarrow = QStringLiteral("Liberation Sans Narrow");
const QString kCjkCut = QStringLiteral("Orvane UI Hei");

constexpr const char* kFallbackRules = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match>
    <test name="family"><string>Liberation Sans Narrow</string></test>
    <edit name="family" mode="append" binding="strong">
      <string>Liberation Sans</string>
    </edit>
  </match>
  <match>
    <test name="family"><string>Liberation Sans</string></test>
    <edit name="family" mode="append" binding="strong">
      <string>Orvane UI Hei</string><string>WenQuanYi Micro Hei</string>
    </edit>
  </match>
  <match>
    <test name="family"><string>Orvane UI Hei</string></test>
    <edit name="family" mode="append" binding="strong">
      <string>WenQuanYi Micro Hei</string><string>Liberation Sans</string>
    </edit>
  </match>
</fontconfig>
)";

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

bool install_fallback_rules() {
    return FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(),
                                          reinterpret_cast<const FcChar8*>(kFallbackRules),
                                          FcTrue) == FcTrue;
}

// Both before the first text is laid out in one of the faces.
bool prepare_faces() {
    const bool rules = install_fallback_rules();
    return add_cjk_cut() && rules;
}

}  // namespace

bool cjk_cut_available() {
    static const bool kPrepared = prepare_faces();
    return kPrepared;
}

QFont ui_font(Face face, double points, bool bold) {
    (void)cjk_cut_available();
    QFont font;
    switch (face) {
        case Face::arial:
        case Face::tahoma:
        case Face::system:
            font.setFamily(kLatin);
            break;
        case Face::arial_narrow:
            font.setFamily(kLatinNarrow);
            break;
        case Face::sim_sun:
            font.setFamily(kCjkCut);
            break;
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace orvane
