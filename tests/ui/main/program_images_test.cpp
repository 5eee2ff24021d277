// The images the program carries: each reads through Qt's own PNG reader at its size, and the
// program icon is read once, with both of its sizes.
#include <QIcon>
#include <QPixmap>
#include <QTest>

#include "ui/main/program_images.h"

class ProgramImagesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { orvane::register_program_images(); }

    void images_read_at_their_size_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("icon 16") << ":/images/icon16.png" << QSize(16, 16);
        QTest::newRow("icon 32") << ":/images/icon32.png" << QSize(32, 32);
        QTest::newRow("missing") << ":/images/nothing.png" << QSize();
    }

    void images_read_at_their_size() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QPixmap image(path, "PNG");
        QCOMPARE(image.isNull(), !size.isValid());
        if (size.isValid()) {
            QCOMPARE(image.size(), size);
        }
    }

    void logos_are_readable() {
        for (const char* path : {":/images/logo_small.png", ":/images/logo_large.png"}) {
            QVERIFY2(!QPixmap(QString::fromLatin1(path), "PNG").isNull(), path);
        }
    }

    void icon_is_read_once_with_both_sizes() {
        const QIcon& first = orvane::program_icon();
        const QIcon& again = orvane::program_icon();
        QCOMPARE(&first, &again);
        const QList<QSize> sizes = first.availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)),
                 qPrintable(QStringLiteral("%1 sizes").arg(sizes.size())));
    }
};

QTEST_MAIN(ProgramImagesTest)
#include "program_images_test.moc"
