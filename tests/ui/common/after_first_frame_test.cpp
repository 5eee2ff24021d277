// Work deferred until a window's first frame: it runs once, after that frame was painted, and
// never for a window destroyed before it painted.
#include <QTest>
#include <QWidget>
#include <memory>

#include "ui/common/after_first_frame.h"

namespace {

class CountingWindow : public QWidget {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
};

}  // namespace

class AfterFirstFrameTest : public QObject {
    Q_OBJECT
  private slots:
    void runs_once_after_the_first_paint() {
        CountingWindow window;
        window.resize(120, 80);
        int runs = 0;
        int paints_before_run = -1;
        orvane::after_first_frame(window, [&] {
            ++runs;
            paints_before_run = window.paints;
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);  // not shown: no frame yet
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(runs, 1);
        QCOMPARE(paints_before_run, 1);
        window.repaint();
        window.hide();
        window.show();
        QTest::qWait(20);
        QCOMPARE(runs, 1);
    }

    void never_runs_for_a_window_gone_before_its_frame() {
        int runs = 0;
        {
            auto window = std::make_unique<CountingWindow>();
            orvane::after_first_frame(*window, [&] { ++runs; });
            window->show();
        }
        QTest::qWait(20);
        QCOMPARE(runs, 0);
    }
};

QTEST_MAIN(AfterFirstFrameTest)
#include "after_first_frame_test.moc"
