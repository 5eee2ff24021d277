// The windows' faces: the program's cut of the CJK face holds every character the sources write
// and draws them exactly as the whole system face does, at the sizes and weights the windows
// use; each face falls back to the next of its chain for the characters it lacks.
#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QResource>
#include <QSet>
#include <QTest>
#include <QTextLayout>
#include <tuple>

#include "ui/common/fonts.h"

Q_DECLARE_METATYPE(orvane::Face)

namespace {

// Every character above ASCII in the program's sources, as drawable text.
QString source_characters() {
    QSet<char32_t> seen;
    QDirIterator files(QStringLiteral(ORVANE_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly)) {
            for (const char32_t code : QString::fromUtf8(file.readAll()).toUcs4()) {
                if (code > 0x7e) {
                    seen.insert(code);
                }
            }
        }
    }
    QList<char32_t> sorted(seen.begin(), seen.end());
    std::sort(sorted.begin(), sorted.end());
    return QString::fromUcs4(sorted.constData(), sorted.size());
}

QImage drawn(const QString& family, double points, bool bold, const QString& text) {
    QFont font;
    font.setFamilies({family});
    font.setPointSizeF(points);
    font.setBold(bold);
    constexpr int kPerLine = 24;
    const QFontMetrics metrics(font);
    QImage image(kPerLine * metrics.maxWidth() + 8,
                 static_cast<int>((text.size() / kPerLine + 1) * metrics.lineSpacing()) + 8,
                 QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (qsizetype at = 0, line = 0; at < text.size(); at += kPerLine, ++line) {
        painter.drawText(QPointF(4, 4 + metrics.ascent() + line * metrics.lineSpacing()),
                         text.mid(at, kPerLine));
    }
    return image;
}

}  // namespace

class FontsTest : public QObject {
    Q_OBJECT
  private slots:
    void cut_holds_every_character_of_the_sources() {
        QVERIFY(orvane::cjk_cut_available());
        const QResource face(QStringLiteral(":/fonts/orvane-ui-hei.ttf"));
        const QRawFont cut(QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()),
                                                   static_cast<qsizetype>(face.size())),
                           12);
        QVERIFY(cut.isValid());
        QString missing;
        for (const char32_t code : source_characters().toUcs4()) {
            if (!cut.supportsCharacter(code)) {
                missing += QString::fromUcs4(&code, 1);
            }
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("run tools/make_ui_face.py; missing: ") + missing));
    }

    void characters_come_from_the_first_face_holding_them_data() {
        QTest::addColumn<orvane::Face>("face");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        using orvane::Face;
        // 龘 is in the system face only, not in the program's texts.
        const std::tuple<Face, const char*, const char*> rows[] = {
            {Face::system, "MS+0 GT", "Liberation Sans"},
            {Face::system, "小数处理", "Orvane UI Hei"},
            {Face::system, "龘", "WenQuanYi Micro Hei"},
            {Face::arial_narrow, "0.125", "Liberation Sans Narrow"},
            {Face::arial_narrow, "溢出", "Orvane UI Hei"},
            {Face::sim_sun, "÷×－＋＝→", "Orvane UI Hei"},
            {Face::sim_sun, "龘", "WenQuanYi Micro Hei"},
        };
        for (const auto& [face, text, family] : rows) {
            QTest::newRow(text) << face << QString::fromUtf8(text) << QString::fromUtf8(family);
        }
    }

    void characters_come_from_the_first_face_holding_them() {
        QFETCH(orvane::Face, face);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QTextLayout layout(text, orvane::ui_font(face, 12, true));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QStringList families;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            families << run.rawFont().familyName();
        }
        families.removeDuplicates();
        QCOMPARE(families, QStringList{family});
    }

    void cut_draws_as_the_system_face_data() {
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("labels, 9") << 9.0 << false;
        QTest::newRow("bold 9") << 9.0 << true;
        QTest::newRow("bold 12, the close button") << 12.0 << true;
        QTest::newRow("bold 18, the operator sign") << 18.0 << true;
        QTest::newRow("bold 26.25, the operator keys") << 26.25 << true;
        QTest::newRow("bold 36, the back key") << 36.0 << true;
    }

    void cut_draws_as_the_system_face() {
        QFETCH(double, points);
        QFETCH(bool, bold);
        QVERIFY(orvane::cjk_cut_available());
        const QString system = QStringLiteral("WenQuanYi Micro Hei");
        QFont probe(system);
        QCOMPARE(QFontInfo(probe).family(), system);  // the system face must be installed
        const QString text = source_characters() + QStringLiteral("0123456789+-*/=.%()AaBbMmXx");
        const QImage expected = drawn(system, points, bold, text);
        const QImage actual = drawn(QStringLiteral("Orvane UI Hei"), points, bold, text);
        QCOMPARE(actual.size(), expected.size());
        QVERIFY(actual == expected);
    }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
