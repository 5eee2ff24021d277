#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "../common/label_misfit.h"
#include "ui/mortgage/house_tips.h"
#include "ui/mortgage/house_window.h"

using orvane::CalculatorKind;
using orvane::House;

Q_DECLARE_METATYPE(CalculatorKind)

namespace {

struct Message {
    QString text;
    QString title;
    QMessageBox::Icon icon;
};

// A shown, active House whose message boxes are recorded instead of shown.
struct Fixture {
    std::unique_ptr<House> house = std::make_unique<House>();
    QList<Message> messages;

    Fixture() {
        house->set_message_presenter(
            [this](QWidget*, const QString& text, const QString& title, QMessageBox::Icon icon) {
                messages.append({text, title, icon});
            });
        house->show();
        QApplication::setActiveWindow(house.get());
        (void)QTest::qWaitForWindowActive(house.get());
    }

    template <typename T>
    T* get(const char* name) const {
        T* widget = house->findChild<T*>(QLatin1String(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    QString tips() const { return get<QPlainTextEdit>("T_TXT")->toPlainText(); }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void choose(const char* list, int index) const {
        auto* combo = get<QComboBox>(list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void type(const char* box, const QString& text) const {
        auto* edit = get<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void compute() const { QTest::mouseClick(get<QPushButton>("Cmd_OK"), Qt::LeftButton); }
    QStringList results() const {
        return {get<QLabel>("L_YG1")->text(), get<QLabel>("L_LX1")->text(),
                get<QLabel>("L_YG2")->text(), get<QLabel>("L_LX2")->text()};
    }
    // "Name=value" steps: a list's index, a check box's 0 or 1, or a box's typed text.
    void apply(const QStringList& steps) const {
        for (const QString& step : steps) {
            const QByteArray name = step.section('=', 0, 0).toLatin1();
            const QString value = step.section('=', 1);
            QWidget* widget = get<QWidget>(name.constData());
            if (auto* list = qobject_cast<QComboBox*>(widget)) {
                list->setCurrentIndex(value.toInt());
                emit list->activated(value.toInt());
            } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
                check->setChecked(value == "1");
            } else {
                type(name.constData(), value);
            }
        }
    }
    void open_loan_forms() const {
        auto* button = get<QPushButton>("Cmd_Loan");
        if (!button->isChecked()) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    // Term from the list item text, then the three boxes and the direction.
    void fill(const QString& years, const QString& rate, int direction, const QString& fl,
              const QString& amount) const {
        auto* combo = get<QComboBox>("Combo_Years");
        combo->setCurrentIndex(combo->findText(years));
        type("T_lilv", rate);
        choose("Combo_Youhui", direction);
        if (!fl.isEmpty()) {
            type("T_Fudong", fl);
        }
        type("T_Cash", amount);
    }
};

}  // namespace

class HouseWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opens_empty_with_focus_on_the_button();
    void every_label_text_fits_its_rectangle();
    void lists_hold_their_items();
    void tips_follow_the_events_data();
    void tips_follow_the_events();
    void direction_enables_the_float_box();
    void keyboard_choice_of_direction_counts_as_a_choice();
    void tab_visits_the_inputs_in_order_data();
    void tab_visits_the_inputs_in_order();
    void inputs_and_results_carry_spoken_names_data();
    void inputs_and_results_carry_spoken_names();
    void computes_the_two_schemes_data();
    void computes_the_two_schemes();
    void failure_shows_its_message_and_moves_the_focus_data();
    void failure_shows_its_message_and_moves_the_focus();
    void failure_keeps_the_previous_results();
    void real_message_box_hands_the_focus_to_the_field();
    void alt_o_presses_the_button();
    void function_keys_request_a_switch_data();
    void function_keys_request_a_switch();
    void switch_labels_request_a_switch_and_turn_red_under_the_pointer();
    void size_is_fixed();
    void loan_forms_open_below_and_close_back();
    void loan_forms_compute_data();
    void loan_forms_compute();
    void loan_forms_refuse_naming_the_field_data();
    void loan_forms_refuse_naming_the_field();
    void long_result_keeps_its_exponent_and_fits();
    void schedule_button_opens_the_plan_of_the_last_loan();
    void schedule_module_is_loaded_only_when_pressed();
};

void HouseWindowTest::opens_empty_with_focus_on_the_button() {
    Fixture f;
    QCOMPARE(f.house->windowTitle(), QStringLiteral("Orvane按揭贷款计算器"));
    QCOMPARE(f.focused(), QStringLiteral("Cmd_OK"));
    QCOMPARE(f.get<QPushButton>("Cmd_OK")->text(), QStringLiteral("计算(&O)"));
    QCOMPARE(f.get<QComboBox>("Combo_Years")->currentText(), QString());
    QCOMPARE(f.get<QComboBox>("Combo_Youhui")->currentText(), QString());
    QVERIFY(!f.get<QLineEdit>("T_Fudong")->isEnabled());
    for (const char* box : {"T_lilv", "T_Fudong", "T_Cash"}) {
        QVERIFY2(f.get<QLineEdit>(box)->text().isEmpty(), box);
    }
    QCOMPARE(f.results(), QStringList({"", "", "", ""}));
    QVERIFY(f.get<QPlainTextEdit>("T_TXT")->isReadOnly());
    QCOMPARE(f.get<QGroupBox>("Frame1")->title(), QStringLiteral("等额本息还款方式"));
    QCOMPARE(f.get<QGroupBox>("Frame2")->title(), QStringLiteral("等额本金还款方式"));
    QCOMPARE(f.get<QLabel>("Label4")->text(),
             QStringLiteral("贷款期限:") + QString(28, ' ') + QStringLiteral("年"));
    QCOMPARE(f.get<QLabel>("Label3")->text(),
             QStringLiteral("贷款金额:") + QString(23, ' ') + QStringLiteral("万元"));
}

void HouseWindowTest::lists_hold_their_items() {
    Fixture f;
    auto* years = f.get<QComboBox>("Combo_Years");
    QCOMPARE(years->count(), 26);
    QCOMPARE(years->itemText(0), QStringLiteral("5"));
    QCOMPARE(years->itemText(25), QStringLiteral("30"));
    QVERIFY(!years->isEditable());
    auto* direction = f.get<QComboBox>("Combo_Youhui");
    QCOMPARE(direction->count(), 3);
    QCOMPARE(direction->itemText(0), QString());
    QCOMPARE(direction->itemText(1), QStringLiteral("上浮"));
    QCOMPARE(direction->itemText(2), QStringLiteral("下浮"));
    QVERIFY(!direction->isEditable());
}

// Each row: a sequence of steps, then the tips expected afterwards.
void HouseWindowTest::tips_follow_the_events_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    const auto tips = orvane::mortgage::HouseTips::build();
    QTest::newRow("opening") << QStringList{} << tips.opening();
    QTest::newRow("rate focused") << QStringList{"focus:T_lilv"} << tips.base_rate_tip();
    QTest::newRow("direction focused") << QStringList{"focus:Combo_Youhui"} << tips.float_tip();
    QTest::newRow("background after rate")
        << QStringList{"focus:T_lilv", "background"} << tips.general();
    QTest::newRow("background at opening") << QStringList{"background"} << tips.general();
    QTest::newRow("other fields leave the tip")
        << QStringList{"focus:T_lilv", "focus:T_Cash", "focus:Combo_Years"} << tips.base_rate_tip();
    QTest::newRow("click on a caption is not the background")
        << QStringList{"focus:T_lilv", "click:Label4"} << tips.base_rate_tip();
    QTest::newRow("click in a frame is not the background")
        << QStringList{"focus:Combo_Youhui", "click:Frame1"} << tips.float_tip();
    QTest::newRow("LPR points focused") << QStringList{"open", "focus:T_BP"} << tips.lpr_tip();
    QTest::newRow("fund part focused")
        << QStringList{"open", "focus:T_FundCash"} << tips.combined_tip();
    QTest::newRow("background after the loan forms")
        << QStringList{"open", "focus:Combo_Kind", "background"} << tips.general();
}

void HouseWindowTest::tips_follow_the_events() {
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    Fixture f;
    for (const QString& step : steps) {
        const QString target = step.section(':', 1);
        if (step == "open") {
            f.open_loan_forms();
            f.apply({"Combo_Kind=2", "Combo_RateForm=1"});
        } else if (step.startsWith("focus:")) {
            f.get<QWidget>(target.toLatin1().constData())->setFocus(Qt::TabFocusReason);
        } else if (step == "background") {
            // Between the term caption and the frames: no control there.
            QTest::mouseClick(f.house.get(), Qt::LeftButton, {}, QPoint(20, 95));
        } else if (step.startsWith("click:")) {
            auto* widget = f.get<QWidget>(target.toLatin1().constData());
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, widget->height() - 3));
        }
    }
    QCOMPARE(f.tips(), expected);
    QVERIFY(!f.tips().contains('\r'));
}

void HouseWindowTest::direction_enables_the_float_box() {
    Fixture f;
    auto* box = f.get<QLineEdit>("T_Fudong");
    f.choose("Combo_Youhui", 1);
    QVERIFY(box->isEnabled());
    QCOMPARE(f.focused(), QStringLiteral("T_Fudong"));
    QTest::keyClicks(box, "10");
    f.choose("Combo_Youhui", 2);
    QVERIFY(box->isEnabled());
    QCOMPARE(box->text(), QStringLiteral("10"));
    f.choose("Combo_Youhui", 0);
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->text(), QString());
    QCOMPARE(f.focused(), QStringLiteral("T_Cash"));
}

void HouseWindowTest::keyboard_choice_of_direction_counts_as_a_choice() {
    Fixture f;
    auto* list = f.get<QComboBox>("Combo_Youhui");
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);  // the empty item
    QTest::keyClick(list, Qt::Key_Down);  // 上浮
    QCOMPARE(list->currentText(), QStringLiteral("上浮"));
    QVERIFY(f.get<QLineEdit>("T_Fudong")->isEnabled());
    QCOMPARE(f.focused(), QStringLiteral("T_Fudong"));
}

void HouseWindowTest::tab_visits_the_inputs_in_order_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("computed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("forms");  // opens the loan forms with these steps
    QTest::newRow("float box disabled")
        << -1 << false << QStringList{"Combo_Years", "T_lilv",   "Combo_Youhui", "T_Cash",
                                      "T_TXT",       "Cmd_Loan", "Cmd_OK"}
        << QStringList{};
    QTest::newRow("schedule button after a computation")
        << -1 << true << QStringList{"Cmd_Schedule", "Combo_Years", "T_lilv",   "Combo_Youhui",
                                     "T_Cash",       "T_TXT",       "Cmd_Loan", "Cmd_OK"}
        << QStringList{};
    QTest::newRow("float box enabled")
        << 1 << false << QStringList{"Combo_Years", "T_lilv", "Combo_Youhui", "T_Fudong",
                                     "T_Cash",      "T_TXT",  "Cmd_Loan",     "Cmd_OK"}
        << QStringList{};
    // Open, the loan forms follow their button in reading order; boxes not in use are skipped.
    QTest::newRow("loan forms, LPR")
        << -1 << false << QStringList{"Combo_Years",    "T_Cash", "T_TXT", "Cmd_Loan", "Combo_Kind",
                                      "Combo_RateForm", "T_LPR",  "T_BP",  "C_Price",  "Cmd_OK"}
        << QStringList{"Combo_RateForm=1"};
    QTest::newRow("loan forms, combined from the price")
        << -1 << false
        << QStringList{"Combo_Years", "T_lilv",         "Combo_Youhui", "T_TXT",      "Cmd_Loan",
                       "Combo_Kind",  "Combo_RateForm", "T_FundCash",   "T_FundRate", "C_Price",
                       "T_Price",     "T_Down",         "Cmd_OK"}
        << QStringList{"Combo_Kind=2", "C_Price=1"};
}

void HouseWindowTest::tab_visits_the_inputs_in_order() {
    QFETCH(int, direction);
    QFETCH(bool, computed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, forms);
    Fixture f;
    if (!forms.isEmpty()) {
        f.open_loan_forms();
        f.apply(forms);
    }
    if (computed) {
        f.fill("20", "6", 0, QString(), "10");
        f.compute();
    }
    if (direction >= 0) {
        f.choose("Combo_Youhui", direction);
    }
    f.get<QPushButton>("Cmd_OK")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << f.focused();
    }
    QCOMPARE(visited, expected);
}

void HouseWindowTest::computes_the_two_schemes_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("floatText");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no float") << 0 << QString()
                              << QStringList{"716.43", "71943.45", "916.67", "60202.2"};
    QTest::newRow("raised 10") << 1 << QStringLiteral("10")
                               << QStringList{"751.47", "80353.3", "966.67", "66222.42"};
    QTest::newRow("lowered 15") << 2 << QStringLiteral("15")
                                << QStringList{"665.49", "59718.19", "841.67", "51171.87"};
}

void HouseWindowTest::computes_the_two_schemes() {
    QFETCH(int, direction);
    QFETCH(QString, floatText);
    QFETCH(QStringList, expected);
    Fixture f;
    f.fill("20", "6", direction, floatText, "10");
    f.compute();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.results(), expected);
}

void HouseWindowTest::failure_shows_its_message_and_moves_the_focus_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");
    const int warning = QMessageBox::Warning;
    const int critical = QMessageBox::Critical;
    QTest::newRow("no term") << ""
                             << "" << -1 << ""
                             << "请选择贷款期限。"
                             << "提醒" << warning << "Combo_Years";
    QTest::newRow("no rate") << "20"
                             << "" << -1 << "10"
                             << "请输入相应贷款的现行央行基准利率。请注意是基准利率，并注意是商业贷"
                                "款还是公积金贷款。\n\n"
                                "如果银行给您的利率有浮动，请在利率浮动里输入相应的浮动额。"
                             << "提醒" << warning << "T_lilv";
    // The critical message leaves the focus where it was: on the button just pressed.
    QTest::newRow("bad rate") << "20"
                              << "6%" << -1 << "10"
                              << "您输入的基准利率似乎不正确，请检查后重新输入。"
                              << "关键性错误" << critical << "Cmd_OK";
    QTest::newRow("no amount") << "20"
                               << "6" << -1 << ""
                               << "请输入贷款金额。"
                               << "提醒" << warning << "T_Cash";
    QTest::newRow("amount not a number") << "20"
                                         << "6" << -1 << "abc"
                                         << "您输入的贷款金额不是有效的数字，请检查后重新输入。"
                                         << "提醒" << warning << "T_Cash";
    QTest::newRow("amount not above zero") << "20"
                                           << "6" << -1 << "-10"
                                           << "贷款金额必须大于零。"
                                           << "提醒" << warning << "T_Cash";
    QTest::newRow("direction without float") << "20"
                                             << "6" << 1 << "10"
                                             << "请输入利率浮动的百分比。"
                                             << "提醒" << warning << "T_Fudong";
}

void HouseWindowTest::failure_shows_its_message_and_moves_the_focus() {
    QFETCH(QString, years);
    QFETCH(QString, rate);
    QFETCH(int, direction);
    QFETCH(QString, amount);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    Fixture f;
    f.fill(years, rate, direction, QString(), amount);
    auto* button = f.get<QPushButton>("Cmd_OK");
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages[0].text, text);
    QCOMPARE(f.messages[0].title, title);
    QCOMPARE(static_cast<int>(f.messages[0].icon), icon);
    QCOMPARE(f.focused(), focus);
}

void HouseWindowTest::failure_keeps_the_previous_results() {
    Fixture f;
    f.fill("20", "6", 0, QString(), "10");
    f.compute();
    const QStringList first = f.results();
    QCOMPARE(first, QStringList({"716.43", "71943.45", "916.67", "60202.2"}));
    f.type("T_lilv", "6.5.1");
    f.compute();
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.results(), first);
    f.type("T_lilv", "");
    f.compute();
    QCOMPARE(f.messages.size(), 2);
    QCOMPARE(f.results(), first);
}

void HouseWindowTest::real_message_box_hands_the_focus_to_the_field() {
    Fixture f;
    f.house->set_message_presenter(nullptr);  // back to the real, modal message box
    f.fill("20", "", 0, QString(), "10");
    f.get<QPushButton>("Cmd_OK")->setFocus(Qt::TabFocusReason);
    QString title;
    QString text;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    f.compute();
    QCOMPARE(title, QStringLiteral("提醒"));
    QVERIFY(text.startsWith(QStringLiteral("请输入相应贷款的现行央行基准利率。")));
    // A window manager hands activation back once the box is gone; offscreen, we do.
    QApplication::setActiveWindow(f.house.get());
    QTRY_COMPARE(f.focused(), QStringLiteral("T_lilv"));
    QCOMPARE(f.tips(), orvane::mortgage::HouseTips::build().base_rate_tip());
}

void HouseWindowTest::alt_o_presses_the_button() {
    Fixture f;
    f.fill("20", "6", 0, QString(), "10");
    // Through the window system, where shortcuts are matched, with the caret in the amount.
    QTest::keyClick(f.house->windowHandle(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(f.focused(), QStringLiteral("T_Cash"));
    // The mnemonic animates the press: the click follows a moment later.
    QTRY_COMPARE(f.get<QLabel>("L_YG1")->text(), QStringLiteral("716.43"));
}

void HouseWindowTest::function_keys_request_a_switch_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("F1 in the rate box")
        << "T_lilv" << int(Qt::Key_F1) << int(CalculatorKind::standard) << 0;
    // A modifier held does not matter, as in the expression window.
    QTest::newRow("Shift+F1 in the rate box")
        << "T_lilv" << int(Qt::Key_F1) << int(CalculatorKind::standard) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+F2 in the amount box")
        << "T_Cash" << int(Qt::Key_F2) << int(CalculatorKind::expression)
        << int(Qt::ControlModifier);
    QTest::newRow("F2 in the amount box")
        << "T_Cash" << int(Qt::Key_F2) << int(CalculatorKind::expression) << 0;
    QTest::newRow("F2 on the term list")
        << "Combo_Years" << int(Qt::Key_F2) << int(CalculatorKind::expression) << 0;
    QTest::newRow("F1 in the tips box")
        << "T_TXT" << int(Qt::Key_F1) << int(CalculatorKind::standard) << 0;
    QTest::newRow("F7 does nothing here") << "T_lilv" << int(Qt::Key_F7) << -1 << 0;
    QTest::newRow("F2 in the loan forms' points box")
        << "T_BP" << int(Qt::Key_F2) << int(CalculatorKind::expression) << 0;
    QTest::newRow("F1 on the loan kind list")
        << "Combo_Kind" << int(Qt::Key_F1) << int(CalculatorKind::standard) << 0;
}

void HouseWindowTest::function_keys_request_a_switch() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, target);
    QFETCH(int, modifiers);
    Fixture f;
    QSignalSpy spy(f.house.get(), &House::switch_requested);
    if (f.house->findChild<QWidget*>(field) == nullptr) {  // a control of the loan forms
        f.open_loan_forms();
        f.apply({"Combo_RateForm=1"});
    }
    auto* widget = f.get<QWidget>(field.toLatin1().constData());
    widget->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.focused(), field);
    QTest::keyClick(widget, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.count(), 0);  // delivered once the event is over, as from every window
    QCoreApplication::processEvents();
    if (target < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(static_cast<int>(spy[0][0].value<CalculatorKind>()), target);
    }
}

void HouseWindowTest::switch_labels_request_a_switch_and_turn_red_under_the_pointer() {
    Fixture f;
    QSignalSpy spy(f.house.get(), &House::switch_requested);
    auto* normal = f.get<QLabel>("L_Normal");
    auto* bds = f.get<QLabel>("L_BDS");
    const QColor plain = f.house->palette().color(QPalette::ButtonText);
    QCOMPARE(normal->palette().color(QPalette::WindowText), plain);

    QTest::mouseMove(normal, QPoint(5, 5));
    QCOMPARE(normal->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(bds->palette().color(QPalette::WindowText), plain);
    QTest::mouseMove(bds, QPoint(5, 5));
    QCOMPARE(bds->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::mouseMove(f.house.get(), QPoint(20, 95));
    QCOMPARE(normal->palette().color(QPalette::WindowText), plain);
    QCOMPARE(bds->palette().color(QPalette::WindowText), plain);

    QTest::mouseClick(normal, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(bds, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy[0][0].value<CalculatorKind>(), CalculatorKind::standard);
    QCOMPARE(spy[1][0].value<CalculatorKind>(), CalculatorKind::expression);
}

void HouseWindowTest::size_is_fixed() {
    Fixture f;
    const QSize designed(661, 315);  // 9915 by 4725 twips
    QCOMPARE(f.house->size(), designed);
    f.house->resize(900, 600);
    QCOMPARE(f.house->size(), designed);
    QVERIFY(f.house->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(f.house->windowFlags() & Qt::WindowMaximizeButtonHint));
}

// 还款明细 overlaps nothing, waits for a computed loan, and opens the plan of the loan last
// computed in place of one already open.
void HouseWindowTest::schedule_button_opens_the_plan_of_the_last_loan() {
    Fixture f;
    QList<orvane::mortgage::LoanInput> opened;
    QList<QPointer<QWidget>> windows;
    f.house->set_schedule_opener([&](QWidget* parent, const orvane::mortgage::LoanInput& in) {
        opened.append(in);
        auto* window = new QWidget(parent, Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        windows.append(window);
        return window;
    });
    auto* button = f.get<QPushButton>("Cmd_Schedule");
    QCOMPARE(button->text(), QStringLiteral("还款明细"));
    QVERIFY(f.house->rect().contains(button->geometry()));
    for (QWidget* other : f.house->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != button && other->isVisible()) {
            QVERIFY2(!other->geometry().intersects(button->geometry()),
                     qPrintable(other->objectName()));
        }
    }
    QVERIFY(!button->isEnabled());
    f.fill("20", "6", 0, QString(), "");
    f.compute();  // fails: no amount
    QVERIFY(!button->isEnabled());

    f.type("T_Cash", QStringLiteral("10"));
    f.compute();
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0].amount, std::string("10"));
    QVERIFY(windows[0]->isVisible());

    // A failed computation keeps the last loan; a new one replaces it and the open window.
    f.type("T_lilv", QStringLiteral("6.5.1"));
    f.compute();
    QVERIFY(button->isEnabled());
    f.type("T_lilv", QStringLiteral("5"));
    f.compute();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[1].rate.base_rate, std::string("5"));
    QTRY_VERIFY(windows[0].isNull());
    QVERIFY(windows[1]->isVisible());

    // A loan the plan cannot take (a negative rate) leaves the button disabled.
    f.messages.clear();
    f.choose("Combo_Youhui", 2);
    f.type("T_Fudong", QStringLiteral("150"));
    f.compute();
    QVERIFY(f.messages.isEmpty());
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->toolTip(), QStringLiteral("贷款金额或利率超出还款明细的计算范围。"));
    f.choose("Combo_Youhui", 0);

    // Without a schedule window the press says so.
    f.type("T_Cash", QStringLiteral("10"));
    f.compute();
    QVERIFY(button->isEnabled());
    QVERIFY(button->toolTip().isEmpty());
    f.house->set_schedule_opener([](QWidget*, const orvane::mortgage::LoanInput&) {
        return static_cast<QWidget*>(nullptr);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].text.contains(QStringLiteral("还款明细")));
}

bool charts_loaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
}

// The chart libraries enter the process with the schedule module, when 还款明细 is pressed.
void HouseWindowTest::schedule_module_is_loaded_only_when_pressed() {
    qputenv("ORVANE_SCHEDULE_MODULE", ORVANE_TEST_SCHEDULE_MODULE);
    Fixture f;
    f.fill("20", "6", 0, QString(), "10");
    f.compute();
    QVERIFY(!charts_loaded());
    QTest::mouseClick(f.get<QPushButton>("Cmd_Schedule"), Qt::LeftButton);
    QVERIFY(f.messages.isEmpty());
    QVERIFY(charts_loaded());
    auto* schedule = f.house->findChild<QWidget*>(QStringLiteral("ScheduleWindow"));
    QVERIFY(schedule != nullptr);
    QVERIFY(schedule->isVisible());
    QCOMPARE(schedule->windowTitle(), QStringLiteral("还款明细"));
    auto* table = schedule->findChild<QAbstractItemView*>(QStringLiteral("table_equal_instalment"));
    QVERIFY(table != nullptr);
    QCOMPARE(table->model()->rowCount(), 241);
}

// Closed, the window is its classic self; open, it grows downwards by the loan forms, every
// label still fits and every control has a spoken name; closed again, it is as before.
void HouseWindowTest::loan_forms_open_below_and_close_back() {
    Fixture f;
    const QSize classic(661, 315);
    auto* button = f.get<QPushButton>("Cmd_Loan");
    // Made when first opened.
    QVERIFY(f.house->findChild<QWidget*>(QStringLiteral("Frame_Loan")) == nullptr);
    QCOMPARE(f.house->size(), classic);
    QTest::mouseClick(button, Qt::LeftButton);
    auto* forms = f.get<QWidget>("Frame_Loan");
    QVERIFY(forms->isVisible());
    QCOMPARE(f.house->width(), classic.width());
    QVERIFY(f.house->height() > classic.height() + 100);
    QVERIFY(f.house->rect().contains(forms->geometry()));
    QVERIFY(forms->geometry().top() >= f.get<QPushButton>("Cmd_OK")->geometry().bottom());
    f.apply({"Combo_Kind=2", "Combo_RateForm=1", "C_Price=1"});
    const orvane::test::LabelFit fit = orvane::test::check_label_texts(*f.house);
    QVERIFY2(fit.first_misfit.isEmpty(), qPrintable(fit.first_misfit));
    for (QWidget* control : forms->findChildren<QWidget*>()) {
        // A list's own drop-down view belongs to the list, which carries the name.
        if ((control->focusPolicy() & Qt::TabFocus) &&
            qobject_cast<QAbstractItemView*>(control) == nullptr) {
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(access != nullptr && !access->text(QAccessible::Name).isEmpty(),
                     control->metaObject()->className());
        }
    }
    // The LPR form and the price leave the classic rate and amount unused: disabled.
    QVERIFY(!f.get<QLineEdit>("T_lilv")->isEnabled());
    QVERIFY(!f.get<QComboBox>("Combo_Youhui")->isEnabled());
    QVERIFY(!f.get<QLineEdit>("T_Cash")->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!forms->isVisible());
    QCOMPARE(f.house->size(), classic);
    QVERIFY(f.get<QLineEdit>("T_lilv")->isEnabled());
    QVERIFY(f.get<QLineEdit>("T_Cash")->isEnabled());
}

void HouseWindowTest::loan_forms_compute_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QStringList>("expected");   // L_YG1, L_LX1, L_YG2, L_LX2
    QTest::addColumn<QStringList>("fund_part");  // the parts table's fund row, or empty
    QTest::addColumn<QString>("down");           // L_Down
    // List steps are indexes: Combo_Years=10 is 15 years.
    const QStringList classic{"Combo_Years=10", "T_lilv=4.1", "T_Cash=30"};
    // Closed, whatever the forms hold is not read: the classic loan at 4.1 %.
    QTest::newRow("closed forms are not read")
        << classic + QStringList{"Combo_RateForm=1", "T_LPR=3.95", "T_BP=-20"} << false
        << QStringList{"2234.13", "102142.94", "2691.67", "92744.15"} << QStringList{} << QString();
    // 3.6 + 50 bp = 4.1 %: the same figures.
    QTest::newRow("LPR plus points")
        << classic + QStringList{"Combo_RateForm=1", "T_LPR=3.6", "T_BP=50"} << true
        << QStringList{"2234.13", "102142.94", "2691.67", "92744.15"} << QStringList{} << QString();
    QTest::newRow("combined") << QStringList{"Combo_Years=25", "Combo_Kind=2",  "Combo_RateForm=1",
                                             "T_LPR=3.95",     "T_BP=-30",      "T_Cash=100",
                                             "T_FundCash=60",  "T_FundRate=3.1"}
                              << true << QStringList{"4391.94", "581097.19", "5544.45", "499349.53"}
                              << QStringList{"2562.1", "322355.42", "3216.67", "279719.36"}
                              << QString();
    QTest::newRow("from the price")
        << QStringList{"Combo_Years=20", "T_lilv=4.2", "C_Price=1", "T_Price=300", "T_Down=30"}
        << true << QStringList{"11317.79", "1295336.6", "14350", "1106175"} << QStringList{}
        << QStringLiteral("首付款 900000 元，贷款金额 2100000 元");
}

void HouseWindowTest::loan_forms_compute() {
    QFETCH(QStringList, steps);
    QFETCH(bool, open);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, fund_part);
    QFETCH(QString, down);
    Fixture f;
    f.open_loan_forms();
    f.apply(steps);
    if (!open) {
        QTest::mouseClick(f.get<QPushButton>("Cmd_Loan"), Qt::LeftButton);
    }
    f.compute();
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.value(0).text));
    QCOMPARE(f.results(), expected);
    const QStringList fund_row{
        f.get<QLabel>("L_Part1_YG1")->text(), f.get<QLabel>("L_Part1_LX1")->text(),
        f.get<QLabel>("L_Part1_YG2")->text(), f.get<QLabel>("L_Part1_LX2")->text()};
    const QStringList no_part{"", "", "", ""};
    QCOMPARE(fund_row, fund_part.isEmpty() ? no_part : fund_part);
    QCOMPARE(f.get<QLabel>("L_Down")->text(), down);
    QVERIFY(f.get<QPushButton>("Cmd_Schedule")->isEnabled());
}

void HouseWindowTest::loan_forms_refuse_naming_the_field_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("focus");
    const QStringList lpr{"Combo_Years=20", "Combo_RateForm=1", "T_Cash=100"};
    QTest::newRow("no LPR") << lpr << "请输入贷款市场报价利率（LPR）。"
                            << "提醒"
                            << "T_LPR";
    QTest::newRow("no points") << lpr + QStringList{"T_LPR=3.95"}
                               << "请输入加点数（以基点计，1个基点为0.01%，可为负数）。"
                               << "提醒"
                               << "T_BP";
    QTest::newRow("points out of range")
        << lpr + QStringList{"T_LPR=3.95", "T_BP=-1500"} << "加点数须在 -1000 到 1000 个基点之间。"
        << "提醒"
        << "T_BP";
    // A malformed text: the critical message, the focus where it was (the button).
    QTest::newRow("malformed points") << lpr + QStringList{"T_LPR=3.95", "T_BP=abc"}
                                      << "您输入的加点数似乎不正确，请检查后重新输入。"
                                      << "关键性错误"
                                      << "Cmd_OK";
    QTest::newRow("no fund amount")
        << QStringList{"Combo_Years=20", "T_lilv=4", "T_Cash=100", "Combo_Kind=2", "T_FundRate=3"}
        << "请输入公积金贷款金额。"
        << "提醒"
        << "T_FundCash";
    QTest::newRow("no price") << QStringList{"Combo_Years=20", "T_lilv=4", "C_Price=1"}
                              << "请输入房屋总价。"
                              << "提醒"
                              << "T_Price";
    QTest::newRow("down payment of everything")
        << QStringList{"Combo_Years=20", "T_lilv=4", "C_Price=1", "T_Price=300", "T_Down=100"}
        << "首付比例须不小于 0 且小于 100（%）。"
        << "提醒"
        << "T_Down";
}

void HouseWindowTest::loan_forms_refuse_naming_the_field() {
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, focus);
    Fixture f;
    f.open_loan_forms();
    f.apply(steps);
    auto* button = f.get<QPushButton>("Cmd_OK");
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages[0].text, text);
    QCOMPARE(f.messages[0].title, title);
    QCOMPARE(f.focused(), focus);
    QCOMPARE(f.results(), QStringList({"", "", "", ""}));
}

// 30 years without interest on 10^15 (万元): 2.78E+16 a month shows whole, in a smaller face.
void HouseWindowTest::long_result_keeps_its_exponent_and_fits() {
    Fixture f;
    f.fill("30", "0", 0, QString(), "1000000000000000");
    f.compute();
    auto* label = f.get<QLabel>("L_YG1");
    QCOMPARE(label->text(), QStringLiteral("2.77777777777778E+16"));
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
            label->contentsRect().width());
    QVERIFY(label->font().pointSizeF() < 21.75);
    // A short result gets the designed size back.
    f.type("T_Cash", QStringLiteral("10"));
    f.compute();
    QCOMPARE(label->text(), QStringLiteral("277.78"));
    QCOMPARE(label->font().pointSizeF(), 21.75);
}

void HouseWindowTest::every_label_text_fits_its_rectangle() {
    Fixture f;
    const orvane::test::LabelFit fit = orvane::test::check_label_texts(*f.house);
    QVERIFY2(fit.first_misfit.isEmpty(), qPrintable(fit.first_misfit));
    QVERIFY(fit.checked > 5);
}

void HouseWindowTest::inputs_and_results_carry_spoken_names_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const char* rows[][2] = {
        {"Combo_Years", "贷款期限"},      {"T_lilv", "基准利率"},
        {"Combo_Youhui", "利率浮动方向"}, {"T_Fudong", "利率浮动"},
        {"T_Cash", "贷款金额"},           {"L_YG1", "您的月还款额约为"},
        {"L_LX1", "期满时的利息约为"},    {"L_YG2", "您的首月还款额约为"},
        {"L_LX2", "期满时的利息约为"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
    }
}

void HouseWindowTest::inputs_and_results_carry_spoken_names() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    Fixture f;
    QAccessibleInterface* access =
        QAccessible::queryAccessibleInterface(f.get<QWidget>(qPrintable(control)));
    QVERIFY(access != nullptr);
    QCOMPARE(access->text(QAccessible::Name), name);
}

QTEST_MAIN(HouseWindowTest)
#include "house_window_test.moc"
