// The switching rule with stand-in windows: one window at a time, the one left is closed and
// destroyed after its own handler has returned, the registers stay, the program ends when no
// window is left.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "app/options.h"
#include "app/window_switcher.h"

using orvane::CalculatorKind;
using orvane::app::WindowSwitcher;

namespace {

QStringList journal;

QString name_of(CalculatorKind kind) {
    const auto name = orvane::app::window_name(kind);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// Behaves like a calculator window towards the switcher: F1/F2/F7 ask for a switch from inside
// the key handler, Alt+F4 asks to exit; close and destruction are written to the journal.
class StandIn : public QWidget {
    Q_OBJECT
  public:
    StandIn(CalculatorKind kind, orvane::engine::Registers* registers)
        : kind_(kind), registers_(registers) {
        journal.push_back("create " + name_of(kind));
    }
    ~StandIn() override { journal.push_back("destroy " + name_of(kind_)); }

    CalculatorKind kind() const { return kind_; }
    orvane::engine::Registers* registers() const { return registers_; }
    bool refuse_close = false;

  signals:
    void switch_requested(orvane::CalculatorKind target);
    void exit_requested();

  protected:
    void keyReleaseEvent(QKeyEvent* event) override {
        const QPointer<StandIn> self(this);
        if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
            emit exit_requested();
        } else if (event->key() == Qt::Key_F1) {
            emit switch_requested(CalculatorKind::standard);
        } else if (event->key() == Qt::Key_F2) {
            emit switch_requested(CalculatorKind::expression);
        } else if (event->key() == Qt::Key_F7) {
            emit switch_requested(CalculatorKind::mortgage);
        } else {
            return;
        }
        journal.push_back(self ? "handler returned" : "deleted inside its handler");
    }
    void closeEvent(QCloseEvent* event) override {
        journal.push_back("close " + name_of(kind_));
        if (refuse_close) {
            event->ignore();
        }
    }

  private:
    CalculatorKind kind_;
    orvane::engine::Registers* registers_;
};

QWidget* make_stand_in(CalculatorKind kind, WindowSwitcher& switcher) {
    auto* window =
        new StandIn(kind, kind == CalculatorKind::standard ? &switcher.registers() : nullptr);
    QObject::connect(window, &StandIn::switch_requested, &switcher, &WindowSwitcher::switch_to);
    QObject::connect(window, &StandIn::exit_requested, &switcher, &WindowSwitcher::exit_program);
    return window;
}

void process_deletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int live_stand_ins() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<StandIn*>(widget) != nullptr ? 1 : 0;
    }
    return count;
}

int visible_stand_ins() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += (qobject_cast<StandIn*>(widget) != nullptr && widget->isVisible()) ? 1 : 0;
    }
    return count;
}

}  // namespace

class WindowSwitcherTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { journal.clear(); }

    void first_window_is_the_one_asked_for_data() {
        QTest::addColumn<CalculatorKind>("first");
        QTest::newRow("Tallybox") << CalculatorKind::standard;
        QTest::newRow("BDS") << CalculatorKind::expression;
        QTest::newRow("House") << CalculatorKind::mortgage;
    }
    void first_window_is_the_one_asked_for() {
        QFETCH(CalculatorKind, first);
        WindowSwitcher switcher({}, make_stand_in);
        switcher.start(first);
        QVERIFY(switcher.current() != nullptr);
        QVERIFY(switcher.current_kind() == first);
        QCOMPARE(qobject_cast<StandIn*>(switcher.current())->kind(), first);
        QVERIFY(switcher.current()->isVisible());
        QCOMPARE(switcher.current()->windowRole(), name_of(first));
        QCOMPARE(visible_stand_ins(), 1);
    }

    void switch_keys_replace_the_window_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<CalculatorKind>("from");
        QTest::addColumn<CalculatorKind>("to");
        QTest::newRow("F2 in Tallybox")
            << Qt::Key_F2 << CalculatorKind::standard << CalculatorKind::expression;
        QTest::newRow("F7 in Tallybox")
            << Qt::Key_F7 << CalculatorKind::standard << CalculatorKind::mortgage;
        QTest::newRow("F1 in BDS")
            << Qt::Key_F1 << CalculatorKind::expression << CalculatorKind::standard;
        QTest::newRow("F7 in BDS")
            << Qt::Key_F7 << CalculatorKind::expression << CalculatorKind::mortgage;
        QTest::newRow("F1 in House")
            << Qt::Key_F1 << CalculatorKind::mortgage << CalculatorKind::standard;
        QTest::newRow("F2 in House")
            << Qt::Key_F2 << CalculatorKind::mortgage << CalculatorKind::expression;
    }
    void switch_keys_replace_the_window() {
        QFETCH(Qt::Key, key);
        QFETCH(CalculatorKind, from);
        QFETCH(CalculatorKind, to);
        WindowSwitcher switcher({}, make_stand_in);
        QSignalSpy finished(&switcher, &WindowSwitcher::finished);
        switcher.start(from);
        const QPointer<QWidget> leaving = switcher.current();

        QTest::keyClick(leaving.data(), key);
        // Closed at once, but destroyed only after its key handler had returned.
        QVERIFY(switcher.current_kind() == to);
        QVERIFY(!leaving.isNull());
        QVERIFY(!leaving->isVisible());
        QCOMPARE(visible_stand_ins(), 1);
        process_deletions();
        QVERIFY(leaving.isNull());
        QCOMPARE(live_stand_ins(), 1);
        QVERIFY(switcher.current()->isVisible());
        QCOMPARE(finished.count(), 0);

        const QStringList expected{"create " + name_of(from), "close " + name_of(from),
                                   "create " + name_of(to), "handler returned",
                                   "destroy " + name_of(from)};
        QCOMPARE(journal, expected);
    }

    void a_round_trip_keeps_one_window_and_the_same_registers() {
        WindowSwitcher switcher({}, make_stand_in);
        switcher.start(CalculatorKind::standard);
        auto* first = qobject_cast<StandIn*>(switcher.current());
        first->registers()->pending_op = orvane::engine::Operator::add;
        first->registers()->operand = "7";

        const std::pair<Qt::Key, CalculatorKind> steps[] = {
            {Qt::Key_F2, CalculatorKind::expression}, {Qt::Key_F1, CalculatorKind::standard},
            {Qt::Key_F7, CalculatorKind::mortgage},   {Qt::Key_F2, CalculatorKind::expression},
            {Qt::Key_F7, CalculatorKind::mortgage},   {Qt::Key_F1, CalculatorKind::standard}};
        QWidget* previous = first;
        for (const auto& [key, kind] : steps) {
            QTest::keyClick(switcher.current(), key);
            process_deletions();
            QVERIFY(switcher.current_kind() == kind);
            QCOMPARE(live_stand_ins(), 1);
            QVERIFY(switcher.current() != previous || kind == CalculatorKind::standard);
            previous = switcher.current();
        }
        auto* back = qobject_cast<StandIn*>(switcher.current());
        QCOMPARE(back->registers(), &switcher.registers());
        QVERIFY(back->registers()->pending_op == orvane::engine::Operator::add);
        QCOMPARE(QString::fromStdString(back->registers()->operand), QStringLiteral("7"));
    }

    void switching_to_the_open_calculator_changes_nothing() {
        WindowSwitcher switcher({}, make_stand_in);
        switcher.start(CalculatorKind::mortgage);
        QWidget* window = switcher.current();
        switcher.switch_to(CalculatorKind::mortgage);
        process_deletions();
        QCOMPARE(switcher.current(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(journal, QStringList{"create House"});
    }

    void a_window_that_refuses_to_close_is_unloaded_anyway() {
        WindowSwitcher switcher({}, make_stand_in);
        switcher.start(CalculatorKind::expression);
        qobject_cast<StandIn*>(switcher.current())->refuse_close = true;
        const QPointer<QWidget> leaving = switcher.current();
        switcher.switch_to(CalculatorKind::standard);
        process_deletions();
        QVERIFY(leaving.isNull());
        QCOMPARE(live_stand_ins(), 1);
        QVERIFY(switcher.current_kind() == CalculatorKind::standard);
    }

    void closing_the_last_window_ends_the_program_data() {
        QTest::addColumn<CalculatorKind>("kind");
        QTest::newRow("Tallybox") << CalculatorKind::standard;
        QTest::newRow("BDS") << CalculatorKind::expression;
        QTest::newRow("House") << CalculatorKind::mortgage;
    }
    void closing_the_last_window_ends_the_program() {
        QFETCH(CalculatorKind, kind);
        WindowSwitcher switcher({}, make_stand_in);
        QSignalSpy finished(&switcher, &WindowSwitcher::finished);
        switcher.start(kind);
        QVERIFY(switcher.current()->close());
        QCOMPARE(finished.count(), 0);  // still unloading
        process_deletions();
        QCOMPARE(finished.count(), 1);
        QVERIFY(switcher.current() == nullptr);
        QCOMPARE(live_stand_ins(), 0);
    }

    void hiding_the_window_does_not_end_the_program() {
        WindowSwitcher switcher({}, make_stand_in);
        QSignalSpy finished(&switcher, &WindowSwitcher::finished);
        switcher.start(CalculatorKind::standard);
        switcher.current()->hide();  // e.g. the easter egg or the feedback box in front
        process_deletions();
        QCOMPARE(finished.count(), 0);
        QVERIFY(switcher.current() != nullptr);
    }

    void exit_request_unloads_and_ends_at_once() {
        WindowSwitcher switcher({}, make_stand_in);
        QSignalSpy finished(&switcher, &WindowSwitcher::finished);
        switcher.start(CalculatorKind::standard);
        const QPointer<QWidget> window = switcher.current();
        QTest::keyClick(window.data(), Qt::Key_F4, Qt::AltModifier);
        QCOMPARE(finished.count(), 1);
        QVERIFY(switcher.current() == nullptr);
        process_deletions();
        QVERIFY(window.isNull());
        QCOMPARE(finished.count(), 1);  // the destruction does not end it a second time
        const QStringList expected{"create Tallybox", "close Tallybox", "handler returned",
                                   "destroy Tallybox"};
        QCOMPARE(journal, expected);
    }

    void windows_are_destroyed_with_the_switcher() {
        QPointer<QWidget> window;
        {
            WindowSwitcher switcher({}, make_stand_in);
            switcher.start(CalculatorKind::expression);
            window = switcher.current();
            QTest::keyClick(window.data(), Qt::Key_F7);  // BDS left, not yet destroyed
        }
        QVERIFY(window.isNull());
        QCOMPARE(live_stand_ins(), 0);
    }
};

QTEST_MAIN(WindowSwitcherTest)
#include "window_switcher_test.moc"
