// The main window on the offscreen platform: its controls drive the engine exactly as the
// engine's own keys do, the keyboard reaches the same operations, and the window's flows
// (load presets, reload, feedback box, easter egg, display font) behave.
#include <algorithm>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../common/label_misfit.h"
#include "engine/calculator.h"
#include "engine/screen_texts.h"
#include "startup/calculator_kind.h"
#include "startup/main_window_presets.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"
#include "ui/egg/color_egg.h"
#include "ui/main/click_label.h"
#include "ui/main/tallybox.h"
#include "ui/main/tape/tape_panel.h"

using orvane::CalculatorKind;
using orvane::StartupValues;
using orvane::Tallybox;
using orvane::engine::Calculator;
using orvane::engine::Controls;
using orvane::engine::Key;
using orvane::engine::Registers;

Q_DECLARE_METATYPE(Key)
Q_DECLARE_METATYPE(CalculatorKind)

namespace {

// The rounding mode whose caption the list shows as `text`.
orvane::engine::Rounding mode_captioned(const QString& text) {
    for (const auto mode : orvane::engine::kRoundingModes) {
        if (QString::fromUtf8(orvane::engine::rounding_caption(mode)) == text) {
            return mode;
        }
    }
    qFatal("no rounding mode is captioned %s", qPrintable(text));
}

// The engine driven directly, as the reference for what a control must do.
struct Recorder : orvane::engine::Effects {
    std::vector<std::string> clips;
    std::vector<std::string> copies;
    void play_clip(std::string_view name) override { clips.emplace_back(name); }
    void copy_to_clipboard(std::string_view text) override { copies.emplace_back(text); }
};

struct Reference {
    Registers registers;
    Recorder effects;
    Calculator calculator{registers, effects};
    explicit Reference(const StartupValues& startup = {}) {
        calculator.load(orvane::engine::main_window_presets(startup));
    }
};

const std::map<QString, Key>& button_keys() {
    static const std::map<QString, Key> kEys{
        {"Cmd_0", Key::digit0},
        {"Cmd_1", Key::digit1},
        {"Cmd_2", Key::digit2},
        {"Cmd_3", Key::digit3},
        {"Cmd_4", Key::digit4},
        {"Cmd_5", Key::digit5},
        {"Cmd_6", Key::digit6},
        {"Cmd_7", Key::digit7},
        {"Cmd_8", Key::digit8},
        {"Cmd_9", Key::digit9},
        {"Cmd_00", Key::double_zero},
        {"Cmd_Dot", Key::point},
        {"Cmd_Sign", Key::sign},
        {"Cmd_Back", Key::backspace},
        {"Cmd_Clean", Key::clear},
        {"Cmd_CleanAll", Key::clear_all},
        {"Cmd_Addition", Key::add},
        {"Cmd_Subtration", Key::subtract},
        {"Cmd_Multiplication", Key::multiply},
        {"Cmd_Division", Key::divide},
        {"Cmd_Amount", Key::equals},
        {"Cmd_Percent", Key::percent},
        {"Cmd_Evolution", Key::square_root},
        {"Cmd_Save", Key::memory_store},
        {"Cmd_Add", Key::memory_add},
        {"Cmd_Read", Key::memory_read},
        {"Cmd_CM", Key::memory_clear},
        {"Cmd_GT", Key::grand_total},
        {"Cmd_Sound", Key::voice_switch},
    };
    return kEys;
}

QString text_of(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

class TallyboxTest : public QObject {
    Q_OBJECT

  private:
    Registers registers_;
    std::unique_ptr<Tallybox> box_;
    std::vector<std::string> clips_;
    std::vector<QString> questions_;
    bool visible_during_box_ = true;
    bool answer_ = false;

    Tallybox& open(const StartupValues& startup = {}) {
        box_ = std::make_unique<Tallybox>(registers_, startup);
        box_->set_question_box([this](const QString& title, const QString& text) {
            questions_.push_back(title + QLatin1Char('|') + text);
            visible_during_box_ = box_->isVisible();
            return answer_;
        });
        box_->set_inform_box([this](const QString& title, const QString& text) {
            questions_.push_back(title + QLatin1Char('|') + text);
            visible_during_box_ = box_->isVisible();
        });
        box_->show();
        if (!QTest::qWaitForWindowExposed(box_.get())) {
            qWarning("window not exposed");
        }
        return *box_;
    }

    template <typename T>
    T* child(const char* name) const {
        T* widget = box_->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }

    void click(const QString& name) {
        auto* button = box_->findChild<QPushButton*>(name);
        QVERIFY2(button != nullptr, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void click_all(const QStringList& names) {
        for (const QString& name : names) {
            click(name);
        }
    }

    void type(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClick(box_->windowHandle(), c.toLatin1());
        }
    }

    // What the window shows against what the reference engine holds.
    void expect_shows(const Controls& expected) {
        QCOMPARE(child<QLineEdit>("T_Show")->text(), text_of(expected.display));
        QCOMPARE(child<QLabel>("T_Sign")->text(),
                 QString::fromUtf8(orvane::engine::operator_symbol(expected.sign)));
        QCOMPARE(child<QLabel>("T_Sign")->isVisibleTo(box_.get()), expected.sign_visible);
        QCOMPARE(child<QLineEdit>("T_Memory")->text(), text_of(expected.memory));
        QCOMPARE(child<QLabel>("T_SoundSign")->isVisibleTo(box_.get()), expected.voice_indicator);
        QCOMPARE(child<QComboBox>("Combo_Cut")->currentText(),
                 QString::fromUtf8(orvane::engine::rounding_caption(expected.rounding)));
        QCOMPARE(child<QComboBox>("Combo_Dot")->currentText(), QString::number(expected.decimals));
        QCOMPARE(child<QComboBox>("Combo_Dot")->isEnabled(), expected.decimals_enabled);
        QCOMPARE(child<QCheckBox>("C_AutoCopy")->isChecked(), expected.autocopy);
        QCOMPARE(child<QCheckBox>("C_AutoLoad")->isChecked(), expected.autoload);
        QCOMPARE(child<QTimer>("Timer1")->isActive(), expected.autoload);
    }

  private slots:
    void initTestCase() {
        Tallybox::set_default_clip_player(
            [this](std::string_view clip) { clips_.emplace_back(clip); });
    }

    void init() {
        registers_ = Registers{};
        clips_.clear();
        questions_.clear();
        answer_ = false;
        visible_during_box_ = true;
        QGuiApplication::clipboard()->clear();
    }

    void cleanup() { box_.reset(); }

    void loads_with_every_control_at_rest() {
        Tallybox& box = open();
        QCOMPARE(box.width(), 442);
        QCOMPARE(box.height(), 433);
        QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // The help panel lies beyond the calculator's width.
        QVERIFY(box.desktop_parts().help_area->geometry().left() >= box.width());
        QVERIFY(box.findChild<QLineEdit*>(QStringLiteral("T_Show"))->text().isEmpty());
        QVERIFY(box.findChild<QLineEdit*>(QStringLiteral("T_Memory"))->text().isEmpty());
        QVERIFY(child<QLabel>("T_Sign")->isHidden());
        QVERIFY(child<QLabel>("T_SoundSign")->isHidden());
        QCOMPARE(child<QComboBox>("Combo_Cut")->count(), 3);
        QCOMPARE(child<QComboBox>("Combo_Dot")->count(), 5);
        QCOMPARE(child<QComboBox>("Combo_Cut")->currentText(), QStringLiteral("不作处理"));
        QCOMPARE(child<QComboBox>("Combo_Dot")->currentText(), QStringLiteral("0"));
        for (const char* list : {"Combo_Cut", "Combo_Dot"}) {
            QCOMPARE(child<QComboBox>(list)->font(), orvane::ui_font(orvane::Face::arial, 9));
        }
        QVERIFY(!child<QCheckBox>("C_AutoCopy")->isChecked());
        QVERIFY(!child<QCheckBox>("C_AutoLoad")->isChecked());
        QVERIFY(!child<QTimer>("Timer1")->isActive());
        QCOMPARE(child<QTimer>("Timer1")->interval(), 1000);
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Image_Logo"))->toolTip(),
                 QStringLiteral("Orvane 团队制作"));
        QVERIFY(clips_.empty());
        expect_shows(Reference().calculator.controls());
    }

    void every_control_lies_inside_the_calculator() {
        Tallybox& box = open();
        const QRect calculator = box.rect();
        for (const auto& [name, key] : button_keys()) {
            auto* button = box.findChild<QPushButton*>(name);
            QVERIFY2(button != nullptr, qPrintable(name));
            QVERIFY2(calculator.contains(button->geometry()), qPrintable(name));
            QVERIFY2(button->focusPolicy() == Qt::NoFocus, qPrintable(name));
        }
        // The indicators are drawn over the display's left end.
        const QWidget* show = box.findChild<QLineEdit*>(QStringLiteral("T_Show"));
        for (const char* name : {"T_SoundSign", "T_Sign"}) {
            QWidget* indicator = child<QWidget>(name);
            QVERIFY(show->geometry().contains(indicator->geometry()));
            const QWidgetList siblings =
                box.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            QVERIFY(siblings.indexOf(indicator) > siblings.indexOf(const_cast<QWidget*>(show)));
        }
    }

    void controls_carry_spoken_names_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortcut");
        const char* rows[][3] = {
            {"Cmd_Evolution", "开平方", "F"},
            {"Cmd_Back", "清除最后一位", "空格键/Backspace"},
            {"Cmd_Sound", "语音功能开关", "F3"},
            {"Cmd_Sign", "正负号", ""},
            {"Cmd_Dot", "小数点", ""},
            {"Cmd_Amount", "等于", "回车键"},
            {"Cmd_Percent", "百分比", "B"},
            {"Cmd_CleanAll", "全部清除", "Esc"},
            {"Cmd_GT", "历史计算值和", "G"},
            {"Cmd_Division", "除以", "/"},
            {"Cmd_Multiplication", "乘以", "*"},
            {"Cmd_7", "7", ""},
            {"Cmd_00", "00", ""},
            {"Cmd_Expression", "切换到表达式计算模式", "F2"},
            {"C_AutoCopy", "自动复制计算结果", ""},
            {"T_SoundSign", "语音功能开启标志", ""},
            {"T_Show", "显示", ""},
            {"T_Memory", "缓存", ""},
        };
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1])
                                  << QString::fromUtf8(row[2]);
        }
    }

    void controls_carry_spoken_names() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, shortcut);
        open();
        QWidget* widget = child<QWidget>(qPrintable(control));
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(access != nullptr);
        QCOMPARE(access->text(QAccessible::Name), name);
        // Without a description of its own a control describes itself by its tooltip.
        QCOMPARE(widget->accessibleDescription(), shortcut);
    }

    void every_label_text_fits_its_rectangle() {
        Tallybox& box = open();
        const orvane::test::LabelFit fit = orvane::test::check_label_texts(box);
        QVERIFY2(fit.first_misfit.isEmpty(), qPrintable(fit.first_misfit));
        QVERIFY(fit.checked > 4);  // the title buttons and the indicators
    }

    void title_buttons_are_pressable_buttons_for_screen_readers() {
        open();
        auto* mini = child<orvane::ClickLabel>("L_Mini");
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(mini);
        QVERIFY(access != nullptr);
        QCOMPARE(access->role(), QAccessible::Button);
        QVERIFY(access->actionInterface() != nullptr);
        QSignalSpy clicks(mini, &orvane::ClickLabel::clicked);
        access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);
    }

    void operator_indicator_names_the_pending_operator_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << QStringList{} << QStringLiteral("运算符");
        QTest::newRow("add") << QStringList{"Cmd_3", "Cmd_Addition"} << QStringLiteral("运算符 ＋");
        QTest::newRow("divide") << QStringList{"Cmd_3", "Cmd_Division"}
                                << QStringLiteral("运算符 ÷");
        QTest::newRow("after result") << QStringList{"Cmd_3", "Cmd_Addition", "Cmd_1", "Cmd_Amount"}
                                      << QStringLiteral("运算符");
    }

    void operator_indicator_names_the_pending_operator() {
        QFETCH(QStringList, keys);
        QFETCH(QString, name);
        open();
        click_all(keys);
        QCOMPARE(child<QWidget>("T_Sign")->accessibleName(), name);
    }

    void each_key_runs_its_engine_operation_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("before");
        const QStringList chain{"Cmd_1", "Cmd_2", "Cmd_Addition", "Cmd_3"};
        const QStringList result{"Cmd_9", "Cmd_Multiplication", "Cmd_4", "Cmd_Amount"};
        for (const auto& [name, key] : button_keys()) {
            QTest::newRow(qPrintable(name + "/fresh")) << name << QStringList{};
            QTest::newRow(qPrintable(name + "/entry")) << name << chain;
            QTest::newRow(qPrintable(name + "/result")) << name << result;
        }
    }

    void each_key_runs_its_engine_operation() {
        QFETCH(QString, button);
        QFETCH(QStringList, before);
        open();
        Reference reference;
        for (const QString& name : before + QStringList{button}) {
            click(name);
            reference.calculator.press(button_keys().at(name));
            expect_shows(reference.calculator.controls());
        }
        QCOMPARE(registers_.pending_op, reference.registers.pending_op);
        QCOMPARE(registers_.operand, reference.registers.operand);
        QCOMPARE(registers_.voice_on, reference.registers.voice_on);
        QCOMPARE(box_->calculator().accumulator_text(), reference.calculator.accumulator_text());
        QCOMPARE(clips_, reference.effects.clips);
    }

    void clicks_compute_left_to_right_data() {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("memory");
        QTest::newRow("digits") << QStringList{"Cmd_7", "Cmd_0", "Cmd_00"} << "7000"
                                << "";
        QTest::newRow("sum") << QStringList{"Cmd_1", "Cmd_Addition", "Cmd_2", "Cmd_Amount"} << "3"
                             << "";
        QTest::newRow("chain") << QStringList{"Cmd_6", "Cmd_Subtration",
                                              "Cmd_2", "Cmd_Multiplication",
                                              "Cmd_5", "Cmd_Amount"}
                               << "20"
                               << "";
        QTest::newRow("typing does not store") << QStringList{"Cmd_8", "Cmd_Save"} << "8"
                                               << "";
        QTest::newRow("stored") << QStringList{"Cmd_8", "Cmd_Amount", "Cmd_Save", "Cmd_CleanAll"}
                                << ""
                                << "8";
        QTest::newRow("recalled") << QStringList{"Cmd_8", "Cmd_Amount", "Cmd_Save", "Cmd_CleanAll",
                                                 "Cmd_Read"}
                                  << "8"
                                  << "8";
        QTest::newRow("root") << QStringList{"Cmd_9", "Cmd_Evolution"} << "3"
                              << "";
        QTest::newRow("point") << QStringList{"Cmd_Dot", "Cmd_5"} << "0.5"
                               << "";
    }

    void clicks_compute_left_to_right() {
        QFETCH(QStringList, buttons);
        QFETCH(QString, display);
        QFETCH(QString, memory);
        open();
        click_all(buttons);
        QCOMPARE(child<QLineEdit>("T_Show")->text(), display);
        QCOMPARE(child<QLineEdit>("T_Memory")->text(), memory);
    }

    void typed_characters_run_their_keys_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        auto keys = [](std::initializer_list<Key> list) {
            QList<int> out;
            for (Key key : list) {
                out << static_cast<int>(key);
            }
            return out;
        };
        QTest::newRow("digits") << "1234567890"
                                << keys({Key::digit1, Key::digit2, Key::digit3, Key::digit4,
                                         Key::digit5, Key::digit6, Key::digit7, Key::digit8,
                                         Key::digit9, Key::digit0});
        QTest::newRow("embedded keypad")
            << "jklmuio"
            << keys({Key::digit1, Key::digit2, Key::digit3, Key::digit0, Key::digit4, Key::digit5,
                     Key::digit6});
        QTest::newRow("upper case") << "JKLMUIO"
                                    << keys({Key::digit1, Key::digit2, Key::digit3, Key::digit0,
                                             Key::digit4, Key::digit5, Key::digit6});
        QTest::newRow("operators")
            << "8*3=-4+1/2="
            << keys({Key::digit8, Key::multiply, Key::digit3, Key::equals, Key::subtract,
                     Key::digit4, Key::add, Key::digit1, Key::divide, Key::digit2, Key::equals});
        QTest::newRow("point") << "1.5" << keys({Key::digit1, Key::point, Key::digit5});
        // Letters of the release table: b percent, f root, g grand total, on release only.
        QTest::newRow("percent") << "50+10b"
                                 << keys({Key::digit5, Key::digit0, Key::add, Key::digit1,
                                          Key::digit0, Key::percent});
        QTest::newRow("root") << "81f" << keys({Key::digit8, Key::digit1, Key::square_root});
        QTest::newRow("grand total")
            << "2+2=g" << keys({Key::digit2, Key::add, Key::digit2, Key::equals, Key::grand_total});
        // Neither table names these.
        QTest::newRow("ignored") << "7 csar,x" << keys({Key::digit7});
    }

    void typed_characters_run_their_keys() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        open();
        Reference reference;
        type(typed);
        for (int key : keys) {
            reference.calculator.press(static_cast<Key>(key));
        }
        expect_shows(reference.calculator.controls());
        QCOMPARE(box_->calculator().accumulator_text(), reference.calculator.accumulator_text());
    }

    void named_keys_run_their_keys_data() {
        QTest::addColumn<int>("qt_key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("expected");  // a Key, or -1 for none
        const int none = -1;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << int(Key::backspace);
        QTest::newRow("return") << int(Qt::Key_Return) << 0 << int(Key::equals);
        QTest::newRow("keypad enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << int(Key::equals);
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << int(Key::clear_all);
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << int(Key::clear);
        QTest::newRow("ctrl+s") << int(Qt::Key_S) << int(Qt::ControlModifier)
                                << int(Key::memory_store);
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << int(Qt::ControlModifier)
                                << int(Key::memory_add);
        QTest::newRow("ctrl+r") << int(Qt::Key_R) << int(Qt::ControlModifier)
                                << int(Key::memory_read);
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << int(Qt::ControlModifier)
                                << int(Key::memory_clear);
        QTest::newRow("ctrl+shift+a")
            << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier) << none;
        QTest::newRow("shift+b") << int(Qt::Key_B) << int(Qt::ShiftModifier) << int(Key::percent);
        QTest::newRow("ctrl+b") << int(Qt::Key_B) << int(Qt::ControlModifier) << int(Key::percent);
        QTest::newRow("f3") << int(Qt::Key_F3) << 0 << int(Key::voice_switch);
        QTest::newRow("f9") << int(Qt::Key_F9) << 0 << int(Key::read_results_switch);
        QTest::newRow("f10") << int(Qt::Key_F10) << 0 << int(Key::read_display);
        QTest::newRow("f4") << int(Qt::Key_F4) << 0 << none;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << none;
    }

    // Each row runs after 2 ＋ 5 MS 3 (a pending sum, memory 5, an entry of 3).
    void named_keys_run_their_keys() {
        QFETCH(int, qt_key);
        QFETCH(int, modifiers);
        QFETCH(int, expected);
        open();
        Reference reference;
        const QStringList setup{"Cmd_2", "Cmd_Addition", "Cmd_5", "Cmd_Save", "Cmd_3"};
        click_all(setup);
        for (const QString& name : setup) {
            reference.calculator.press(button_keys().at(name));
        }
        QTest::keyClick(box_->windowHandle(), static_cast<Qt::Key>(qt_key),
                        Qt::KeyboardModifiers(modifiers));
        if (expected >= 0) {
            reference.calculator.press(static_cast<Key>(expected));
        }
        expect_shows(reference.calculator.controls());
        QCOMPARE(clips_, reference.effects.clips);
    }

    void held_keys_data() {
        QTest::addColumn<int>("qt_key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("a held digit repeats")
            << int(Qt::Key_5) << "5"
            << QList<int>{int(Key::digit5), int(Key::digit5), int(Key::digit5), int(Key::digit5)};
        QTest::newRow("a held B acts once, on release")
            << int(Qt::Key_B) << "b" << QList<int>{int(Key::percent)};
    }

    // After 50 + 10: four presses of which three repeat (each with its repeat release),
    // then the real release.
    void held_keys() {
        QFETCH(int, qt_key);
        QFETCH(QString, text);
        QFETCH(QList<int>, keys);
        open();
        Reference reference;
        const QStringList setup{"Cmd_5", "Cmd_0", "Cmd_Addition", "Cmd_1", "Cmd_0"};
        click_all(setup);
        for (const QString& name : setup) {
            reference.calculator.press(button_keys().at(name));
        }
        QWindow* window = box_->windowHandle();
        for (int i = 0; i < 4; ++i) {
            QKeyEvent press(QEvent::KeyPress, qt_key, Qt::NoModifier, text, i > 0);
            QCoreApplication::sendEvent(window, &press);
            if (i < 3) {
                QKeyEvent repeat_release(QEvent::KeyRelease, qt_key, Qt::NoModifier, text, true);
                QCoreApplication::sendEvent(window, &repeat_release);
            }
        }
        QKeyEvent release(QEvent::KeyRelease, qt_key, Qt::NoModifier, text, false);
        QCoreApplication::sendEvent(window, &release);
        for (int key : keys) {
            reference.calculator.press(static_cast<Key>(key));
        }
        expect_shows(reference.calculator.controls());
    }

    void window_requests_data() {
        QTest::addColumn<QString>("control");  // a button or label to click, or empty
        QTest::addColumn<int>("qt_key");       // else a key to type
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<int>("target");
        QTest::newRow("Cmd_Expression")
            << "Cmd_Expression" << 0 << 0 << "switch" << int(CalculatorKind::expression);
        QTest::newRow("Cmd_House")
            << "Cmd_House" << 0 << 0 << "switch" << int(CalculatorKind::mortgage);
        QTest::newRow("F2") << "" << int(Qt::Key_F2) << 0 << "switch"
                            << int(CalculatorKind::expression);
        QTest::newRow("F7") << "" << int(Qt::Key_F7) << 0 << "switch"
                            << int(CalculatorKind::mortgage);
        QTest::newRow("L_Exit") << "L_Exit" << 0 << 0 << "exit" << 0;
        QTest::newRow("Alt+F4") << "" << int(Qt::Key_F4) << int(Qt::AltModifier) << "exit" << 0;
        QTest::newRow("L_Help") << "L_Help" << 0 << 0 << "help" << 0;
        QTest::newRow("F1") << "" << int(Qt::Key_F1) << 0 << "help" << 0;
    }

    void window_requests() {
        QFETCH(QString, control);
        QFETCH(int, qt_key);
        QFETCH(int, modifiers);
        QFETCH(QString, signal);
        QFETCH(int, target);
        Tallybox& box = open();
        QSignalSpy switches(&box, &Tallybox::switch_requested);
        QSignalSpy exits(&box, &Tallybox::exit_requested);
        QSignalSpy helps(&box, &Tallybox::help_toggle_requested);
        if (control.isEmpty()) {
            QTest::keyClick(box.windowHandle(), static_cast<Qt::Key>(qt_key),
                            Qt::KeyboardModifiers(modifiers));
        } else {
            QWidget* widget = box.findChild<QWidget*>(control);
            QVERIFY(widget != nullptr);
            QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        }
        QSignalSpy& expected = signal == "switch" ? switches : signal == "exit" ? exits : helps;
        QTRY_COMPARE(expected.count(), 1);
        QCOMPARE(switches.count() + exits.count() + helps.count(), 1);
        if (signal == "switch") {
            QCOMPARE(switches.at(0).at(0).value<CalculatorKind>(),
                     static_cast<CalculatorKind>(target));
        }
    }

    void l_mini_does_nothing_here() {
        Tallybox& box = open();
        QSignalSpy switches(&box, &Tallybox::switch_requested);
        QSignalSpy exits(&box, &Tallybox::exit_requested);
        QTest::mouseClick(box.findChild<orvane::ClickLabel*>(QStringLiteral("L_Mini")),
                          Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(box.isVisible());
        QCOMPARE(switches.count() + exits.count(), 0);
    }

    void load_applies_start_up_options_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("decimals");
        QTest::newRow("none") << "" << 0;
        QTest::newRow("/ac") << "/ac" << 0;
        QTest::newRow("/u3") << "/u3" << 3;
        QTest::newRow("/c0") << "/c0" << 0;
        QTest::newRow("/f3") << "/f3" << 0;
        QTest::newRow("/ag") << "/ag" << 0;
        QTest::newRow("/ac/c2") << "/ac/c2" << 2;
        QTest::newRow("/f3/ag/u4") << "/f3/ag/u4" << 4;
    }

    void load_applies_start_up_options() {
        QFETCH(QString, options);
        QFETCH(int, decimals);
        StartupValues startup;
        startup.command_options = options.toStdString();
        startup.option_decimals = decimals;
        open(startup);
        Reference reference(startup);
        expect_shows(reference.calculator.controls());
        QCOMPARE(clips_, reference.effects.clips);
        QCOMPARE(registers_.voice_on, startup.has("/f3"));
    }

    void captures_the_clipboard_once_a_second() {
        QGuiApplication::clipboard()->setText(QStringLiteral("42"));
        StartupValues startup;
        startup.command_options = "/ag";
        open(startup);
        QVERIFY(child<QLineEdit>("T_Show")->text().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("T_Show")->text(), QStringLiteral("42"), 3000);
        // Carrying on with the number unticks the capture and stops the timer.
        click("Cmd_Addition");
        QVERIFY(!child<QCheckBox>("C_AutoLoad")->isChecked());
        QVERIFY(!child<QTimer>("Timer1")->isActive());
    }

    void check_boxes_switch_copy_and_capture() {
        open();
        QTest::mouseClick(child<QCheckBox>("C_AutoLoad"), Qt::LeftButton);
        QVERIFY(child<QTimer>("Timer1")->isActive());
        QTest::mouseClick(child<QCheckBox>("C_AutoLoad"), Qt::LeftButton);
        QVERIFY(!child<QTimer>("Timer1")->isActive());

        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        click_all({"Cmd_2", "Cmd_Addition", "Cmd_3", "Cmd_Amount"});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
        QTest::mouseClick(child<QCheckBox>("C_AutoCopy"), Qt::LeftButton);
        QVERIFY(box_->calculator().controls().autocopy);
        click_all({"Cmd_2", "Cmd_Addition", "Cmd_3", "Cmd_Amount"});
        QCOMPARE(QGuiApplication::clipboard()->text(), child<QLineEdit>("T_Show")->text());
        QCOMPARE(child<QLineEdit>("T_Show")->text(), QStringLiteral("5"));
    }

    // F9 and the check item are one switch; with voice on a result is heard with its reading,
    // and F10 reads the display whatever the switch.
    void results_are_read_aloud_while_the_switch_is_on() {
        open();
        auto* item = box_->findChild<QAction*>(QStringLiteral("Act_ReadResults"));
        QVERIFY(item != nullptr);
        QVERIFY(item->isCheckable());
        QCOMPARE(item->text(), QStringLiteral("朗读结果"));
        QVERIFY(!item->isChecked());
        QVERIFY(box_->actions().contains(item));  // so the tray menu lists it
        click("Cmd_Sound");
        QTest::keyClick(box_->windowHandle(), Qt::Key_F9);
        QVERIFY(item->isChecked());
        clips_.clear();
        click_all({"Cmd_5", "Cmd_Addition", "Cmd_7", "Cmd_Amount"});
        QCOMPARE(clips_, (std::vector<std::string>{"wav_5", "wav_jia", "wav_7", "wav_dengyu",
                                                   "wav_shi", "wav_2"}));
        // A new window of the same session keeps the switch.
        open();
        item = box_->findChild<QAction*>(QStringLiteral("Act_ReadResults"));
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(!registers_.read_results);
        click("Cmd_Sound");  // voice stayed on; this shows the indicator again
        clips_.clear();
        click_all({"Cmd_5", "Cmd_Addition", "Cmd_7", "Cmd_Amount"});
        QCOMPARE(clips_.back(), std::string("wav_dengyu"));
        clips_.clear();
        QTest::keyClick(box_->windowHandle(), Qt::Key_F10);
        QCOMPARE(clips_, (std::vector<std::string>{"wav_shi", "wav_2"}));
        QCOMPARE(child<QLineEdit>("T_Show")->text(), QStringLiteral("12"));
    }

    void rounding_lists_reach_the_engine_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("decimals");
        for (int mode = 0; mode < 3; ++mode) {
            for (int decimals : {0, 2, 4}) {
                QTest::newRow(
                    qPrintable(QStringLiteral("mode %1, %2 decimals").arg(mode).arg(decimals)))
                    << mode << decimals;
            }
        }
    }

    void rounding_lists_reach_the_engine() {
        QFETCH(int, mode);
        QFETCH(int, decimals);
        open();
        Reference reference;
        auto* cut = child<QComboBox>("Combo_Cut");
        auto* dot = child<QComboBox>("Combo_Dot");
        cut->setCurrentIndex(mode);
        emit cut->activated(mode);
        reference.calculator.set_rounding(mode_captioned(cut->itemText(mode)));
        dot->setCurrentIndex(decimals);
        emit dot->activated(decimals);
        reference.calculator.set_decimals(dot->itemText(decimals).toInt());
        const QStringList keys{"Cmd_2", "Cmd_Division", "Cmd_3", "Cmd_Amount"};
        click_all(keys);
        for (const QString& name : keys) {
            reference.calculator.press(button_keys().at(name));
        }
        expect_shows(reference.calculator.controls());
    }

    // Switching away and back: the window's controls start afresh, the registers stay.
    void reload_keeps_registers_and_resets_controls() {
        open();
        click_all({"Cmd_Sound", "Cmd_5", "Cmd_Save", "Cmd_Addition", "Cmd_3"});
        QVERIFY(registers_.voice_on);
        const std::string accumulator = box_->calculator().accumulator_text();
        const Registers before = registers_;
        box_.reset();

        open();
        QVERIFY(child<QLineEdit>("T_Show")->text().isEmpty());
        QVERIFY(child<QLineEdit>("T_Memory")->text().isEmpty());
        QVERIFY(child<QLabel>("T_Sign")->isHidden());
        QVERIFY(child<QLabel>("T_SoundSign")->isHidden());
        QCOMPARE(box_->calculator().accumulator_text(), accumulator);
        QCOMPARE(registers_.pending_op, before.pending_op);
        QCOMPARE(registers_.operand, before.operand);
        QCOMPARE(registers_.last_operand, before.last_operand);
        QCOMPARE(registers_.result_shown, before.result_shown);
        QCOMPARE(registers_.voice_on, true);
        // The next use of the voice switch turns voice on, shows the indicator and speaks.
        clips_.clear();
        click("Cmd_Sound");
        QVERIFY(registers_.voice_on);
        QVERIFY(!child<QLabel>("T_SoundSign")->isHidden());
        QCOMPARE(clips_, std::vector<std::string>{"wav_yuyin"});
    }

    void feedback_hides_and_comes_back() {
        open();
        click_all({"Cmd_4", "Cmd_Multiplication", "Cmd_6"});
        const QPoint place = box_->pos();
        click("Command1");
        QCOMPARE(questions_.size(), std::size_t{1});
        QCOMPARE(questions_.front(),
                 QStringLiteral("欢迎您的参与|您还希望Orvane桌面计算器增加什么功能吗？"
                                "欢迎来信或到网站给我留言。"));
        QVERIFY(!visible_during_box_);
        QVERIFY(box_->isVisible());
        QCOMPARE(box_->pos(), place);
        QCOMPARE(child<QLineEdit>("T_Show")->text(), QStringLiteral("6"));
        QCOMPARE(child<QLabel>("T_Sign")->text(), QStringLiteral("×"));
    }

    void easter_egg_flow_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("typed");
        QTest::newRow("yes, clicked") << true << false;
        QTest::newRow("no, clicked") << false << false;
        QTest::newRow("yes, typed") << true << true;
        QTest::newRow("no, typed") << false << true;
    }

    void easter_egg_flow() {
        QFETCH(bool, answer);
        QFETCH(bool, typed);
        answer_ = answer;
        open();
        click_all({"Cmd_2", "Cmd_Addition"});
        const std::string accumulator = box_->calculator().accumulator_text();
        if (typed) {
            type(QStringLiteral("19970314"));
        } else {
            click_all({"Cmd_1", "Cmd_9", "Cmd_9", "Cmd_7", "Cmd_0", "Cmd_3", "Cmd_1", "Cmd_4"});
        }
        QCOMPARE(questions_.size(), std::size_t{1});
        QCOMPARE(
            questions_.front(),
            QStringLiteral("彩蛋|嘿嘿，彩蛋被你挖掘出来了，要看看作者是谁以及“Orvane桌面计算器”"
                           "的由来吗？\r\n\r\n查看彩蛋内容不会影响您先前进行的计算，"
                           "您可以随时关闭以返回计算器界面。"));
        QVERIFY(!visible_during_box_);
        if (answer) {
            QVERIFY(box_->color_egg() != nullptr);
            QVERIFY(box_->color_egg()->isVisible());
            QVERIFY(!box_->isVisible());
            box_->color_egg()->close();
            QVERIFY(!box_->color_egg()->isVisible());
        } else {
            QVERIFY(box_->color_egg() == nullptr);
        }
        QVERIFY(box_->isVisible());
        QCOMPARE(child<QLineEdit>("T_Show")->text(), QStringLiteral("19970314"));
        QCOMPARE(child<QLabel>("T_Sign")->text(), QStringLiteral("＋"));
        QCOMPARE(box_->calculator().accumulator_text(), accumulator);
        // The calculation carries on: 2 + 19970314.
        click("Cmd_Amount");
        QCOMPARE(child<QLineEdit>("T_Show")->text(), QStringLiteral("19970316"));
    }

    void easter_egg_window_is_one_instance() {
        answer_ = true;
        open();
        click_all({"Cmd_1", "Cmd_9", "Cmd_9", "Cmd_7", "Cmd_0", "Cmd_3", "Cmd_1", "Cmd_4"});
        orvane::ColorEgg* first = box_->color_egg();
        QVERIFY(first != nullptr);
        first->close();
        click_all({"Cmd_Back", "Cmd_4"});
        QCOMPARE(questions_.size(), std::size_t{2});
        QCOMPARE(box_->color_egg(), first);
        QVERIFY(first->isVisible());
        first->close();
        QVERIFY(box_->isVisible());
    }

    void display_font_shrinks_and_grows_back() {
        open();
        auto* cut = child<QComboBox>("Combo_Cut");
        cut->setCurrentIndex(2);
        emit cut->activated(2);  // 四舍五入: long whole numbers are shown in full
        const double designed = child<QLineEdit>("T_Show")->font().pointSizeF();
        QCOMPARE(designed, 36.0);
        type(QStringLiteral("999999999999*999999999999*70000="));
        const QString text = child<QLineEdit>("T_Show")->text();
        QCOMPARE(text.size(), 29);
        const double shrunk = child<QLineEdit>("T_Show")->font().pointSizeF();
        QVERIFY(shrunk < designed);
        const QLineEdit* show = child<QLineEdit>("T_Show");
        const int room = show->width() - show->textMargins().left();
        QVERIFY(QFontMetrics(show->font()).horizontalAdvance(text) < room);
        QTest::keyClick(box_->windowHandle(), Qt::Key_Escape);
        type(QStringLiteral("5"));
        QCOMPARE(child<QLineEdit>("T_Show")->font().pointSizeF(), designed);
    }

    // F8 opens the tape beside the calculator; a correction made in it recomputes the
    // display and, with auto-copy on, puts the new result on the clipboard.
    void tape_opens_with_f8_and_corrects_a_line() {
        orvane::engine::Tape tape;
        Tallybox& box = open();
        box.attach_tape(tape);
        QTest::mouseClick(child<QCheckBox>("C_AutoCopy"), Qt::LeftButton);
        type(QStringLiteral("12+3="));
        QVERIFY(box.tape_panel() == nullptr);  // built on first use
        QTest::keyClick(box.windowHandle(), Qt::Key_F8);
        QVERIFY(box.tape_panel() != nullptr && box.tape_panel()->isVisible());
        QVERIFY(box.tape_panel()->x() >= box.frameGeometry().right() ||
                box.tape_panel()->frameGeometry().right() <= box.x());
        auto* list = child<QListView>("Tape_List");
        const QAbstractItemModel* model = list->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("12 ＋"));
        QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("002  ＝ 15"));
        QCOMPARE(model->index(0, 0).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("加 12"));
        QCOMPARE(model->index(2, 0).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("结果 15"));
        QCOMPARE(child<QLabel>("Tape_Latest")->accessibleName(), QStringLiteral("结果 15"));

        list->setCurrentIndex(model->index(0, 0));
        child<QLineEdit>("Tape_Number")->setText(QStringLiteral("1,000"));
        QTest::mouseClick(child<QPushButton>("Tape_Correct"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("T_Show")->text(), QStringLiteral("1003"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1003"));
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("1,000 ＋（原 12）"));

        list->setCurrentIndex(model->index(2, 0));
        QTest::mouseClick(child<QPushButton>("Tape_Correct"), Qt::LeftButton);
        QCOMPARE(child<QLabel>("Tape_Message")->text(),
                 QStringLiteral("结果不能改正，请改正参与计算的数"));
        QCOMPARE(child<QLineEdit>("T_Show")->text(), QStringLiteral("1003"));

        // New keys reach the open list; F8 in the panel closes it.
        type(QStringLiteral("7-9="));
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(model->index(5, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(200, 0, 0));  // ＝ -2 is red
        QTest::keyClick(box.tape_panel(), Qt::Key_F8);
        QVERIFY(!box.tape_panel()->isVisible());

        // A switch away and back: the new window's tape holds the session's lines.
        const int lines = model->rowCount();
        Tallybox& again = open();
        again.attach_tape(tape);
        again.toggle_tape();
        QCOMPARE(child<QListView>("Tape_List")->model()->rowCount(), lines);
    }

    // A check from the tape window: a differing number is heard (the voice's 不对 while voice
    // is on) and the check ends with the differing item's number.
    void tape_check_warns_and_names_the_differing_item() {
        orvane::engine::Tape tape;
        Tallybox& box = open();
        box.attach_tape(tape);
        type(QStringLiteral("4+4="));
        box.toggle_tape();
        auto* check = child<QPushButton>("Tape_Check");
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(check->text(), QStringLiteral("结束复核"));
        click(QStringLiteral("Cmd_Sound"));
        clips_.clear();
        type(QStringLiteral("4+"));
        QVERIFY(std::find(clips_.begin(), clips_.end(), "wav_budui") == clips_.end());
        type(QStringLiteral("5="));
        QVERIFY(std::find(clips_.begin(), clips_.end(), "wav_budui") != clips_.end());
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(check->text(), QStringLiteral("复核"));
        const QAbstractItemModel* model = child<QListView>("Tape_List")->model();
        QCOMPARE(model->index(model->rowCount() - 1, 0).data().toString(),
                 QStringLiteral("复核不一致：第2项"));
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("4 ✘ 复核为 5"));
    }

    void tape_says_when_its_oldest_lines_went() {
        orvane::engine::Tape tape(4);
        Tallybox& box = open();
        box.attach_tape(tape);
        box.toggle_tape();
        QVERIFY(child<QLabel>("Tape_Dropped")->isHidden());
        type(QStringLiteral("1+2=3+4="));
        QCOMPARE(child<QListView>("Tape_List")->model()->rowCount(), 4);
        QVERIFY(!child<QLabel>("Tape_Dropped")->isHidden());
        QCOMPARE(child<QLabel>("Tape_Dropped")->text(), QStringLiteral("最早的 2 行已移出记录"));
        QCOMPARE(child<QListView>("Tape_List")->model()->index(0, 0).data().toString(),
                 QStringLiteral("002  ＝ 3"));
    }

    void tape_copies_saves_and_writes_a_pdf() {
        orvane::engine::Tape tape;
        Tallybox& box = open();
        box.attach_tape(tape);
        type(QStringLiteral("1234.5*2="));
        box.toggle_tape();
        orvane::TapePanel& panel = *box.tape_panel();
        QCOMPARE(panel.copy_text(), QStringLiteral("1234.5 ×\n2\n＝ 2469\n"));
        auto* list = child<QListView>("Tape_List");
        list->selectionModel()->select(list->model()->index(2, 0),
                                       QItemSelectionModel::ClearAndSelect);
        QCOMPARE(panel.copy_text(), QStringLiteral("＝ 2469\n"));

        QTemporaryDir folder;
        const QString csv_path = folder.filePath(QStringLiteral("tape.csv"));
        panel.set_save_path_chooser([&](QWidget*) { return csv_path; });
        QTest::mouseClick(child<QPushButton>("Tape_Save"), Qt::LeftButton);
        QFile saved(csv_path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes, QByteArray("\xEF\xBB\xBF行,类型,键,数值,项数,复核,原值\r\n"
                                   "1,数,×,1234.5,,,\r\n2,数,＝,2,,,\r\n3,结果,＝,2469,2,,\r\n"));
        const QString text_path = folder.filePath(QStringLiteral("tape.txt"));
        panel.set_save_path_chooser([&](QWidget*) { return text_path; });
        QTest::mouseClick(child<QPushButton>("Tape_Save"), Qt::LeftButton);
        QFile text(text_path);
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("\xEF\xBB\xBF"
                                            "1234.5 ×\r\n2\r\n＝ 2469\r\n"));

        const QString pdf_path = folder.filePath(QStringLiteral("tape.pdf"));
        QVERIFY(panel.write_pdf(pdf_path));
        QFile pdf(pdf_path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");

        QTest::mouseClick(child<QPushButton>("Tape_Clear"), Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 0);
        QVERIFY(tape.lines().empty());
    }
};

QTEST_MAIN(TallyboxTest)
#include "tallybox_test.moc"
