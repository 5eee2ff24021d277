// PNG images read with libpng alone: good images load at their size with the pixels Qt's own
// reader finds, anything else (missing, cut short, another format under a .png name) gives a
// null pixmap.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include "ui/common/png_image.h"

namespace {

QByteArray encoded(const char* format, QSize size, QColor colour = QColor(10, 200, 30)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace

class PngImageTest : public QObject {
    Q_OBJECT
  private slots:
    void loads_data();
    void loads();
    void decodes_as_qt_does_data();
    void decodes_as_qt_does();
};

void PngImageTest::loads_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
    QTest::addColumn<QSize>("size");        // invalid: a null pixmap is expected
    const QByteArray png = encoded("PNG", QSize(37, 11));
    QTest::newRow("png") << png << QSize(37, 11);
    QTest::newRow("one pixel") << encoded("PNG", QSize(1, 1)) << QSize(1, 1);
    QTest::newRow("missing file") << QByteArray() << QSize();
    QTest::newRow("cut short") << png.left(png.size() / 2) << QSize();
    QTest::newRow("header only") << png.left(8) << QSize();
    QTest::newRow("bmp named png") << encoded("BMP", QSize(5, 5)) << QSize();
    QTest::newRow("text named png") << QByteArray("not an image\n") << QSize();
}

void PngImageTest::loads() {
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.png"));
    if (!bytes.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QPixmap pixmap = orvane::load_png(path);
    QCOMPARE(pixmap.isNull(), !size.isValid());
    if (size.isValid()) {
        QCOMPARE(pixmap.size(), size);
        QCOMPARE(pixmap.toImage().pixelColor(0, 0), QColor(10, 200, 30));
    }
}

// The program's own images (those of the windows and the icons) and a few kinds of PNG
// encoding: every pixel as Qt's reader gives it, alpha included.
void PngImageTest::decodes_as_qt_does_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QDir resources(QStringLiteral(ORVANE_RESOURCES_DIR));
    for (const char* name : {"images/logo_small.png", "images/logo_large.png",
                             "icons/hicolor/16x16/apps/org.orvane.Calculator.png",
                             "icons/hicolor/32x32/apps/org.orvane.Calculator.png",
                             "icons/hicolor/256x256/apps/org.orvane.Calculator.png"}) {
        QFile file(resources.filePath(QString::fromLatin1(name)));
        QVERIFY2(file.open(QIODevice::ReadOnly), name);
        QTest::newRow(name) << file.readAll();
    }
    QTest::newRow("half transparent") << encoded("PNG", QSize(3, 2), QColor(200, 100, 50, 128));
    QImage grey(4, 4, QImage::Format_Grayscale8);
    grey.fill(77);
    QByteArray grey_bytes;
    QBuffer grey_buffer(&grey_bytes);
    grey_buffer.open(QIODevice::WriteOnly);
    grey.save(&grey_buffer, "PNG");
    QTest::newRow("grey, no alpha") << grey_bytes;
}

void PngImageTest::decodes_as_qt_does() {
    QFETCH(QByteArray, bytes);
    QImage expected;
    QVERIFY(expected.loadFromData(bytes, "PNG"));
    const QImage image = orvane::decode_png(bytes);
    QCOMPARE(image.size(), expected.size());
    QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(PngImageTest)
#include "png_image_test.moc"
