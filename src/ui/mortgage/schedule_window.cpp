#include "ui/mortgage/schedule_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>
#include <variant>

#include "mortgage/schedule_csv.h"
#include "ui/mortgage/schedule_chart.h"
#include "ui/mortgage/schedule_model.h"

namespace orvane {
namespace {

namespace m = mortgage;

constexpr m::Scheme kSchemes[] = {m::Scheme::equal_instalment, m::Scheme::equal_principal};

std::size_t slot(m::Scheme scheme) {
    return scheme == m::Scheme::equal_instalment ? 0 : 1;
}

QString money(std::int64_t cents) {
    return QString::fromStdString(m::cents_grouped(cents));
}

QString ask_save_path(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("导出CSV"),
                                        QStringLiteral("还款明细.csv"),
                                        QStringLiteral("CSV 文件 (*.csv)"));
}

void show_warning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("提醒"), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

ScheduleWindow::ScheduleWindow(const m::LoanInput& input, QWidget* parent)
    : QWidget(parent, Qt::Window),
      input_(input),
      choose_save_path_(ask_save_path),
      present_message_(show_warning) {
    setObjectName(QStringLiteral("ScheduleWindow"));
    setWindowTitle(QStringLiteral("还款明细"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The mortgage window enables its button only for a loan that has terms.
    const auto outcome = m::loan_part_terms(input_);
    if (const auto* parts = std::get_if<std::vector<m::PartTerms>>(&outcome)) {
        parts_ = *parts;
    }
    const auto computed = m::compute_loan(input_);
    if (const auto* results = std::get_if<m::LoanResults>(&computed)) {
        captions_ = results->total;
    }
    create_controls();
    show_plans(false);
    resize(960, 640);
}

void ScheduleWindow::set_save_path_chooser(SavePathChooser chooser) {
    choose_save_path_ = chooser ? std::move(chooser) : SavePathChooser(ask_save_path);
}

void ScheduleWindow::set_message_presenter(MessagePresenter presenter) {
    present_message_ = presenter ? std::move(presenter) : MessagePresenter(show_warning);
}

const ScheduleModel& ScheduleWindow::model(m::Scheme scheme) const {
    return *models_[slot(scheme)];
}

void ScheduleWindow::create_controls() {
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(summary_text(), this);
    summary->setObjectName(QStringLiteral("summary"));
    layout->addWidget(summary);

    auto* prepay_box = new QGroupBox(QStringLiteral("提前还款"), this);
    auto* prepay_row = new QHBoxLayout(prepay_box);
    prepay_amount_ = new QLineEdit(prepay_box);
    prepay_amount_->setObjectName(QStringLiteral("prepay_amount"));
    prepay_amount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    prepay_amount_->setPlaceholderText(QStringLiteral("0.00"));
    prepay_month_ = new QSpinBox(prepay_box);
    prepay_month_->setObjectName(QStringLiteral("prepay_month"));
    prepay_month_->setRange(1, std::max(parts_.empty() ? 1 : parts_.front().terms.months, 1));
    prepay_mode_ = new QComboBox(prepay_box);
    prepay_mode_->setObjectName(QStringLiteral("prepay_mode"));
    prepay_mode_->addItems({QStringLiteral("缩短期限"), QStringLiteral("减少月供")});
    auto* apply = new QPushButton(QStringLiteral("计算提前还款"), prepay_box);
    apply->setObjectName(QStringLiteral("prepay_apply"));
    auto* clear = new QPushButton(QStringLiteral("不提前还款"), prepay_box);
    clear->setObjectName(QStringLiteral("prepay_clear"));
    prepay_row->addWidget(new QLabel(QStringLiteral("金额:"), prepay_box));
    prepay_row->addWidget(prepay_amount_);
    prepay_row->addWidget(new QLabel(QStringLiteral("元，随第"), prepay_box));
    prepay_row->addWidget(prepay_month_);
    prepay_row->addWidget(new QLabel(QStringLiteral("期月供一并还入，之后"), prepay_box));
    prepay_row->addWidget(prepay_mode_);
    prepay_row->addWidget(apply);
    prepay_row->addWidget(clear);
    prepay_row->addStretch();
    layout->addWidget(prepay_box);

    savings_ = new QLabel(this);
    savings_->setObjectName(QStringLiteral("savings"));
    savings_->setWordWrap(true);
    layout->addWidget(savings_);
    create_part_choices(prepay_row, layout);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    for (const auto scheme : kSchemes) {
        auto* page = new QWidget(tabs_);
        auto* row = new QHBoxLayout(page);
        auto* left = new QVBoxLayout;
        models_[slot(scheme)] = new ScheduleModel(this);
        auto* table = new QTableView(page);
        table->setObjectName(scheme == m::Scheme::equal_instalment
                                 ? QStringLiteral("table_equal_instalment")
                                 : QStringLiteral("table_equal_principal"));
        table->setModel(models_[slot(scheme)]);
        table->verticalHeader()->hide();
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        left->addWidget(table);
        auto* note = new QLabel(page);
        note->setWordWrap(true);
        note->setObjectName(QStringLiteral("note"));
        note->setText(note_text(scheme));
        left->addWidget(note);
        row->addLayout(left, 3);
        charts_[slot(scheme)] = new ScheduleChart(page);
        row->addWidget(charts_[slot(scheme)], 2);
        tabs_->addTab(page, scheme == m::Scheme::equal_instalment ? QStringLiteral("等额本息")
                                                                  : QStringLiteral("等额本金"));
    }
    layout->addWidget(tabs_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* export_button = new QPushButton(QStringLiteral("导出CSV"), this);
    export_button->setObjectName(QStringLiteral("export_csv"));
    bottom->addWidget(export_button);
    layout->addLayout(bottom);

    connect(apply, &QPushButton::clicked, this, &ScheduleWindow::on_prepay);
    connect(clear, &QPushButton::clicked, this, [this] {
        prepay_amount_->clear();
        show_plans(false);
    });
    connect(export_button, &QPushButton::clicked, this, &ScheduleWindow::on_export);
}

QString ScheduleWindow::summary_text() const {
    if (parts_.empty()) {
        return QString();
    }
    const auto rate_text = [](const m::LoanTerms& terms) {
        return QString::fromStdString(
            round(multiply(terms.monthly_rate, Decimal::from_int(100)).value, 6).text());
    };
    const m::LoanTerms& first = parts_.front().terms;
    if (parts_.size() == 1) {
        return QStringLiteral("贷款金额 %1 元，期限 %2 年（%3 期），月利率 %4%")
            .arg(money(first.loan), QString::fromStdString(input_.years))
            .arg(first.months)
            .arg(rate_text(first));
    }
    std::int64_t loan = 0;
    QStringList parts;
    for (const auto& part : parts_) {
        loan += part.terms.loan;
        parts << QStringLiteral("%1 %2 元，月利率 %3%")
                     .arg(part.kind == m::LoanKind::fund ? QStringLiteral("公积金贷款")
                                                         : QStringLiteral("商业贷款"),
                          money(part.terms.loan), rate_text(part.terms));
    }
    return QStringLiteral("组合贷款 %1 元（%2），期限 %3 年（%4 期）")
        .arg(money(loan), parts.join(QStringLiteral("；")), QString::fromStdString(input_.years))
        .arg(first.months);
}

QString ScheduleWindow::note_text(m::Scheme scheme) const {
    if (parts_.size() > 1) {
        return scheme == m::Scheme::equal_instalment
                   ? QStringLiteral(
                         "合计为两部分逐月之和：每部分按自己的月供（到分）和利率计算，"
                         "末期月供含舍入差额。")
                   : QStringLiteral("合计为两部分逐月之和：每部分的每月本金按整元计，末期取余数。");
    }
    if (parts_.empty()) {
        return QString();
    }
    const m::LoanTerms& terms = parts_.front().terms;
    if (scheme == m::Scheme::equal_instalment) {
        return QStringLiteral(
                   "每期月供取“月还款额” %1 元（到分），利息按剩余本金逐月计算到分，"
                   "末期月供含舍入差额；长期贷款的利息合计因此可能与“期满时的利息”相差几元。")
            .arg(money(terms.instalment_payment));
    }
    return QStringLiteral(
               "每月本金按整元 %1 元计（贷款÷期数后四舍五入），末期取余数；"
               "因此首月月供可能与“首月还款额” %2 元相差不到 1 元。")
        .arg(money(terms.principal_share), QString::fromStdString(captions_.principal_payment));
}

// A combined loan: which part an early repayment goes to, and which plan the tables show.
void ScheduleWindow::create_part_choices(QBoxLayout* prepay_row, QBoxLayout* layout) {
    if (parts_.size() < 2) {
        return;
    }
    prepay_part_ = new QComboBox(this);
    prepay_part_->setObjectName(QStringLiteral("prepay_part"));
    prepay_part_->addItems({QStringLiteral("商业贷款"), QStringLiteral("公积金贷款")});
    prepay_part_->setAccessibleName(QStringLiteral("提前还款用于"));
    auto* prepay_label = new QLabel(QStringLiteral("用于:"), this);
    prepay_label->setBuddy(prepay_part_);
    // Before the two buttons: amount, month, mode, part, then apply.
    const int buttons = prepay_row->count() - 3;
    prepay_row->insertWidget(buttons, prepay_part_);
    prepay_row->insertWidget(buttons, prepay_label);

    auto* view_row = new QHBoxLayout;
    view_part_ = new QComboBox(this);
    view_part_->setObjectName(QStringLiteral("view_part"));
    view_part_->addItems(
        {QStringLiteral("合计"), QStringLiteral("公积金贷款"), QStringLiteral("商业贷款")});
    view_part_->setAccessibleName(QStringLiteral("显示"));
    auto* view_label = new QLabel(QStringLiteral("显示:"), this);
    view_label->setBuddy(view_part_);
    view_row->addWidget(view_label);
    view_row->addWidget(view_part_);
    view_row->addStretch();
    layout->addLayout(view_row);
    connect(view_part_, &QComboBox::currentIndexChanged, this, &ScheduleWindow::show_view);
}

void ScheduleWindow::show_plans(bool with_prepayment) {
    const auto target = prepay_part_ != nullptr && prepay_part_->currentIndex() == 1
                            ? m::LoanKind::fund
                            : m::LoanKind::commercial;
    QStringList lines;
    for (const auto scheme : kSchemes) {
        const auto without = m::make_loan_plan(parts_, scheme, std::nullopt, target);
        auto plan = with_prepayment ? m::make_loan_plan(parts_, scheme, prepay_, target) : without;
        if (!plan || !without) {
            plan = m::LoanPlan{m::Plan{scheme, {}}, {}};
        }
        if (with_prepayment && without) {
            const auto saved = m::savings(without->total, plan->total);
            const QString name = scheme == m::Scheme::equal_instalment ? QStringLiteral("等额本息")
                                                                       : QStringLiteral("等额本金");
            lines << (saved.applied == 0
                          ? QStringLiteral("%1：第 %2 期还款后已无剩余本金，提前还款不起作用。")
                                .arg(name)
                                .arg(prepay_.month)
                          : QStringLiteral("%1：提前还款 %2 元，节省利息 %3 元，少还 %4 期。")
                                .arg(name, money(saved.applied), money(saved.interest))
                                .arg(saved.months));
        }
        plans_[slot(scheme)] = std::move(*plan);
    }
    savings_->setText(lines.isEmpty() ? QStringLiteral("未提前还款。") : lines.join(u'\n'));
    show_view();
}

// The sum of a combined loan, or the part chosen; a one-part loan's only plan.
void ScheduleWindow::show_view() {
    const int view = view_part_ != nullptr ? view_part_->currentIndex() : 0;
    for (const auto scheme : kSchemes) {
        const m::LoanPlan& loan = plans_[slot(scheme)];
        const auto part = static_cast<std::size_t>(view - 1);
        const m::Plan& plan =
            view > 0 && part < loan.parts.size() ? loan.parts[part].plan : loan.total;
        charts_[slot(scheme)]->set_plan(plan);
        models_[slot(scheme)]->set_plan(plan);
    }
}

void ScheduleWindow::on_prepay() {
    const auto amount = m::parse_cents(prepay_amount_->text().trimmed().toStdString());
    if (!amount || *amount <= 0) {
        present_message_(this,
                         QStringLiteral("请输入提前还款金额：以元计，大于零，至多两位小数。"));
        prepay_amount_->setFocus(Qt::OtherFocusReason);
        return;
    }
    prepay_ = m::Prepayment{
        *amount, prepay_month_->value(),
        prepay_mode_->currentIndex() == 0 ? m::PrepayMode::shorten : m::PrepayMode::reduce};
    show_plans(true);
}

void ScheduleWindow::on_export() {
    const QString path = choose_save_path_(this);
    if (path.isEmpty()) {
        return;
    }
    const std::string csv = m::loan_schedule_csv({plans_[0], plans_[1]}, m::CsvStyle::spreadsheet);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.flush()) {
        present_message_(this, QStringLiteral("无法写入文件 %1：%2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    file.close();
}

}  // namespace orvane
