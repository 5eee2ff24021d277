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
#include <algorithm>
#include <variant>

#include "mortgage/loan.h"
#include "mortgage/schedule.h"
#include "ui/common/calculator_switch.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"
#include "ui/mortgage/loan_forms_panel.h"
#include "ui/mortgage/schedule_module.h"

namespace orvane {
namespace {

// Client area and outer size of the window, in twips.
constexpr int kClientWidth = 9915;
constexpr int kClientHeight = 4725;
constexpr int kOuterWidth = 10035;
constexpr int kOuterHeight = 5205;

// The margin around the loan forms, which open below the classic window.
constexpr int kLoanFormsMargin = 180;

constexpr double kResultPoints = 21.75;
constexpr double kSmallestResultPoints = 6;

const QColor kDarkBlue(0, 0, 192);
const QColor kDarkRed(192, 0, 0);
const QColor kHoverRed(255, 0, 0);

QFont tahoma() {
    return ui_font(Face::tahoma, 10.5);
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
    label->setFont(ui_font(Face::tahoma, 21.75, true));
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
    list->setGeometry(px_from_twips(left), px_from_twips(top), px_from_twips(width),
                      list->sizeHint().height());
    return list;
}

// A result caption is never cut: a text wider than its label (a result in exponent form)
// gets a smaller font.
void show_result(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    QFont font = label->font();
    font.setPointSizeF(kResultPoints);
    const int room = label->contentsRect().width();
    while (QFontMetrics(font).horizontalAdvance(label->text()) > room &&
           font.pointSizeF() > kSmallestResultPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
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
      present_message_(show_message_box),
      open_schedule_(open_schedule_window) {
    setObjectName(QStringLiteral("House"));
    setWindowTitle(QStringLiteral("Orvane按揭贷款计算器"));
    setFont(ui_font(Face::sim_sun, 10.5));
    // A fixed size: dragging the frame snaps back, minimising still works.
    setFixedSize(px_from_twips(kClientWidth), px_from_twips(kClientHeight));
    setMouseTracking(true);

    create_controls();
    fit_label_texts(*this);
    set_tab_order();
    watch_keys_and_pointer();

    tips_box_->setPlainText(tips_.opening());
    compute_button_->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() -
             QPoint(px_from_twips(kOuterWidth) / 2, px_from_twips(kOuterHeight) / 2));
    }
}

void House::set_message_presenter(MessagePresenter presenter) {
    present_message_ = presenter ? std::move(presenter) : MessagePresenter(show_message_box);
}

void House::set_schedule_opener(ScheduleOpener opener) {
    open_schedule_ = opener ? std::move(opener) : ScheduleOpener(open_schedule_window);
}

void House::create_controls() {
    tips_box_ = new QPlainTextEdit(this);
    tips_box_->setObjectName(QStringLiteral("T_TXT"));
    tips_box_->setReadOnly(true);
    tips_box_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    tips_box_->setFocusPolicy(Qt::StrongFocus);
    tips_box_->setTabChangesFocus(true);
    tips_box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tips_box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QPalette palette = tips_box_->palette();
        palette.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
        palette.setColor(QPalette::Text, QToolTip::palette().color(QPalette::ToolTipText));
        tips_box_->setPalette(palette);
    }
    place(tips_box_, 6360, 480, 3375, 3495);

    principal_frame_ = new QGroupBox(QStringLiteral("等额本金还款方式"), this);
    principal_frame_->setObjectName(QStringLiteral("Frame2"));
    principal_frame_->setFont(tahoma());
    place(principal_frame_, 3180, 1560, 2895, 2415);
    place(make_label(principal_frame_, "Label12", QStringLiteral("期满时的利息约为:")), 240, 1440,
          2055, 255);
    place(make_label(principal_frame_, "Label11", QStringLiteral("您的首月还款额约为:")), 240, 480,
          2055, 255);
    principal_first_payment_ = make_result(principal_frame_, "L_YG2", kDarkBlue);
    principal_first_payment_->setAccessibleName(QStringLiteral("您的首月还款额约为"));
    place(principal_first_payment_, 180, 780, 2535, 495);
    principal_interest_ = make_result(principal_frame_, "L_LX2", kDarkRed);
    principal_interest_->setAccessibleName(QStringLiteral("期满时的利息约为"));
    place(principal_interest_, 180, 1740, 2535, 495);

    instalment_frame_ = new QGroupBox(QStringLiteral("等额本息还款方式"), this);
    instalment_frame_->setObjectName(QStringLiteral("Frame1"));
    instalment_frame_->setFont(tahoma());
    place(instalment_frame_, 180, 1560, 2895, 2415);
    place(make_label(instalment_frame_, "Label9", QStringLiteral("期满时的利息约为:")), 240, 1440,
          2055, 255);
    instalment_interest_ = make_result(instalment_frame_, "L_LX1", kDarkRed);
    instalment_interest_->setAccessibleName(QStringLiteral("期满时的利息约为"));
    place(instalment_interest_, 180, 1740, 2535, 495);
    place(make_label(instalment_frame_, "Label2", QStringLiteral("您的月还款额约为:")), 240, 480,
          2055, 255);
    instalment_payment_ = make_result(instalment_frame_, "L_YG1", kDarkBlue);
    instalment_payment_->setAccessibleName(QStringLiteral("您的月还款额约为"));
    place(instalment_payment_, 180, 780, 2535, 495);

    QStringList years;
    for (const auto& item : mortgage::term_items()) {
        years << QString::fromStdString(item);
    }
    term_list_ = make_list(this, "Combo_Years", years, 1200, 255, 1515);
    term_list_->setAccessibleName(QStringLiteral("贷款期限"));
    base_rate_box_ = make_number_box(this, "T_lilv");
    base_rate_box_->setAccessibleName(QStringLiteral("基准利率"));
    place(base_rate_box_, 4260, 255, 1215, 375);
    float_direction_list_ =
        make_list(this, "Combo_Youhui",
                  {QString(), QString::fromUtf8(mortgage::kRaise.data(), mortgage::kRaise.size()),
                   QString::fromUtf8(mortgage::kLower.data(), mortgage::kLower.size())},
                  1200, 885, 975);
    float_direction_list_->setAccessibleName(QStringLiteral("利率浮动方向"));
    float_box_ = make_number_box(this, "T_Fudong");
    float_box_->setAccessibleName(QStringLiteral("利率浮动"));
    float_box_->setEnabled(false);
    place(float_box_, 2160, 885, 555, 375);
    amount_box_ = make_number_box(this, "T_Cash");
    amount_box_->setAccessibleName(QStringLiteral("贷款金额"));
    place(amount_box_, 4260, 885, 1215, 375);

    compute_button_ = new QPushButton(QStringLiteral("计算(&O)"), this);
    compute_button_->setObjectName(QStringLiteral("Cmd_OK"));
    place(compute_button_, 4800, 4140, 1275, 435);
    // Left of Cmd_OK, below the equal-principal frame; usable once a loan has been computed.
    schedule_button_ = new QPushButton(QStringLiteral("还款明细"), this);
    schedule_button_->setObjectName(QStringLiteral("Cmd_Schedule"));
    schedule_button_->setEnabled(false);
    place(schedule_button_, 3420, 4140, 1275, 435);

    place(make_label(this, "Label1", QStringLiteral("按揭贷款小贴士:")), 6360, 240, 1695, 195);
    standard_switch_ = make_label(this, "L_Normal", QStringLiteral("F1 = 标准计算器"));
    place(standard_switch_, 6360, 4140, 1395, 195);
    expression_switch_ = make_label(this, "L_BDS", QStringLiteral("F2 = 表达式计算器"));
    place(expression_switch_, 8160, 4140, 1575, 195);
    // Opens the loan forms below; the window grows to hold them.
    loan_forms_button_ = new QPushButton(QStringLiteral("贷款方式(&K)"), this);
    loan_forms_button_->setObjectName(QStringLiteral("Cmd_Loan"));
    loan_forms_button_->setCheckable(true);
    place(loan_forms_button_, 180, 4140, 1635, 435);

    for (QLabel* link : {standard_switch_, expression_switch_}) {
        link->setFont(ui_font(Face::sim_sun, 9));
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

    connect(float_direction_list_, &QComboBox::activated, this, &House::on_direction_chosen);
    connect(float_direction_list_, &QComboBox::currentIndexChanged, this, &House::sync_float_box);
    connect(compute_button_, &QPushButton::clicked, this, &House::on_compute);
    connect(schedule_button_, &QPushButton::clicked, this, &House::on_schedule);
    connect(loan_forms_button_, &QPushButton::toggled, this, &House::on_loan_forms_toggled);
}

// The loan forms are made when first opened, so that the classic window opens as fast as ever.
void House::create_loan_forms() {
    loan_forms_ = new LoanFormsPanel(this);
    connect(loan_forms_, &LoanFormsPanel::forms_changed, this, &House::sync_classic_inputs);
    connect(loan_forms_, &LoanFormsPanel::lpr_focused, this,
            [this] { tips_box_->setPlainText(tips_.lpr_tip()); });
    connect(loan_forms_, &LoanFormsPanel::kind_focused, this,
            [this] { tips_box_->setPlainText(tips_.combined_tip()); });
    // F1 and F2 work there too, open lists included.
    for (QWidget* child : loan_forms_->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    for (QComboBox* list : loan_forms_->findChildren<QComboBox*>()) {
        list->view()->installEventFilter(this);
    }
    // In reading order after their button, then on to 计算 as before.
    QWidget* previous = loan_forms_button_;
    for (QWidget* next : loan_forms_->focus_chain()) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void House::on_loan_forms_toggled(bool open) {
    if (open && loan_forms_ == nullptr) {
        create_loan_forms();
    }
    const int width = px_from_twips(kClientWidth);
    int height = px_from_twips(kClientHeight);
    if (open) {
        const int margin = px_from_twips(kLoanFormsMargin);
        const int panel_height = loan_forms_->sizeHint().height();
        loan_forms_->setGeometry(margin, height, width - 2 * margin, panel_height);
        height += panel_height + margin;
    }
    if (loan_forms_ != nullptr) {
        loan_forms_->setVisible(open);
    }
    setFixedSize(width, height);
    sync_classic_inputs();
    // Grown downwards, the window moves up as far as it must to stay on the screen.
    if (const QScreen* shown_on = screen(); open && shown_on != nullptr) {
        const QRect area = shown_on->availableGeometry();
        const int frame = frameGeometry().height() - geometry().height();
        const int overflow = pos().y() + frame + height - (area.y() + area.height());
        if (overflow > 0) {
            move(pos().x(), std::max(area.y(), pos().y() - overflow));
        }
    }
}

// With the loan forms open, the classic boxes that the chosen forms do not read are disabled.
void House::sync_classic_inputs() {
    const bool open = loan_forms_button_->isChecked() && loan_forms_ != nullptr;
    const bool base_rate = !open || !loan_forms_->lpr_form();
    base_rate_box_->setEnabled(base_rate);
    float_direction_list_->setEnabled(base_rate);
    float_box_->setEnabled(base_rate && !float_direction_list_->currentText().isEmpty());
    amount_box_->setEnabled(!open || !loan_forms_->from_price());
}

void House::set_tab_order() {
    // The loan forms come after the classic inputs: the button, then its part in reading order.
    QList<QWidget*> order{compute_button_,       schedule_button_, term_list_,  base_rate_box_,
                          float_direction_list_, float_box_,       amount_box_, tips_box_,
                          loan_forms_button_};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

// The window sees the switch keys before whichever control has the focus, the open lists
// included.
void House::watch_keys_and_pointer() {
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    for (QComboBox* list : {term_list_, float_direction_list_}) {
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
            if (const auto target = switch_target_for_key(key->key(), CalculatorKind::mortgage)) {
                request_switch_later(this, *target);
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
            if (watched == base_rate_box_) {
                tips_box_->setPlainText(tips_.base_rate_tip());
            } else if (watched == float_direction_list_) {
                tips_box_->setPlainText(tips_.float_tip());
            }
            break;
        }
        case QEvent::MouseMove:
            if (watched == standard_switch_ || watched == expression_switch_) {
                set_switch_colour(static_cast<QLabel*>(watched), kHoverRed);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (watched == standard_switch_ || watched == expression_switch_) {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                auto* label = static_cast<QLabel*>(watched);
                if (mouse->button() == Qt::LeftButton &&
                    label->rect().contains(mouse->position().toPoint())) {
                    request_switch_later(this, label == standard_switch_
                                                   ? CalculatorKind::standard
                                                   : CalculatorKind::expression);
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
        tips_box_->setPlainText(tips_.general());
    }
    background_pressed_ = false;
    QWidget::mouseReleaseEvent(event);
}

void House::mouseMoveEvent(QMouseEvent* event) {
    if (is_background(event->position().toPoint())) {
        const QColor normal = palette().color(QPalette::ButtonText);
        set_switch_colour(standard_switch_, normal);
        set_switch_colour(expression_switch_, normal);
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
    if (float_box_->isEnabled()) {
        float_box_->setFocus(Qt::OtherFocusReason);
    } else {
        amount_box_->setFocus(Qt::OtherFocusReason);
    }
}

void House::sync_float_box() {
    const bool direction = !float_direction_list_->currentText().isEmpty();
    if (!direction) {
        float_box_->clear();
    }
    float_box_->setEnabled(direction);
}

mortgage::LoanInput House::read_inputs() const {
    mortgage::LoanInput input = mortgage::loan_input(
        {term_list_->currentText().toStdString(), base_rate_box_->text().toStdString(),
         float_direction_list_->currentText().toStdString(), float_box_->text().toStdString(),
         amount_box_->text().toStdString()});
    // Closed, the loan forms are not read: the window computes the classic loan.
    if (loan_forms_ != nullptr && loan_forms_button_->isChecked()) {
        loan_forms_->fill(input);
    }
    return input;
}

void House::on_compute() {
    namespace m = mortgage;
    const m::LoanInput input = read_inputs();
    const auto outcome = m::compute_loan(input);
    if (const auto* failure = std::get_if<m::ValidationFailure>(&outcome)) {
        show_failure(*failure);
        return;
    }
    show_results(std::get<m::LoanResults>(outcome));
    // The plan needs figures in its range; the disabled button's tip says why it is off.
    last_loan_ = input;
    const auto terms = m::loan_part_terms(input);
    const auto* beyond = std::get_if<m::PlanFailure>(&terms);
    schedule_button_->setEnabled(std::holds_alternative<std::vector<m::PartTerms>>(terms));
    schedule_button_->setToolTip(beyond != nullptr ? QString::fromStdString(beyond->message)
                                                   : QString());
}

void House::show_failure(const mortgage::ValidationFailure& failure) {
    namespace m = mortgage;
    QWidget* const focus_before = focusWidget();
    present_message_(
        this, display_lines(failure.message), QString::fromStdString(failure.title),
        failure.icon == m::Icon::critical ? QMessageBox::Critical : QMessageBox::Warning);
    QWidget* target = loan_forms_ != nullptr ? loan_forms_->field(failure.focus) : nullptr;
    switch (failure.focus) {
        case m::Field::years:
            target = term_list_;
            break;
        case m::Field::base_rate:
            target = base_rate_box_;
            break;
        case m::Field::rate_float:
            target = float_box_;
            break;
        case m::Field::amount:
            target = amount_box_;
            break;
        default:
            break;
    }
    if (target != nullptr) {
        target->setFocus(Qt::OtherFocusReason);
        // While the message box was up the window was inactive, so the focus arrives as a
        // window activation, which the tips ignore: the move is this one.
        if (target == base_rate_box_ && focus_before != target) {
            tips_box_->setPlainText(tips_.base_rate_tip());
        }
    }
}

void House::show_results(const mortgage::LoanResults& results) {
    show_result(instalment_payment_, results.total.instalment_payment);
    show_result(instalment_interest_, results.total.instalment_interest);
    show_result(principal_first_payment_, results.total.principal_payment);
    show_result(principal_interest_, results.total.principal_interest);
    if (loan_forms_ != nullptr) {
        loan_forms_->show_results(results);
    }
}

// Opens the schedule of the loan last computed, in place of one already open.
void House::on_schedule() {
    if (schedule_) {
        schedule_->close();
    }
    schedule_ = open_schedule_(this, last_loan_);
    if (!schedule_) {
        present_message_(this, QStringLiteral("无法打开还款明细：找不到它的程序模块。"),
                         QStringLiteral("提醒"), QMessageBox::Warning);
        return;
    }
    // The program's face, which a window does not pass on to the windows it opens.
    schedule_->setFont(ui_font(Face::system, 9));
    schedule_->show();
    schedule_->raise();
    schedule_->activateWindow();
}

}  // namespace orvane
