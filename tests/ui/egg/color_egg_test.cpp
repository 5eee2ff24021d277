#include <QSignalSpy>
#include <QtTest>

#include "ui/egg/color_egg.h"

using orvane::ColorEgg;

class ColorEggTest : public QObject {
    Q_OBJECT

  private slots:
    void has_its_title_size_and_font() {
        ColorEgg egg;
        QCOMPARE(egg.windowTitle(), QStringLiteral("彩蛋"));
        // 4680 x 3090 twips at 15 twips a pixel.
        QCOMPARE(egg.size(), QSize(312, 206));
        QCOMPARE(egg.minimumSize(), egg.maximumSize());
        QCOMPARE(egg.font().pointSizeF(), 10.5);
        QVERIFY(egg.isWindow());
        QVERIFY(egg.findChildren<QWidget*>().isEmpty());
    }

    void closing_asks_for_the_calculator_back_data() {
        QTest::addColumn<int>("closes");
        QTest::newRow("once") << 1;
        QTest::newRow("shown again and closed again") << 2;
    }

    void closing_asks_for_the_calculator_back() {
        QFETCH(int, closes);
        ColorEgg egg;
        QSignalSpy closed(&egg, &ColorEgg::closed);
        for (int i = 0; i < closes; ++i) {
            egg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&egg));
            QVERIFY(egg.close());
            QVERIFY(!egg.isVisible());
        }
        QCOMPARE(closed.count(), closes);
    }

    // The calculator is hidden while the egg is open, so the egg is the last visible window
    // when it closes; it must not take the program down with it. (Qt only announces the last
    // window inside QApplication::exec, so the attribute is what can be checked here.)
    void closing_does_not_end_the_program() {
        ColorEgg egg;
        QVERIFY(!egg.testAttribute(Qt::WA_QuitOnClose));
    }
};

QTEST_MAIN(ColorEggTest)
#include "color_egg_test.moc"
