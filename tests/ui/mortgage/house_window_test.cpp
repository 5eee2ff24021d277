#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

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
        house->setMessagePresenter(
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
    void opensEmptyWithFocusOnTheButton();
    void everyLabelTextFitsItsRectangle();
    void listsHoldTheirItems();
    void tipsFollowTheEvents_data();
    void tipsFollowTheEvents();
    void directionEnablesTheFloatBox();
    void keyboardChoiceOfDirectionCountsAsAChoice();
    void tabVisitsTheInputsInOrder_data();
    void tabVisitsTheInputsInOrder();
    void computesTheTwoSchemes_data();
    void computesTheTwoSchemes();
    void failureShowsItsMessageAndMovesTheFocus_data();
    void failureShowsItsMessageAndMovesTheFocus();
    void failureKeepsThePreviousResults();
    void realMessageBoxHandsTheFocusToTheField();
    void altOPressesTheButton();
    void functionKeysRequestASwitch_data();
    void functionKeysRequestASwitch();
    void switchLabelsRequestASwitchAndTurnRedUnderThePointer();
    void sizeIsFixed();
};

void HouseWindowTest::opensEmptyWithFocusOnTheButton() {
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

void HouseWindowTest::listsHoldTheirItems() {
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
void HouseWindowTest::tipsFollowTheEvents_data() {
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
}

void HouseWindowTest::tipsFollowTheEvents() {
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    Fixture f;
    for (const QString& step : steps) {
        const QString target = step.section(':', 1);
        if (step.startsWith("focus:")) {
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

void HouseWindowTest::directionEnablesTheFloatBox() {
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

void HouseWindowTest::keyboardChoiceOfDirectionCountsAsAChoice() {
    Fixture f;
    auto* list = f.get<QComboBox>("Combo_Youhui");
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);  // the empty item
    QTest::keyClick(list, Qt::Key_Down);  // 上浮
    QCOMPARE(list->currentText(), QStringLiteral("上浮"));
    QVERIFY(f.get<QLineEdit>("T_Fudong")->isEnabled());
    QCOMPARE(f.focused(), QStringLiteral("T_Fudong"));
}

void HouseWindowTest::tabVisitsTheInputsInOrder_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("float box disabled")
        << -1 << QStringList{"Combo_Years", "T_lilv", "Combo_Youhui", "T_Cash", "T_TXT", "Cmd_OK"};
    QTest::newRow("float box enabled")
        << 1 << QStringList{"Combo_Years", "T_lilv", "Combo_Youhui", "T_Fudong",
                            "T_Cash",      "T_TXT",  "Cmd_OK"};
}

void HouseWindowTest::tabVisitsTheInputsInOrder() {
    QFETCH(int, direction);
    QFETCH(QStringList, expected);
    Fixture f;
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

void HouseWindowTest::computesTheTwoSchemes_data() {
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

void HouseWindowTest::computesTheTwoSchemes() {
    QFETCH(int, direction);
    QFETCH(QString, floatText);
    QFETCH(QStringList, expected);
    Fixture f;
    f.fill("20", "6", direction, floatText, "10");
    f.compute();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.results(), expected);
}

void HouseWindowTest::failureShowsItsMessageAndMovesTheFocus_data() {
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
    QTest::newRow("direction without float") << "20"
                                             << "6" << 1 << "10"
                                             << "请输入利率浮动的百分比。"
                                             << "提醒" << warning << "T_Fudong";
}

void HouseWindowTest::failureShowsItsMessageAndMovesTheFocus() {
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

void HouseWindowTest::failureKeepsThePreviousResults() {
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

void HouseWindowTest::realMessageBoxHandsTheFocusToTheField() {
    Fixture f;
    f.house->setMessagePresenter(nullptr);  // back to the real, modal message box
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

void HouseWindowTest::altOPressesTheButton() {
    Fixture f;
    f.fill("20", "6", 0, QString(), "10");
    // Through the window system, where shortcuts are matched, with the caret in the amount.
    QTest::keyClick(f.house->windowHandle(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(f.focused(), QStringLiteral("T_Cash"));
    // The mnemonic animates the press: the click follows a moment later.
    QTRY_COMPARE(f.get<QLabel>("L_YG1")->text(), QStringLiteral("716.43"));
}

void HouseWindowTest::functionKeysRequestASwitch_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("F1 in the rate box")
        << "T_lilv" << int(Qt::Key_F1) << int(CalculatorKind::Standard) << 0;
    // A modifier held does not matter, as in the expression window.
    QTest::newRow("Shift+F1 in the rate box")
        << "T_lilv" << int(Qt::Key_F1) << int(CalculatorKind::Standard) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+F2 in the amount box")
        << "T_Cash" << int(Qt::Key_F2) << int(CalculatorKind::Expression)
        << int(Qt::ControlModifier);
    QTest::newRow("F2 in the amount box")
        << "T_Cash" << int(Qt::Key_F2) << int(CalculatorKind::Expression) << 0;
    QTest::newRow("F2 on the term list")
        << "Combo_Years" << int(Qt::Key_F2) << int(CalculatorKind::Expression) << 0;
    QTest::newRow("F1 in the tips box")
        << "T_TXT" << int(Qt::Key_F1) << int(CalculatorKind::Standard) << 0;
    QTest::newRow("F7 does nothing here") << "T_lilv" << int(Qt::Key_F7) << -1 << 0;
}

void HouseWindowTest::functionKeysRequestASwitch() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, target);
    QFETCH(int, modifiers);
    Fixture f;
    QSignalSpy spy(f.house.get(), &House::switchRequested);
    auto* widget = f.get<QWidget>(field.toLatin1().constData());
    widget->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    if (target < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(static_cast<int>(spy[0][0].value<CalculatorKind>()), target);
    }
}

void HouseWindowTest::switchLabelsRequestASwitchAndTurnRedUnderThePointer() {
    Fixture f;
    QSignalSpy spy(f.house.get(), &House::switchRequested);
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
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy[0][0].value<CalculatorKind>(), CalculatorKind::Standard);
    QCOMPARE(spy[1][0].value<CalculatorKind>(), CalculatorKind::Expression);
}

void HouseWindowTest::sizeIsFixed() {
    Fixture f;
    const QSize designed(661, 315);  // 9915 by 4725 twips
    QCOMPARE(f.house->size(), designed);
    f.house->resize(900, 600);
    QCOMPARE(f.house->size(), designed);
    QVERIFY(f.house->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(f.house->windowFlags() & Qt::WindowMaximizeButtonHint));
}

QTEST_MAIN(HouseWindowTest)
#include "house_window_test.moc"

void HouseWindowTest::everyLabelTextFitsItsRectangle() {
    Fixture f;
    int checked = 0;
    for (const QLabel* label : f.house->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull()) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        const QRect need = metrics.boundingRect(label->text());
        const QString what = label->objectName() + QStringLiteral(" \"") + label->text() +
                             QStringLiteral("\" needs ") + QString::number(need.width()) +
                             QLatin1Char('x') + QString::number(metrics.height()) +
                             QStringLiteral(", has ") + QString::number(label->width()) +
                             QLatin1Char('x') + QString::number(label->height());
        QVERIFY2(metrics.height() <= label->height(), qPrintable(what));
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width() + 1, qPrintable(what));
        ++checked;
    }
    QVERIFY(checked > 5);
}
