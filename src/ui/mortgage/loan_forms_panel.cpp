#include "ui/mortgage/loan_forms_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <initializer_list>

#include "ui/common/fonts.h"

namespace orvane {
namespace {

namespace m = mortgage;

// Items of the two lists, in the order of their indexes.
enum KindItem { commercial_item, fund_item, combined_item };
enum RateFormItem { base_rate_item, lpr_item };

QLineEdit* make_box(QWidget* parent, const char* name, const QString& spoken) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setAccessibleName(spoken);
    return box;
}

QComboBox* make_list(QWidget* parent, const char* name, const QStringList& items,
                     const QString& spoken) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    list->setAccessibleName(spoken);
    return list;
}

QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, parent);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
    }
    return label;
}

std::string text_of(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace

LoanFormsPanel::LoanFormsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame_Loan"));
    setFont(ui_font(Face::tahoma, 10.5));
    create_controls();
    sync_enabled();
}

void LoanFormsPanel::create_controls() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    kind_list_ = make_list(
        this, "Combo_Kind",
        {QStringLiteral("商业贷款"), QStringLiteral("公积金贷款"), QStringLiteral("组合贷款")},
        QStringLiteral("贷款种类"));
    rate_form_list_ = make_list(this, "Combo_RateForm",
                                {QStringLiteral("基准利率及浮动"), QStringLiteral("LPR加点")},
                                QStringLiteral("利率方式"));
    grid->addWidget(caption(this, QStringLiteral("贷款种类:"), kind_list_), 0, 0);
    grid->addWidget(kind_list_, 0, 1, 1, 2);
    grid->addWidget(caption(this, QStringLiteral("利率方式:"), rate_form_list_), 0, 3);
    grid->addWidget(rate_form_list_, 0, 4, 1, 2);

    lpr_box_ = make_box(this, "T_LPR", QStringLiteral("LPR"));
    points_box_ = make_box(this, "T_BP", QStringLiteral("加点"));
    grid->addWidget(caption(this, QStringLiteral("LPR:"), lpr_box_), 1, 0);
    grid->addWidget(lpr_box_, 1, 1);
    grid->addWidget(caption(this, QStringLiteral("%/年")), 1, 2);
    grid->addWidget(caption(this, QStringLiteral("加点:"), points_box_), 1, 3);
    grid->addWidget(points_box_, 1, 4);
    grid->addWidget(caption(this, QStringLiteral("基点(可为负)")), 1, 5);

    fund_amount_box_ = make_box(this, "T_FundCash", QStringLiteral("公积金贷款金额"));
    fund_rate_box_ = make_box(this, "T_FundRate", QStringLiteral("公积金贷款利率"));
    grid->addWidget(caption(this, QStringLiteral("公积金贷款:"), fund_amount_box_), 2, 0);
    grid->addWidget(fund_amount_box_, 2, 1);
    grid->addWidget(caption(this, QStringLiteral("万元")), 2, 2);
    grid->addWidget(caption(this, QStringLiteral("公积金利率:"), fund_rate_box_), 2, 3);
    grid->addWidget(fund_rate_box_, 2, 4);
    grid->addWidget(caption(this, QStringLiteral("%/年")), 2, 5);

    price_check_ = new QCheckBox(QStringLiteral("按房屋总价和首付比例计算贷款金额"), this);
    price_check_->setObjectName(QStringLiteral("C_Price"));
    grid->addWidget(price_check_, 3, 0, 1, 6);
    price_box_ = make_box(this, "T_Price", QStringLiteral("房屋总价"));
    down_box_ = make_box(this, "T_Down", QStringLiteral("首付比例"));
    grid->addWidget(caption(this, QStringLiteral("房屋总价:"), price_box_), 4, 0);
    grid->addWidget(price_box_, 4, 1);
    grid->addWidget(caption(this, QStringLiteral("万元")), 4, 2);
    grid->addWidget(caption(this, QStringLiteral("首付比例:"), down_box_), 4, 3);
    grid->addWidget(down_box_, 4, 4);
    grid->addWidget(caption(this, QStringLiteral("%")), 4, 5);

    down_payment_ = new QLabel(this);
    down_payment_->setObjectName(QStringLiteral("L_Down"));
    down_payment_->setAccessibleName(QStringLiteral("首付款与贷款金额"));
    grid->addWidget(down_payment_, 5, 0, 1, 6);

    // The parts of a combined loan: a heading row, then one row per part.
    parts_table_ = new QWidget(this);
    parts_table_->setObjectName(QStringLiteral("Parts"));
    auto* parts = new QGridLayout(parts_table_);
    parts->setContentsMargins(0, 0, 0, 0);
    parts->setHorizontalSpacing(10);
    const QString headings[] = {QStringLiteral("月还款额"), QStringLiteral("利息(等额本息)"),
                                QStringLiteral("首月还款额"), QStringLiteral("利息(等额本金)")};
    const char* const figure_names[] = {"YG1", "LX1", "YG2", "LX2"};
    for (int column = 0; column < 4; ++column) {
        parts->addWidget(caption(parts_table_, headings[column]), 0, column + 1, Qt::AlignRight);
    }
    for (int row = 0; row < 2; ++row) {
        part_names_[row] = new QLabel(parts_table_);
        part_names_[row]->setObjectName(QStringLiteral("L_Part%1").arg(row + 1));
        parts->addWidget(part_names_[row], row + 1, 0);
        for (int column = 0; column < 4; ++column) {
            auto* figure = new QLabel(parts_table_);
            figure->setObjectName(QStringLiteral("L_Part%1_%2")
                                      .arg(row + 1)
                                      .arg(QLatin1String(figure_names[column])));
            figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            parts->addWidget(figure, row + 1, column + 1);
            part_figures_[row][column] = figure;
        }
    }
    grid->addWidget(parts_table_, 6, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    auto* hint = new QLabel(
        QStringLiteral("组合贷款：上方的利率为商业贷款部分的利率，上方的贷款金额为两部分之和；"
                       "按房屋总价计算时不用上方的贷款金额。"),
        this);
    hint->setObjectName(QStringLiteral("L_LoanHint"));
    hint->setWordWrap(true);
    grid->addWidget(hint, 7, 0, 1, 6);

    for (QComboBox* list : {kind_list_, rate_form_list_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &LoanFormsPanel::sync_enabled);
    }
    connect(price_check_, &QCheckBox::toggled, this, &LoanFormsPanel::sync_enabled);
    for (QWidget* field :
         std::initializer_list<QWidget*>{kind_list_, rate_form_list_, lpr_box_, points_box_,
                                         fund_amount_box_, fund_rate_box_}) {
        field->installEventFilter(this);
    }
}

bool LoanFormsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Only a move of the focus counts, not the window or a popup handing it back.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == rate_form_list_ || watched == lpr_box_ || watched == points_box_) {
                emit lpr_focused();
            } else {
                emit kind_focused();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Only the boxes that the chosen forms read are enabled.
void LoanFormsPanel::sync_enabled() {
    const bool combined = kind_list_->currentIndex() == combined_item;
    lpr_box_->setEnabled(lpr_form());
    points_box_->setEnabled(lpr_form());
    fund_amount_box_->setEnabled(combined);
    fund_rate_box_->setEnabled(combined);
    price_box_->setEnabled(from_price());
    down_box_->setEnabled(from_price());
    emit forms_changed();
}

bool LoanFormsPanel::lpr_form() const {
    return rate_form_list_->currentIndex() == lpr_item;
}

bool LoanFormsPanel::from_price() const {
    return price_check_->isChecked();
}

void LoanFormsPanel::fill(m::LoanInput& input) const {
    switch (kind_list_->currentIndex()) {
        case fund_item:
            input.kind = m::LoanKind::fund;
            break;
        case combined_item:
            input.kind = m::LoanKind::combined;
            break;
        default:
            input.kind = m::LoanKind::commercial;
            break;
    }
    if (lpr_form()) {
        input.rate.form = m::RateForm::lpr;
        input.rate.lpr = text_of(lpr_box_);
        input.rate.basis_points = text_of(points_box_);
    }
    input.fund_rate.base_rate = text_of(fund_rate_box_);
    input.fund_amount = text_of(fund_amount_box_);
    input.from_price = from_price();
    input.price = text_of(price_box_);
    input.down_percent = text_of(down_box_);
}

void LoanFormsPanel::show_results(const m::LoanResults& results) {
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    if (results.loan_amount && results.down_payment) {
        down_payment_->setText(QStringLiteral("首付款 %1 元，贷款金额 %2 元")
                                   .arg(text(*results.down_payment), text(*results.loan_amount)));
    } else {
        down_payment_->clear();
    }
    const bool parts = results.parts.size() > 1;
    for (int row = 0; row < 2; ++row) {
        const m::LoanPart* part = parts ? &results.parts[static_cast<std::size_t>(row)] : nullptr;
        part_names_[row]->setText(part == nullptr                   ? QString()
                                  : part->kind == m::LoanKind::fund ? QStringLiteral("公积金部分")
                                                                    : QStringLiteral("商业部分"));
        const std::string* figures[] = {nullptr, nullptr, nullptr, nullptr};
        if (part != nullptr) {
            figures[0] = &part->results.instalment_payment;
            figures[1] = &part->results.instalment_interest;
            figures[2] = &part->results.principal_payment;
            figures[3] = &part->results.principal_interest;
        }
        for (int column = 0; column < 4; ++column) {
            part_figures_[row][column]->setText(figures[column] ? text(*figures[column])
                                                                : QString());
        }
    }
}

QWidget* LoanFormsPanel::field(m::Field field) const {
    switch (field) {
        case m::Field::lpr:
            return lpr_box_;
        case m::Field::basis_points:
            return points_box_;
        case m::Field::fund_rate:
            return fund_rate_box_;
        case m::Field::fund_amount:
            return fund_amount_box_;
        case m::Field::price:
            return price_box_;
        case m::Field::down_percent:
            return down_box_;
        default:
            return nullptr;
    }
}

QList<QWidget*> LoanFormsPanel::focus_chain() const {
    return {kind_list_,     rate_form_list_, lpr_box_,   points_box_, fund_amount_box_,
            fund_rate_box_, price_check_,    price_box_, down_box_};
}

}  // namespace orvane
