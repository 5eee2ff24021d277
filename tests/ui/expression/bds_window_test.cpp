#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>

#include "../common/label_misfit.h"
#include "ui/expression/bds_window.h"

using orvane::BDS;
using orvane::CalculatorKind;

Q_DECLARE_METATYPE(CalculatorKind)

namespace {

const QString kErrorTitle = QStringLiteral("表达式错误");
const QString kErrorText = QStringLiteral("表达式有错误，请检查运算符或函数是否正确。");

// A window with its controls and a record of the error messages it reported.
struct Window {
    explicit Window(int start_mode = 0) {
        orvane::StartupValues startup;
        startup.start_mode = start_mode;
        bds = std::make_unique<BDS>(startup);
        bds->set_error_reporter([this](QWidget*, const QString& title, const QString& text) {
            errors << title + QLatin1Char('|') + text;
        });
        formula = bds->findChild<QLineEdit*>(QStringLiteral("T_BDS"));
        compute = bds->findChild<QPushButton*>(QStringLiteral("Cmd_BDS"));
        result = bds->findChild<QLabel*>(QStringLiteral("L_BDS"));
        auto_copy = bds->findChild<QCheckBox*>(QStringLiteral("C_AutoCopy"));
    }

    bool show_active() {
        bds->show();
        bds->activateWindow();
        return QTest::qWaitForWindowActive(bds.get());
    }

    QLabel* label(const QString& name) const { return bds->findChild<QLabel*>(name); }

    void evaluate(const QString& typed) {
        formula->setText(typed);
        QTest::mouseClick(compute, Qt::LeftButton);
    }

    std::unique_ptr<BDS> bds;
    QLineEdit* formula = nullptr;
    QPushButton* compute = nullptr;
    QLabel* result = nullptr;
    QCheckBox* auto_copy = nullptr;
    QStringList errors;
};

QColor text_colour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

void move_over(QWidget* target, QPoint position) {
    QMouseEvent move(QEvent::MouseMove, position, target->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

}  // namespace

class BdsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void insert_labels_write_at_the_caret_data();
    void insert_labels_write_at_the_caret();
    void enter_evaluates_only_longer_formulas_data();
    void enter_evaluates_only_longer_formulas();
    void compute_cleans_the_formula_and_shows_the_caption_data();
    void compute_cleans_the_formula_and_shows_the_caption();
    void error_keeps_the_previous_answer();
    void error_message_names_too_deep_nesting();
    void typed_keys_keep_their_order_data();
    void typed_keys_keep_their_order();
    void long_formulas_are_taken_whole();
    void characters_waiting_together_are_one_change();
    void auto_copy_copies_the_caption_shown_data();
    void auto_copy_copies_the_caption_shown();
    void auto_copy_is_ticked_only_in_start_mode7_data();
    void auto_copy_is_ticked_only_in_start_mode7();
    void switch_keys_and_labels_request_a_switch_data();
    void switch_keys_and_labels_request_a_switch();
    void tab_visits_formula_button_and_check_box();
    void hover_colour_stays_until_the_background();
    void size_snaps_back();
    void every_label_text_fits_its_rectangle();
};

// The widest caption the result label gets is a negative number in exponent form.
void BdsWindowTest::every_label_text_fits_its_rectangle() {
    Window w;
    w.evaluate(QStringLiteral("-2^50*3.3333"));
    const orvane::test::LabelFit fit = orvane::test::check_label_texts(*w.bds);
    QVERIFY2(fit.first_misfit.isEmpty(), qPrintable(fit.first_misfit));
    QVERIFY(fit.checked > 5);
}

void BdsWindowTest::insert_labels_write_at_the_caret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionStart");  // -1: no selection
    QTest::addColumn<int>("cursorOrLength");  // caret, or the selection's length
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor");

    QTest::newRow("sin after 2") << "2" << -1 << 1 << "L_sin"
                                 << "2sin()" << 6;
    QTest::newRow("star over 3+4") << "3+4" << 0 << 3 << "L_Cheng"
                                   << "*" << 1;
    QTest::newRow("plus between digits") << "12" << -1 << 1 << "L_Jia"
                                         << "1+2" << 2;
    QTest::newRow("minus over part") << "1+2+3" << 1 << 2 << "L_Jian"
                                     << "1-+3" << 2;
    QTest::newRow("log at the start") << "5" << -1 << 0 << "L_log"
                                      << "log()5" << 5;
    QTest::newRow("cos into empty box") << "" << -1 << 0 << "L_cos"
                                        << "cos()" << 5;
    QTest::newRow("tan at the end") << "1+" << -1 << 2 << "L_tan"
                                    << "1+tan()" << 7;
    QTest::newRow("divide") << "8" << -1 << 1 << "L_Chu"
                            << "8/" << 2;
    QTest::newRow("power") << "2" << -1 << 1 << "L_ChengFang"
                           << "2^" << 2;
}

void BdsWindowTest::insert_labels_write_at_the_caret() {
    QFETCH(QString, text);
    QFETCH(int, selectionStart);
    QFETCH(int, cursorOrLength);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    QFETCH(int, expectedCursor);

    Window w;
    QVERIFY(w.show_active());
    w.formula->setText(text);
    if (selectionStart < 0) {
        w.formula->setCursorPosition(cursorOrLength);
    } else {
        w.formula->setSelection(selectionStart, cursorOrLength);
    }
    QTest::mouseClick(w.label(label), Qt::LeftButton);

    QCOMPARE(w.formula->text(), expected);
    QCOMPARE(w.formula->cursorPosition(), expectedCursor);
    QVERIFY(!w.formula->hasSelectedText());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.formula));
}

void BdsWindowTest::enter_evaluates_only_longer_formulas_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("errors");

    QTest::newRow("two characters do nothing") << "12"
                                               << "12"
                                               << "" << 0;
    QTest::newRow("a broken two-character formula does nothing") << "1+"
                                                                 << "1+"
                                                                 << "" << 0;
    QTest::newRow("1 space 2 is three characters") << "1 2"
                                                   << "12"
                                                   << "12" << 0;
    QTest::newRow("a third") << "1/3"
                             << "1/3"
                             << "0.3333333333" << 0;
    QTest::newRow("three characters that fail") << "1+ "
                                                << "1+"
                                                << "" << 1;
}

void BdsWindowTest::enter_evaluates_only_longer_formulas() {
    QFETCH(QString, typed);
    QFETCH(QString, boxAfter);
    QFETCH(QString, caption);
    QFETCH(int, errors);

    Window w;
    QVERIFY(w.show_active());
    QTest::keyClicks(w.formula, typed);
    QTest::keyClick(w.formula, Qt::Key_Return);

    QCOMPARE(w.formula->text(), boxAfter);
    QCOMPARE(w.result->text(), caption);
    QCOMPARE(w.errors.size(), errors);
}

void BdsWindowTest::compute_cleans_the_formula_and_shows_the_caption_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<QString>("caption");

    QTest::newRow("spaces vanish") << " 1 + 2 "
                                   << "1+2"
                                   << "3";
    QTest::newRow("power cut to twelve") << "2^50"
                                         << "2^50"
                                         << "1.1258999068";
    QTest::newRow("short formula by button") << "7"
                                             << "7"
                                             << "7";
    QTest::newRow("empty formula, empty caption") << ""
                                                  << ""
                                                  << "";
    QTest::newRow("full-width space stays and fails") << "1\u30002"
                                                      << "1\u30002"
                                                      << "";
}

void BdsWindowTest::compute_cleans_the_formula_and_shows_the_caption() {
    QFETCH(QString, typed);
    QFETCH(QString, cleaned);
    QFETCH(QString, caption);

    Window w;
    w.formula->setText(typed);
    w.formula->setCursorPosition(typed.size());
    QTest::mouseClick(w.compute, Qt::LeftButton);

    QCOMPARE(w.formula->text(), cleaned);
    QCOMPARE(w.formula->cursorPosition(), 0);  // rewriting the box puts the caret first
    QCOMPARE(w.result->text(), caption);
}

void BdsWindowTest::error_keeps_the_previous_answer() {
    Window w;
    w.evaluate(QStringLiteral("2^50"));
    QCOMPARE(w.result->text(), QStringLiteral("1.1258999068"));
    QVERIFY(w.errors.isEmpty());

    const QStringList failing = {QStringLiteral("1 +"), QStringLiteral("1/0"),
                                 QStringLiteral("foo(1)"), QStringLiteral("sin()")};
    for (const QString& formula : failing) {
        w.evaluate(formula);
        QCOMPARE(w.result->text(), QStringLiteral("1.1258999068"));
    }
    QCOMPARE(w.errors.size(), failing.size());
    QCOMPARE(w.errors.first(), kErrorTitle + QLatin1Char('|') + kErrorText);
    QCOMPARE(w.formula->text(), QStringLiteral("sin()"));
}

// The evaluator's bound itself is tested with the evaluator; the window shows its message.
void BdsWindowTest::error_message_names_too_deep_nesting() {
    Window w;
    w.evaluate(QString(257, QLatin1Char('(')) + QStringLiteral("7") +
               QString(257, QLatin1Char(')')));
    QCOMPARE(w.errors,
             QStringList{kErrorTitle + QLatin1Char('|') +
                         QStringLiteral("表达式嵌套过深：括号和函数最多只能嵌套256层。")});
}

// Typed characters are inserted in batches; every other key must still act where the typing
// before it left the caret.
void BdsWindowTest::typed_keys_keep_their_order_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backspace") << "12" << int(Qt::Key_Backspace) << 0 << "3"
                               << "13";
    QTest::newRow("home") << "12" << int(Qt::Key_Home) << 0 << "3"
                          << "312";
    QTest::newRow("left") << "sin()" << int(Qt::Key_Left) << 0 << "2"
                          << "sin(2)";
    QTest::newRow("select all") << "1+2" << int(Qt::Key_A) << int(Qt::ControlModifier) << "7"
                                << "7";
    QTest::newRow("shift selects") << "123" << int(Qt::Key_Left) << int(Qt::ShiftModifier) << "9"
                                   << "129";
}

void BdsWindowTest::typed_keys_keep_their_order() {
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(QString, expected);
    Window w;
    QVERIFY(w.show_active());
    QTest::keyClicks(w.formula, before);
    QTest::keyClick(w.formula, static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifiers));
    QTest::keyClicks(w.formula, after);
    QTRY_COMPARE(w.formula->text(), expected);
}

// Longer than the 32,767 characters a line box keeps by default: pasted and typed formulas
// reach the evaluator whole, and typing them does not take seconds.
void BdsWindowTest::long_formulas_are_taken_whole() {
    Window w;
    QVERIFY(w.show_active());
    const QString pasted = QStringLiteral("1") + QStringLiteral("+1").repeated(20000);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(w.formula, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.formula->text().size(), pasted.size());
    QTest::keyClick(w.formula, Qt::Key_Return);
    QCOMPARE(w.result->text(), QStringLiteral("20001"));

    w.formula->clear();
    const QString typed = QStringLiteral("2") + QStringLiteral("+2").repeated(19999);
    QElapsedTimer timer;
    timer.start();
    QTest::keyClicks(w.formula, typed);
    QTest::keyClick(w.formula, Qt::Key_Return);
    // One key at a time this took minutes.
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(w.formula->text(), typed);
    QCOMPARE(w.result->text(), QStringLiteral("40000"));
    QVERIFY(w.errors.isEmpty());
}

// Each change lays out the whole line again: keys that queue up, and the Shift presses between
// them, must cost one change, not one each.
void BdsWindowTest::characters_waiting_together_are_one_change() {
    Window w;
    QVERIFY(w.show_active());
    QSignalSpy changes(w.formula, &QLineEdit::textChanged);
    for (const char c : std::string("1+2*3")) {
        QTest::keyPress(w.formula, Qt::Key_Shift);
        QTest::keyClick(w.formula, c);
        QTest::keyRelease(w.formula, Qt::Key_Shift);
    }
    QTRY_COMPARE(w.formula->text(), QStringLiteral("1+2*3"));
    QCOMPARE(changes.count(), 1);
}

void BdsWindowTest::auto_copy_copies_the_caption_shown_data() {
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("failure copies the previous answer") << true << "1/3"
                                                        << "1+"
                                                        << "0.3333333333";
    QTest::newRow("failure with no answer copies empty") << true << ""
                                                         << "1+"
                                                         << "";
    QTest::newRow("success copies the new caption") << true << "2^50"
                                                    << "3*3"
                                                    << "9";
    QTest::newRow("unticked leaves the clipboard") << false << "1/3"
                                                   << "1+"
                                                   << "untouched";
}

void BdsWindowTest::auto_copy_copies_the_caption_shown() {
    QFETCH(bool, ticked);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, clipboard);

    Window w;
    w.auto_copy->setChecked(ticked);
    if (!first.isEmpty()) {
        w.evaluate(first);
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    w.evaluate(second);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

void BdsWindowTest::auto_copy_is_ticked_only_in_start_mode7_data() {
    QTest::addColumn<int>("startMode");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("plain start") << 0 << false;
    QTest::newRow("expression window") << 1 << false;
    QTest::newRow("auto-copy alone") << 6 << false;
    QTest::newRow("expression window with auto-copy") << 7 << true;
}

void BdsWindowTest::auto_copy_is_ticked_only_in_start_mode7() {
    QFETCH(int, startMode);
    QFETCH(bool, ticked);
    Window w(startMode);
    QCOMPARE(w.auto_copy->isChecked(), ticked);
}

void BdsWindowTest::switch_keys_and_labels_request_a_switch_data() {
    QTest::addColumn<QString>("control");  // a label to click, or a control to release a key in
    QTest::addColumn<int>("key");          // 0: click the control
    QTest::addColumn<CalculatorKind>("target");

    QTest::newRow("F1 in the formula") << "T_BDS" << int(Qt::Key_F1) << CalculatorKind::standard;
    QTest::newRow("F7 in the formula") << "T_BDS" << int(Qt::Key_F7) << CalculatorKind::mortgage;
    QTest::newRow("F7 on the button") << "Cmd_BDS" << int(Qt::Key_F7) << CalculatorKind::mortgage;
    QTest::newRow("F1 on the check box")
        << "C_AutoCopy" << int(Qt::Key_F1) << CalculatorKind::standard;
    QTest::newRow("standard label") << "L_Normal" << 0 << CalculatorKind::standard;
    QTest::newRow("mortgage label") << "L_House" << 0 << CalculatorKind::mortgage;
}

void BdsWindowTest::switch_keys_and_labels_request_a_switch() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(CalculatorKind, target);

    Window w;
    w.formula->setText(QStringLiteral("1+2"));
    QSignalSpy spy(w.bds.get(), &BDS::switch_requested);
    auto* widget = w.bds->findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    if (key == 0) {
        QTest::mouseClick(widget, Qt::LeftButton);
    } else {
        QTest::keyRelease(widget, static_cast<Qt::Key>(key));
    }
    QCOMPARE(spy.count(), 0);  // delivered once the event is over, as from every window
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<CalculatorKind>(), target);
    QCOMPARE(w.result->text(), QString());  // a switch evaluates nothing
}

void BdsWindowTest::tab_visits_formula_button_and_check_box() {
    Window w;
    QVERIFY(w.show_active());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.formula));
    const QList<QWidget*> expected = {w.compute, w.auto_copy, w.formula};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void BdsWindowTest::hover_colour_stays_until_the_background() {
    Window w;
    const QColor red(255, 0, 0);
    const QColor normal = QPalette().color(QPalette::ButtonText);
    QLabel* plus = w.label(QStringLiteral("L_Jia"));
    QLabel* standard = w.label(QStringLiteral("L_Normal"));
    QCOMPARE(text_colour(plus), normal);

    move_over(plus, QPoint(3, 3));
    move_over(standard, QPoint(3, 3));
    QCOMPARE(text_colour(plus), red);
    QCOMPARE(text_colour(standard), red);

    // Over a plain label or a control the colours stay.
    const QLabel* heading = w.label(QStringLiteral("Label1"));
    move_over(w.bds.get(), heading->geometry().center());
    move_over(w.bds.get(), w.formula->geometry().center());
    QCOMPARE(text_colour(plus), red);

    // Inside the outline, away from every label: that is background.
    const QPoint inside_outline(420, 160);
    QCOMPARE(w.bds->childAt(inside_outline), nullptr);
    move_over(w.bds.get(), inside_outline);
    QCOMPARE(text_colour(plus), normal);
    QCOMPARE(text_colour(standard), normal);

    move_over(plus, QPoint(3, 3));
    move_over(w.bds.get(), QPoint(2, 2));
    QCOMPARE(text_colour(plus), normal);
    // The dark red headings never change.
    QCOMPARE(text_colour(heading), QColor(128, 0, 0));
}

void BdsWindowTest::size_snaps_back() {
    Window w;
    const QSize designed = w.bds->size();
    QCOMPARE(designed, QSize(441, 242));
    w.bds->resize(800, 600);
    QCOMPARE(w.bds->size(), designed);
    w.bds->resize(100, 100);
    QCOMPARE(w.bds->size(), designed);
}

QTEST_MAIN(BdsWindowTest)
#include "bds_window_test.moc"
