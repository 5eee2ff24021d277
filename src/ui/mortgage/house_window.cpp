#include "ui/mortgage/house_window.h"
#include "ui/common/label_fit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <variant>

#include "mortgage/repayment.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"

namespace orvane {
namespace {

// Client area and outer size of the window, in twips.
constexpr int kClientWidth = 9915;
constexpr int kClientHeight = 4725;
constexpr int kOuterWidth = 10035;
constexpr int kOuterHeight = 5205;

const QColor kDarkBlue(0, 0, 192);
const QColor kDarkRed(192, 0, 0);
const QColor kHoverRed(255, 0, 0);

QFont tahoma() {
    return ui_font(Face::Tahoma, 10.5);
}

QLabel* make_label(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Labels have no window of their own: they sit beneath the controls in their gaps.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* make_result(QWidget* frame, const char* name, const QColor& colour) {
    auto* label = make_label(frame, name, QString());
    label->setFont(ui_font(Face::Tahoma, 21.75, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QLineEdit* make_number_box(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(tahoma());
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

// A list the user picks from but cannot type into, as tall as its font makes it.
QComboBox* make_list(QWidget* parent, const char* name, const QStringList& items, int left, int top,
                     int width) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setFont(tahoma());
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setGeometry(twips(left), twips(top), twips(width), list->sizeHint().height());
    return list;
}

QString spaces(int count) {
    return QString(count, QLatin1Char(' '));
}

QString display_lines(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void show_message_box(QWidget* parent, const QString& text, const QString& title,
                      QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

House::House(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      tips_(mortgage::HouseTips::build()),
      present_message_(show_message_box) {
    setObjectName(QStringLiteral("House"));
    setWindowTitle(QStringLiteral("Orvane按揭贷款计算器"));
    setFont(ui_font(Face::SimSun, 10.5));
    // A fixed size: dragging the frame snaps back, minimising still works.
    setFixedSize(twips(kClientWidth), twips(kClientHeight));
    setMouseTracking(true);

    create_controls();
    fit_label_texts(*this);
    set_tab_order();
    watch_keys_and_pointer();

    T_TXT_->setPlainText(tips_.opening());
    Cmd_OK_->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(twips(kOuterWidth) / 2, twips(kOuterHeight) / 2));
    }
}

void House::setMessagePresenter(MessagePresenter presenter) {
    present_message_ = presenter ? std::move(presenter) : MessagePresenter(show_message_box);
}

void House::create_controls() {
    T_TXT_ = new QPlainTextEdit(this);
    T_TXT_->setObjectName(QStringLiteral("T_TXT"));
    T_TXT_->setReadOnly(true);
    T_TXT_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    T_TXT_->setFocusPolicy(Qt::StrongFocus);
    T_TXT_->setTabChangesFocus(true);
    T_TXT_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    T_TXT_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QPalette palette = T_TXT_->palette();
        palette.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
        palette.setColor(QPalette::Text, QToolTip::palette().color(QPalette::ToolTipText));
        T_TXT_->setPalette(palette);
    }
    place(T_TXT_, 6360, 480, 3375, 3495);

    Frame2_ = new QGroupBox(QStringLiteral("等额本金还款方式"), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setFont(tahoma());
    place(Frame2_, 3180, 1560, 2895, 2415);
    place(make_label(Frame2_, "Label12", QStringLiteral("期满时的利息约为:")), 240, 1440, 2055,
          255);
    place(make_label(Frame2_, "Label11", QStringLiteral("您的首月还款额约为:")), 240, 480, 2055,
          255);
    L_YG2_ = make_result(Frame2_, "L_YG2", kDarkBlue);
    place(L_YG2_, 180, 780, 2535, 495);
    L_LX2_ = make_result(Frame2_, "L_LX2", kDarkRed);
    place(L_LX2_, 180, 1740, 2535, 495);

    Frame1_ = new QGroupBox(QStringLiteral("等额本息还款方式"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setFont(tahoma());
    place(Frame1_, 180, 1560, 2895, 2415);
    place(make_label(Frame1_, "Label9", QStringLiteral("期满时的利息约为:")), 240, 1440, 2055, 255);
    L_LX1_ = make_result(Frame1_, "L_LX1", kDarkRed);
    place(L_LX1_, 180, 1740, 2535, 495);
    place(make_label(Frame1_, "Label2", QStringLiteral("您的月还款额约为:")), 240, 480, 2055, 255);
    L_YG1_ = make_result(Frame1_, "L_YG1", kDarkBlue);
    place(L_YG1_, 180, 780, 2535, 495);

    QStringList years;
    for (const auto& item : mortgage::term_items()) {
        years << QString::fromStdString(item);
    }
    Combo_Years_ = make_list(this, "Combo_Years", years, 1200, 255, 1515);
    T_lilv_ = make_number_box(this, "T_lilv");
    place(T_lilv_, 4260, 255, 1215, 375);
    Combo_Youhui_ =
        make_list(this, "Combo_Youhui",
                  {QString(), QString::fromUtf8(mortgage::kRaise.data(), mortgage::kRaise.size()),
                   QString::fromUtf8(mortgage::kLower.data(), mortgage::kLower.size())},
                  1200, 885, 975);
    T_Fudong_ = make_number_box(this, "T_Fudong");
    T_Fudong_->setEnabled(false);
    place(T_Fudong_, 2160, 885, 555, 375);
    T_Cash_ = make_number_box(this, "T_Cash");
    place(T_Cash_, 4260, 885, 1215, 375);

    Cmd_OK_ = new QPushButton(QStringLiteral("计算(&O)"), this);
    Cmd_OK_->setObjectName(QStringLiteral("Cmd_OK"));
    place(Cmd_OK_, 4800, 4140, 1275, 435);

    place(make_label(this, "Label1", QStringLiteral("按揭贷款小贴士:")), 6360, 240, 1695, 195);
    L_Normal_ = make_label(this, "L_Normal", QStringLiteral("F1 = 标准计算器"));
    place(L_Normal_, 6360, 4140, 1395, 195);
    L_BDS_ = make_label(this, "L_BDS", QStringLiteral("F2 = 表达式计算器"));
    place(L_BDS_, 8160, 4140, 1575, 195);
    for (QLabel* link : {L_Normal_, L_BDS_}) {
        link->setFont(ui_font(Face::SimSun, 9));
        link->setMouseTracking(true);
        set_switch_colour(link, palette().color(QPalette::ButtonText));
    }

    const struct {
        const char* name;
        QString text;
        int left, top, width;
    } captions[] = {
        {"Label8", QStringLiteral("利率浮动:") + spaces(28) + QStringLiteral("%"), 180, 945, 2835},
        {"Label3", QStringLiteral("贷款金额:") + spaces(23) + QStringLiteral("万元"), 3240, 945,
         2715},
        {"Label5", QStringLiteral("基准利率:") + spaces(23) + QStringLiteral("%/年"), 3240, 315,
         2835},
        {"Label4", QStringLiteral("贷款期限:") + spaces(28) + QStringLiteral("年"), 180, 315, 2895},
    };
    for (const auto& c : captions) {
        QLabel* label = make_label(this, c.name, c.text);
        label->setFont(tahoma());
        place(label, c.left, c.top, c.width, 255);
    }

    // Windowless labels are painted beneath every control, so the lists and boxes in their
    // gaps stay on top and receive the pointer.
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        label->lower();
    }

    connect(Combo_Youhui_, &QComboBox::activated, this, &House::on_direction_chosen);
    connect(Combo_Youhui_, &QComboBox::currentIndexChanged, this, &House::sync_float_box);
    connect(Cmd_OK_, &QPushButton::clicked, this, &House::on_compute);
}

void House::set_tab_order() {
    QWidget* const order[] = {Cmd_OK_,   Combo_Years_, T_lilv_, Combo_Youhui_,
                              T_Fudong_, T_Cash_,      T_TXT_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

// The window sees F1 and F2 before whichever control has the focus, the open lists included.
void House::watch_keys_and_pointer() {
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    for (QComboBox* list : {Combo_Years_, Combo_Youhui_}) {
        list->view()->installEventFilter(this);
    }
    installEventFilter(this);
}

bool House::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat()) {  // with or without a modifier, as elsewhere
                break;
            }
            if (key->key() == Qt::Key_F1) {
                emit switchRequested(CalculatorKind::Standard);
                return true;
            }
            if (key->key() == Qt::Key_F2) {
                emit switchRequested(CalculatorKind::Expression);
                return true;
            }
            break;
        }
        case QEvent::FocusIn: {
            // Only a move of the focus counts, not the window or a popup handing it back.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
                break;
            }
            if (watched == T_lilv_) {
                T_TXT_->setPlainText(tips_.base_rate_tip());
            } else if (watched == Combo_Youhui_) {
                T_TXT_->setPlainText(tips_.float_tip());
            }
            break;
        }
        case QEvent::MouseMove:
            if (watched == L_Normal_ || watched == L_BDS_) {
                set_switch_colour(static_cast<QLabel*>(watched), kHoverRed);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (watched == L_Normal_ || watched == L_BDS_) {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                auto* label = static_cast<QLabel*>(watched);
                if (mouse->button() == Qt::LeftButton &&
                    label->rect().contains(mouse->position().toPoint())) {
                    emit switchRequested(label == L_Normal_ ? CalculatorKind::Standard
                                                            : CalculatorKind::Expression);
                    return true;
                }
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

bool House::is_background(const QPoint& pos) const {
    return rect().contains(pos) && childAt(pos) == nullptr;
}

void House::mousePressEvent(QMouseEvent* event) {
    background_pressed_ =
        event->button() == Qt::LeftButton && is_background(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void House::mouseReleaseEvent(QMouseEvent* event) {
    if (background_pressed_ && event->button() == Qt::LeftButton &&
        is_background(event->position().toPoint())) {
        T_TXT_->setPlainText(tips_.general());
    }
    background_pressed_ = false;
    QWidget::mouseReleaseEvent(event);
}

void House::mouseMoveEvent(QMouseEvent* event) {
    if (is_background(event->position().toPoint())) {
        const QColor normal = palette().color(QPalette::ButtonText);
        set_switch_colour(L_Normal_, normal);
        set_switch_colour(L_BDS_, normal);
    }
    QWidget::mouseMoveEvent(event);
}

void House::set_switch_colour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// A direction enables the float box and puts the caret there; the empty item empties and
// disables it and moves on to the amount.
void House::on_direction_chosen() {
    sync_float_box();
    if (T_Fudong_->isEnabled()) {
        T_Fudong_->setFocus(Qt::OtherFocusReason);
    } else {
        T_Cash_->setFocus(Qt::OtherFocusReason);
    }
}

void House::sync_float_box() {
    const bool direction = !Combo_Youhui_->currentText().isEmpty();
    if (!direction) {
        T_Fudong_->clear();
    }
    T_Fudong_->setEnabled(direction);
}

void House::on_compute() {
    namespace m = mortgage;
    const m::RepaymentInput input{Combo_Years_->currentText().toStdString(),
                                  T_lilv_->text().toStdString(),
                                  Combo_Youhui_->currentText().toStdString(),
                                  T_Fudong_->text().toStdString(), T_Cash_->text().toStdString()};
    const auto outcome = m::compute_repayment(input);

    if (const auto* failure = std::get_if<m::ValidationFailure>(&outcome)) {
        QWidget* const focus_before = focusWidget();
        present_message_(
            this, display_lines(failure->message), QString::fromStdString(failure->title),
            failure->icon == m::Icon::Critical ? QMessageBox::Critical : QMessageBox::Warning);
        QWidget* target = nullptr;
        switch (failure->focus) {
            case m::Field::Years:
                target = Combo_Years_;
                break;
            case m::Field::BaseRate:
                target = T_lilv_;
                break;
            case m::Field::Float:
                target = T_Fudong_;
                break;
            case m::Field::Amount:
                target = T_Cash_;
                break;
            case m::Field::Unchanged:
                break;
        }
        if (target != nullptr) {
            target->setFocus(Qt::OtherFocusReason);
            // While the message box was up the window was inactive, so the focus arrives as a
            // window activation, which the tips ignore: the move is this one.
            if (target == T_lilv_ && focus_before != target) {
                T_TXT_->setPlainText(tips_.base_rate_tip());
            }
        }
        return;
    }
    const auto& results = std::get<m::RepaymentResults>(outcome);
    L_YG1_->setText(QString::fromStdString(results.instalment_payment));
    L_LX1_->setText(QString::fromStdString(results.instalment_interest));
    L_YG2_->setText(QString::fromStdString(results.principal_payment));
    L_LX2_->setText(QString::fromStdString(results.principal_interest));
}

}  // namespace orvane
