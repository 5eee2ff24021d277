#include "ui/expression/bds_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <limits>

#include "expression/formula_steps.h"
#include "ui/common/calculator_switch.h"
#include "ui/common/clipboard_reader.h"
#include "ui/common/clipboard_service.h"
#include "ui/common/fonts.h"
#include "ui/common/label_fit.h"
#include "ui/common/twips.h"
#include "ui/expression/hover_label.h"
#include "ui/expression/typing_batcher.h"

namespace orvane {
namespace {

const QColor kDarkRed(128, 0, 0);
const QColor kDarkBlue(0, 0, 192);
const QColor kHoverRed(255, 0, 0);
const QColor kFrameGrey(128, 128, 128);

QString from_view(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void set_text_colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QColor button_text_colour() {
    return QPalette().color(QPalette::ButtonText);
}

void show_critical(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

}  // namespace

BDS::BDS(const StartupValues& startup, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      report_error_(show_critical) {
    setWindowTitle(QStringLiteral("Orvane表达式计算器"));
    // The window keeps its designed size: a resize snaps back, so it is simply fixed.
    setFixedSize(px_from_twips(6615), px_from_twips(3630));
    // Controls without a font of their own show the window's: the desktop's plain sans face
    // (left alone, the toolkit may pick a fixed-pitch face here).
    setFont(ui_font(Face::system, 9));
    setMouseTracking(true);
    create_controls();
    fit_label_texts(*this);

    setTabOrder(formula_box_, compute_button_);
    setTabOrder(compute_button_, autocopy_box_);
    for (QWidget* control :
         {static_cast<QWidget*>(formula_box_), static_cast<QWidget*>(compute_button_),
          static_cast<QWidget*>(autocopy_box_)}) {
        control->installEventFilter(this);
    }
    formula_box_->setFocus();

    if (expression::autocopy_ticked_on_load(startup.start_mode)) {
        autocopy_box_->setChecked(true);
    }
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

BDS::~BDS() = default;

void BDS::set_error_reporter(ErrorReporter reporter) {
    report_error_ = std::move(reporter);
}

void BDS::create_controls() {
    autocopy_box_ = new QCheckBox(QStringLiteral("自动复制结果"), this);
    autocopy_box_->setObjectName(QStringLiteral("C_AutoCopy"));
    place(autocopy_box_, 5040, 120, 1455, 255);

    compute_button_ = new QPushButton(QStringLiteral("计算"), this);
    compute_button_->setObjectName(QStringLiteral("Cmd_BDS"));
    compute_button_->setFont(ui_font(Face::sim_sun, 9));
    compute_button_->setAutoDefault(false);
    place(compute_button_, 5400, 1005, 1095, 405);
    connect(compute_button_, &QPushButton::clicked, this, &BDS::evaluate_formula);

    formula_box_ = new QLineEdit(this);
    formula_box_->setObjectName(QStringLiteral("T_BDS"));
    formula_box_->setAccessibleName(QStringLiteral("表达式"));
    formula_box_->setFont(ui_font(Face::tahoma, 12));
    place(formula_box_, 120, 480, 6375, 405);
    // Every formula the evaluator takes, whatever its length: the toolkit's default limit
    // would cut a longer paste at 32,767 characters without a word.
    formula_box_->setMaxLength(std::numeric_limits<int>::max());
    typing_ = new expression::TypingBatcher(formula_box_);
    connect(formula_box_, &QLineEdit::returnPressed, this, [this] {
        if (expression::enter_evaluates(static_cast<std::size_t>(formula_box_->text().size()))) {
            evaluate_formula();
        }
    });

    add_switch_label("L_House", QStringLiteral("F7 = 按揭贷款计算器"), {1860, 3360, 1755, 195},
                     CalculatorKind::mortgage);
    add_switch_label("L_Normal", QStringLiteral("F1 = 标准计算器"), {120, 3360, 1395, 195},
                     CalculatorKind::standard);

    QLabel* hint =
        add_label("Label5", QStringLiteral("点击运算符或函数可直接输入"), {3600, 2880, 2775, 255});
    set_text_colour(hint, kDarkRed);

    add_insert_label("L_cos", QStringLiteral("余弦: cos()"), QStringLiteral("cos()"),
                     {2520, 2280, 1095, 255});
    add_insert_label("L_tan", QStringLiteral("正切: tan()"), QStringLiteral("tan()"),
                     {3960, 2280, 1095, 255});
    add_insert_label("L_log", QStringLiteral("自然对数: log()"), QStringLiteral("log()"),
                     {1200, 2760, 1455, 255});
    add_insert_label("L_sin", QStringLiteral("正弦: sin()"), QStringLiteral("sin()"),
                     {1200, 2280, 975, 255});
    add_insert_label("L_ChengFang", QStringLiteral("乘方: ^"), QStringLiteral("^"),
                     {5040, 1800, 735, 255});
    add_insert_label("L_Jian", QStringLiteral("减: -"), QStringLiteral("-"),
                     {2160, 1800, 615, 255});
    add_insert_label("L_Cheng", QStringLiteral("乘: *"), QStringLiteral("*"),
                     {3120, 1800, 615, 255});
    add_insert_label("L_Chu", QStringLiteral("除: /"), QStringLiteral("/"), {4080, 1800, 615, 255});
    add_insert_label("L_Jia", QStringLiteral("加: +"), QStringLiteral("+"), {1200, 1800, 615, 255});

    QLabel* functions = add_label("Label2", QStringLiteral("函    数："), {240, 2280, 975, 255});
    set_text_colour(functions, kDarkRed);
    QLabel* operators = add_label("Label1", QStringLiteral("运算符："), {240, 1800, 855, 255});
    set_text_colour(operators, kDarkRed);

    // An outline only; the pointer passes through it to the window's background.
    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("Shape1"));
    panel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel_->setLineWidth(1);
    set_text_colour(panel_, kFrameGrey);
    panel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    place(panel_, 120, 1560, 6375, 1695);
    panel_->lower();

    QLabel* instruction =
        add_label("Label3", QStringLiteral("在下框中输入表达式，按回车或点击计算按钮："),
                  {120, 120, 4455, 255});
    instruction->setFont(ui_font(Face::sim_sun, 9));
    QLabel* caption = add_label("Label4", QStringLiteral("计算结果："), {120, 1080, 1095, 255});
    caption->setFont(ui_font(Face::sim_sun, 9));

    result_label_ = add_label("L_BDS", QString(), {1200, 960, 3975, 495});
    result_label_->setAccessibleName(QStringLiteral("计算结果"));
    result_label_->setFont(ui_font(Face::tahoma, 18, true));
    set_text_colour(result_label_, kDarkBlue);

    reset_label_colours();
}

QLabel* BDS::add_label(const char* name, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(ui_font(Face::tahoma, 10.5));
    place(label, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    return label;
}

expression::HoverLabel* BDS::add_insert_label(const char* name, const QString& caption,
                                              const QString& inserted, QRect geometry) {
    auto* label = new expression::HoverLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(ui_font(Face::tahoma, 10.5));
    label->setCursor(expression::pen_cursor());
    place(label, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    connect(label, &expression::HoverLabel::clicked, this,
            [this, inserted] { insert_into_formula(inserted); });
    connect(label, &expression::HoverLabel::hovered, this,
            [label] { set_text_colour(label, kHoverRed); });
    insert_labels_.push_back(label);
    return label;
}

expression::HoverLabel* BDS::add_switch_label(const char* name, const QString& caption,
                                              QRect geometry, CalculatorKind target) {
    auto* label = new expression::HoverLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    connect(label, &expression::HoverLabel::clicked, this,
            [this, target] { request_switch_later(this, target); });
    connect(label, &expression::HoverLabel::hovered, this,
            [label] { set_text_colour(label, kHoverRed); });
    insert_labels_.push_back(label);
    return label;
}

// The formula is cleaned and written back (the caret then stands at the start); a value
// replaces the result caption, an error leaves it and is reported; auto-copy then copies
// whatever caption is shown, after a failure too.
void BDS::evaluate_formula() {
    typing_->flush();
    const expression::Evaluation evaluation =
        expression::evaluate_typed(formula_box_->text().toStdString());
    formula_box_->setText(QString::fromStdString(evaluation.cleaned));
    formula_box_->setCursorPosition(0);
    if (evaluation.ok) {
        result_label_->setText(QString::fromStdString(evaluation.caption));
    } else if (report_error_) {
        report_error_(this, from_view(expression::kErrorTitle),
                      QString::fromStdString(evaluation.message));
    }
    if (autocopy_box_->isChecked()) {
        copy_to_clipboard(result_label_->text());
    }
}

// Replaces the selection, or inserts at the caret; the caret ends after the inserted text
// and the focus stays where it was.
void BDS::insert_into_formula(const QString& text) {
    typing_->flush();
    formula_box_->insert(text);
}

bool BDS::handle_switch_key(const QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return false;
    }
    const std::optional<CalculatorKind> target =
        switch_target_for_key(event->key(), CalculatorKind::expression);
    if (target) {
        request_switch_later(this, *target);
    }
    return target.has_value();
}

// The window sees the switch keys before the control that has the focus. The box's paste keys
// read the clipboard without waiting for its owner (the box's own paste would wait up to seconds).
bool BDS::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && handle_switch_key(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (watched == formula_box_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        paste_into_formula();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The text arrives from the event loop when another program owns the clipboard, and goes in at
// the caret as it then stands; an unreadable clipboard pastes nothing.
void BDS::paste_into_formula() {
    if (!clipboard_reader_) {
        clipboard_reader_ = make_clipboard_reader();
    }
    clipboard_reader_->read_text(ClipboardReader::Purpose::paste,
                                 [this](const QString& text) { insert_into_formula(text); });
}

void BDS::keyReleaseEvent(QKeyEvent* event) {
    if (!handle_switch_key(event)) {
        QWidget::keyReleaseEvent(event);
    }
}

// Over the background (the outline included) the labels lose their hover colour; over a
// control or a plain label nothing changes.
void BDS::mouseMoveEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr) {
        reset_label_colours();
    }
    QWidget::mouseMoveEvent(event);
}

void BDS::reset_label_colours() {
    const QColor colour = button_text_colour();
    for (expression::HoverLabel* label : insert_labels_) {
        set_text_colour(label, colour);
    }
}

}  // namespace orvane
