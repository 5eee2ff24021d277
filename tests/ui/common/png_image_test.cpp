// PNG images read with the PNG reader alone: good images load at their size, anything else
// (missing, cut short, another format under a .png name) gives a null pixmap.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "ui/common/png_image.h"

namespace {

QByteArray encoded(const char* format, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
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

QTEST_MAIN(PngImageTest)
#include "png_image_test.moc"
