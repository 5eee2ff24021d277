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

ScheduleWindow::ScheduleWindow(const m::RepaymentInput& input, QWidget* parent)
    : QWidget(parent, Qt::Window),
      input_(input),
      choose_save_path_(ask_save_path),
      present_message_(show_warning) {
    setObjectName(QStringLiteral("ScheduleWindow"));
    setWindowTitle(QStringLiteral("还款明细"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The mortgage window enables its button only for a loan that has terms.
    const auto outcome = m::loan_terms(input_);
    if (const auto* terms = std::get_if<m::LoanTerms>(&outcome)) {
        terms_ = *terms;
    }
    const auto computed = m::compute_repayment(input_);
    if (const auto* results = std::get_if<m::RepaymentResults>(&computed)) {
        captions_ = *results;
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
    auto* summary = new QLabel(
        QStringLiteral("贷款金额 %1 元，期限 %2 年（%3 期），月利率 %4%")
            .arg(money(terms_.loan), QString::fromStdString(input_.years))
            .arg(terms_.months)
            .arg(QString::fromStdString(
                round(multiply(terms_.monthly_rate, Decimal::from_int(100)).value, 6).text())),
        this);
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
    prepay_month_->setRange(1, std::max(terms_.months, 1));
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
        if (scheme == m::Scheme::equal_instalment) {
            note->setText(
                QStringLiteral(
                    "每期月供取“月还款额” %1 元（到分），利息按剩余本金逐月计算到分，"
                    "末期月供含舍入差额；长期贷款的利息合计因此可能与“期满时的利息”相差几元。")
                    .arg(money(terms_.instalment_payment)));
        } else {
            note->setText(
                QStringLiteral("每月本金按整元 %1 元计（贷款÷期数后四舍五入），末期取余数；"
                               "因此首月月供可能与“首月还款额” %2 元相差不到 1 元。")
                    .arg(money(terms_.principal_share),
                         QString::fromStdString(captions_.principal_payment)));
        }
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

void ScheduleWindow::show_plans(bool with_prepayment) {
    QStringList lines;
    for (const auto scheme : kSchemes) {
        const auto without = m::make_plan(terms_, scheme);
        auto plan = with_prepayment ? m::make_plan(terms_, scheme, prepay_) : without;
        if (!plan || !without) {
            plan = m::Plan{scheme, {}};
        }
        if (with_prepayment && without) {
            const auto saved = m::savings(*without, *plan);
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
        charts_[slot(scheme)]->set_plan(*plan);
        models_[slot(scheme)]->set_plan(std::move(*plan));
    }
    savings_->setText(lines.isEmpty() ? QStringLiteral("未提前还款。") : lines.join(u'\n'));
}

void ScheduleWindow::on_prepay() {
    const auto amount = m::parse_cents(prepay_amount_->text().trimmed().toStdString());
    if (!amount || *amount <= 0) {
        present_message_(this,
                         QStringLiteral("请输入提前还款金额：以元计，大于零，至多两位小数。"));
        prepay_amount_->setFocus(Qt::OtherFocusReason);
        return;
    }
    prepay_ = {*amount, prepay_month_->value(),
               prepay_mode_->currentIndex() == 0 ? m::PrepayMode::shorten : m::PrepayMode::reduce};
    show_plans(true);
}

void ScheduleWindow::on_export() {
    const QString path = choose_save_path_(this);
    if (path.isEmpty()) {
        return;
    }
    const std::string csv = m::schedule_csv(
        {model(m::Scheme::equal_instalment).plan(), model(m::Scheme::equal_principal).plan()},
        m::CsvStyle::spreadsheet);
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
