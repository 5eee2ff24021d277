// The switching rule with the program's real windows: what survives a switch and what each
// window loads with under the start-up options.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include "app/calculator_windows.h"
#include "app/options.h"
#include "app/window_switcher.h"
#include "engine/screen_texts.h"
#include "ui/expression/bds_window.h"
#include "ui/main/tallybox.h"
#include "ui/mortgage/house_window.h"

using orvane::CalculatorKind;
using orvane::app::WindowSwitcher;

namespace {

bool is_calculator_window(QWidget* widget) {
    return qobject_cast<orvane::Tallybox*>(widget) != nullptr ||
           qobject_cast<orvane::BDS*>(widget) != nullptr ||
           qobject_cast<orvane::House*>(widget) != nullptr;
}

int live_windows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += is_calculator_window(widget) ? 1 : 0;
    }
    return count;
}

int visible_windows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += (is_calculator_window(widget) && widget->isVisible()) ? 1 : 0;
    }
    return count;
}

// A key as the user types it: through the native window, to whichever control has the focus.
void type_key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

orvane::Tallybox* silenced_tallybox(WindowSwitcher& switcher) {
    auto* tallybox = qobject_cast<orvane::Tallybox*>(switcher.current());
    if (tallybox != nullptr) {
        tallybox->set_clip_player([](std::string_view) {});
    }
    return tallybox;
}

// Presses `key` in the current window and waits until `target` has replaced it.
bool switch_with_key(WindowSwitcher& switcher, Qt::Key key, CalculatorKind target) {
    const QPointer<QWidget> leaving = switcher.current();
    type_key(leaving.data(), key);
    return QTest::qWaitFor([&] { return switcher.current_kind() == target; }, 5000) &&
           QTest::qWaitFor([&] { return leaving.isNull(); }, 5000);
}

struct RegisterSnapshot {
    std::string accumulator, pending_op, operand, last_operand;
    bool result_shown, root_taken, clear_via_c, voice_on;
    bool operator==(const RegisterSnapshot&) const = default;
};

RegisterSnapshot snapshot(const orvane::Tallybox& tallybox) {
    const auto& calculator = tallybox.calculator();
    const auto& r = calculator.registers();
    return {calculator.accumulator_text(),
            std::string(orvane::engine::operator_symbol(r.pending_op)),
            r.operand,
            r.last_operand,
            r.result_shown,
            r.root_taken,
            r.clear_via_c,
            r.voice_on};
}

}  // namespace

class CalculatorWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void switching_away_and_back_keeps_registers_and_resets_controls() {
        WindowSwitcher switcher({}, orvane::app::create_calculator_window);
        switcher.start(CalculatorKind::standard);
        orvane::Tallybox* first = silenced_tallybox(switcher);
        QVERIFY(first != nullptr);

        // 5 + 3 = (8, into the grand total), MS, then 2 × pending, voice on.
        for (Qt::Key key : {Qt::Key_5, Qt::Key_Plus, Qt::Key_3, Qt::Key_Equal}) {
            type_key(first, key);
        }
        type_key(first, Qt::Key_S, Qt::ControlModifier);
        for (Qt::Key key : {Qt::Key_2, Qt::Key_Asterisk, Qt::Key_F3}) {
            type_key(first, key);
        }
        const auto& before = first->calculator();
        QCOMPARE(QString::fromStdString(before.controls().memory), QStringLiteral("8"));
        QCOMPARE(QString::fromStdString(before.controls().grand_total), QStringLiteral("8"));
        QVERIFY(before.controls().voice_indicator);
        QVERIFY(before.registers().voice_on);
        const RegisterSnapshot kept = snapshot(*first);

        QVERIFY(switch_with_key(switcher, Qt::Key_F2, CalculatorKind::expression));
        QVERIFY(qobject_cast<orvane::BDS*>(switcher.current()) != nullptr);
        QCOMPARE(live_windows(), 1);
        QVERIFY(switch_with_key(switcher, Qt::Key_F1, CalculatorKind::standard));
        QCOMPARE(live_windows(), 1);

        orvane::Tallybox* back = silenced_tallybox(switcher);
        QVERIFY(back != nullptr);
        QVERIFY(snapshot(*back) == kept);
        QVERIFY(&back->calculator().registers() == &switcher.registers());
        const auto& controls = back->calculator().controls();
        QCOMPARE(back->findChild<QLineEdit*>(QStringLiteral("T_Show"))->text(), QString());
        QCOMPARE(back->findChild<QLineEdit*>(QStringLiteral("T_Memory"))->text(), QString());
        QCOMPARE(QString::fromStdString(controls.display), QString());
        QCOMPARE(QString::fromStdString(controls.memory), QString());
        QCOMPARE(QString::fromStdString(controls.grand_total), QStringLiteral("0"));
        QVERIFY(!controls.sign_visible);
        QVERIFY(!controls.voice_indicator);  // hidden, although the voice is still on

        // The next F3 leaves the voice on, shows the indicator and speaks.
        QStringList clips;
        back->set_clip_player(
            [&clips](std::string_view clip) { clips << QString::fromUtf8(clip.data()); });
        type_key(back, Qt::Key_F3);
        QVERIFY(back->calculator().registers().voice_on);
        QVERIFY(back->calculator().controls().voice_indicator);
        QCOMPARE(clips, QStringList{QStringLiteral("wav_yuyin")});
    }

    void one_window_at_a_time_through_every_switch() {
        WindowSwitcher switcher({}, orvane::app::create_calculator_window);
        switcher.start(CalculatorKind::standard);
        const std::pair<Qt::Key, CalculatorKind> steps[] = {
            {Qt::Key_F2, CalculatorKind::expression}, {Qt::Key_F7, CalculatorKind::mortgage},
            {Qt::Key_F1, CalculatorKind::standard},   {Qt::Key_F7, CalculatorKind::mortgage},
            {Qt::Key_F2, CalculatorKind::expression}, {Qt::Key_F1, CalculatorKind::standard}};
        for (const auto& [key, target] : steps) {
            silenced_tallybox(switcher);
            QVERIFY(switch_with_key(switcher, key, target));
            QCOMPARE(visible_windows(), 1);
            QCOMPARE(live_windows(), 1);
            QCOMPARE(switcher.current()->windowRole(),
                     QString::fromUtf8(orvane::app::window_name(target).data()));
        }
    }

    void start_options_reach_each_window_data() {
        QTest::addColumn<QString>("command_line");
        QTest::addColumn<CalculatorKind>("first");
        QTest::addColumn<bool>("bds_autocopy");  // the expression window's box when shown
        QTest::addColumn<bool>("autocopy");      // the main window's, once it loads
        QTest::addColumn<bool>("autoload");
        QTest::addColumn<QString>("rounding");
        QTest::addColumn<QString>("decimals");

        QTest::newRow("none") << "" << CalculatorKind::standard << false << false << false
                              << "不作处理"
                              << "0";
        QTest::newRow("/f2/ac") << "/f2/ac" << CalculatorKind::expression << true << true << false
                                << "不作处理"
                                << "0";
        QTest::newRow("/AC /F2") << "/AC /F2" << CalculatorKind::expression << true << true << false
                                 << "不作处理"
                                 << "0";
        QTest::newRow("/f2/ag/u2")
            << "/f2/ag/u2" << CalculatorKind::expression << false << false << true << "四舍五入"
            << "2";
        QTest::newRow("/ac/c2") << "/ac/c2" << CalculatorKind::standard << false << true << false
                                << "直接舍去"
                                << "2";
        QTest::newRow("/u3") << "/u3" << CalculatorKind::standard << false << false << false
                             << "四舍五入"
                             << "3";
        QTest::newRow("/f7") << "/f7" << CalculatorKind::mortgage << false << false << false
                             << "不作处理"
                             << "0";
    }
    void start_options_reach_each_window() {
        QFETCH(QString, command_line);
        QFETCH(CalculatorKind, first);
        QFETCH(bool, bds_autocopy);
        QFETCH(bool, autocopy);
        QFETCH(bool, autoload);
        QFETCH(QString, rounding);
        QFETCH(QString, decimals);

        const auto startup = orvane::app::read_command_line(command_line.toStdString());
        QVERIFY(startup.ok());
        WindowSwitcher switcher(startup.values, orvane::app::create_calculator_window);
        switcher.start(startup.first_window);
        QVERIFY(switcher.current_kind() == first);

        // The expression window: its box on every load.
        if (first != CalculatorKind::expression) {
            silenced_tallybox(switcher);
            QVERIFY(switch_with_key(switcher, Qt::Key_F2, CalculatorKind::expression));
        }
        for (int load = 0; load < 2; ++load) {
            auto* box = switcher.current()->findChild<QCheckBox*>(QStringLiteral("C_AutoCopy"));
            QVERIFY(box != nullptr);
            QCOMPARE(box->isChecked(), bds_autocopy);
            QVERIFY(switch_with_key(switcher, Qt::Key_F7, CalculatorKind::mortgage));
            QVERIFY(switch_with_key(switcher, Qt::Key_F2, CalculatorKind::expression));
        }

        // The main window: the options again on every load.
        for (int load = 0; load < 2; ++load) {
            QVERIFY(switch_with_key(switcher, Qt::Key_F1, CalculatorKind::standard));
            orvane::Tallybox* tallybox = silenced_tallybox(switcher);
            const auto& controls = tallybox->calculator().controls();
            QCOMPARE(controls.autocopy, autocopy);
            QCOMPARE(controls.autoload, autoload);
            QCOMPARE(QString::fromUtf8(orvane::engine::rounding_caption(controls.rounding)),
                     rounding);
            QCOMPARE(QString::number(controls.decimals), decimals);
            auto* copy_box = tallybox->findChild<QCheckBox*>(QStringLiteral("C_AutoCopy"));
            QVERIFY(copy_box != nullptr);
            QCOMPARE(copy_box->isChecked(), autocopy);
            auto* mode_list = tallybox->findChild<QComboBox*>(QStringLiteral("Combo_Cut"));
            QVERIFY(mode_list != nullptr);
            QCOMPARE(mode_list->currentText(), rounding);
            QVERIFY(switch_with_key(switcher, Qt::Key_F7, CalculatorKind::mortgage));
        }
    }

    void exit_control_ends_the_program() {
        WindowSwitcher switcher({}, orvane::app::create_calculator_window);
        bool finished = false;
        connect(&switcher, &WindowSwitcher::finished, this, [&finished] { finished = true; });
        switcher.start(CalculatorKind::standard);
        const QPointer<QWidget> window = switcher.current();
        type_key(window.data(), Qt::Key_F4, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(finished, 5000);
        QVERIFY(switcher.current() == nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 5000);
        QCOMPARE(live_windows(), 0);
    }
};

QTEST_MAIN(CalculatorWindowsTest)
#include "calculator_windows_test.moc"
