#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <memory>

#include "ui/mortgage/schedule_model.h"
#include "ui/mortgage/schedule_window.h"

using orvane::ScheduleModel;
using orvane::ScheduleWindow;
namespace m = orvane::mortgage;

namespace {

const m::LoanInput kTwentyYears = m::loan_input({"20", "6", "", "", "10"});

struct Fixture {
    std::unique_ptr<ScheduleWindow> window;
    QStringList messages;
    QString save_path;

    explicit Fixture(const m::LoanInput& input = kTwentyYears)
        : window(std::make_unique<ScheduleWindow>(input)) {
        window->set_message_presenter(
            [this](QWidget*, const QString& text) { messages.append(text); });
        window->set_save_path_chooser([this](QWidget*) { return save_path; });
        window->show();
    }
    template <typename T>
    T* get(const char* name) const {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    QString cell(m::Scheme scheme, int row, int column) const {
        const auto& model = window->model(scheme);
        return model.data(model.index(row, column)).toString();
    }
    int rows(m::Scheme scheme) const { return window->model(scheme).rowCount(); }
    void prepay(const QString& amount, int month, int mode) const {
        get<QLineEdit>("prepay_amount")->setText(amount);
        get<QSpinBox>("prepay_month")->setValue(month);
        get<QComboBox>("prepay_mode")->setCurrentIndex(mode);
        QTest::mouseClick(get<QPushButton>("prepay_apply"), Qt::LeftButton);
    }
    QByteArray export_bytes(const QString& path) {
        save_path = path;
        QTest::mouseClick(get<QPushButton>("export_csv"), Qt::LeftButton);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

double amount(const QString& grouped) {
    return QString(grouped).remove(u',').toDouble();
}

}  // namespace

class ScheduleWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void tables_hold_every_month_and_totals_data();
    void tables_hold_every_month_and_totals();
    void tabs_and_notes();
    void chart_shows_the_shown_plan();
    void early_repayment_changes_plans_and_shows_savings_data();
    void early_repayment_changes_plans_and_shows_savings();
    void early_repayment_rejects_a_bad_amount();
    void export_writes_spreadsheet_csv();
    void export_reports_a_file_that_cannot_be_written();
    void combined_loan_shows_the_sum_or_a_part();
    void axis_labels_are_short_and_distinct_data();
    void axis_labels_are_short_and_distinct();
};

void ScheduleWindowTest::tables_hold_every_month_and_totals_data() {
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("loan");
    QTest::addColumn<double>("instalment_interest");  // the captions L_LX1 and L_LX2
    QTest::addColumn<double>("principal_interest");
    QTest::newRow("20 years") << QStringList{"20", "6", "", "", "10"} << 240 << "100,000.00"
                              << 71943.45 << 60202.2;
    QTest::newRow("30 years") << QStringList{"30", "4.9", "", "", "150"} << 360 << "1,500,000.00"
                              << 1365924.29 << 1105474.54;
}

void ScheduleWindowTest::tables_hold_every_month_and_totals() {
    QFETCH(QStringList, input);
    QFETCH(int, months);
    QFETCH(QString, loan);
    QFETCH(double, instalment_interest);
    QFETCH(double, principal_interest);
    const auto results = std::get<m::RepaymentResults>(m::compute_repayment(
        {input[0].toStdString(), input[1].toStdString(), "", "", input[4].toStdString()}));
    QCOMPARE(QString::fromStdString(results.instalment_interest).toDouble(), instalment_interest);
    QCOMPARE(QString::fromStdString(results.principal_interest).toDouble(), principal_interest);

    Fixture f(m::loan_input(
        {input[0].toStdString(), input[1].toStdString(), "", "", input[4].toStdString()}));
    for (const auto scheme : {m::Scheme::equal_instalment, m::Scheme::equal_principal}) {
        QCOMPARE(f.rows(scheme), months + 1);
        QCOMPARE(f.cell(scheme, 0, ScheduleModel::month), QStringLiteral("1"));
        QCOMPARE(f.cell(scheme, months - 1, ScheduleModel::month), QString::number(months));
        QCOMPARE(f.cell(scheme, months - 1, ScheduleModel::balance), QStringLiteral("0.00"));
        QCOMPARE(f.cell(scheme, months, ScheduleModel::month), QStringLiteral("合计"));
        QCOMPARE(f.cell(scheme, months, ScheduleModel::principal), loan);
        QCOMPARE(f.cell(scheme, months, ScheduleModel::balance), QString());
        const double interest = amount(f.cell(scheme, months, ScheduleModel::interest));
        QCOMPARE(amount(f.cell(scheme, months, ScheduleModel::payment)), amount(loan) + interest);
        const double caption =
            scheme == m::Scheme::equal_instalment ? instalment_interest : principal_interest;
        QVERIFY2(std::abs(interest - caption) <= 1.0, qPrintable(QString::number(interest)));
    }
}

void ScheduleWindowTest::tabs_and_notes() {
    Fixture f;
    auto* tabs = f.get<QTabWidget>("tabs");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("等额本息"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("等额本金"));
    // Thousands separators on screen.
    QCOMPARE(f.cell(m::Scheme::equal_instalment, 0, ScheduleModel::balance),
             QStringLiteral("99,783.57"));
    QCOMPARE(f.cell(m::Scheme::equal_principal, 0, ScheduleModel::payment),
             QStringLiteral("917.00"));
    // The note under the equal-principal table names the share and the first month's caption.
    const auto notes = tabs->widget(1)->findChildren<QLabel*>(QStringLiteral("note"));
    QCOMPARE(notes.size(), 1);
    QVERIFY(notes[0]->text().contains(QStringLiteral("417.00")));
    QVERIFY(notes[0]->text().contains(QStringLiteral("916.67")));
    QVERIFY(f.get<QLabel>("summary")->text().contains(QStringLiteral("100,000.00")));
}

void ScheduleWindowTest::chart_shows_the_shown_plan() {
    Fixture f;
    const auto views = f.window->findChildren<QChartView*>();
    QCOMPARE(views.size(), 2);
    for (QChartView* view : views) {
        const auto series = view->chart()->series();
        QCOMPARE(series.size(), 3);
        auto* balance = qobject_cast<QLineSeries*>(series[0]);
        QVERIFY(balance != nullptr);
        QCOMPARE(balance->count(), 241);
        QCOMPARE(balance->at(0).y(), 10.0);  // 万元
        QCOMPARE(balance->at(240).y(), 0.0);
        QCOMPARE(qobject_cast<QLineSeries*>(series[1])->count(), 240);
        QStringList titles;
        for (QAbstractAxis* axis : view->chart()->axes()) {
            titles << axis->titleText();
        }
        QVERIFY(titles.contains(QStringLiteral("期数")));
    }
    f.prepay(QStringLiteral("20000"), 12, 0);
    auto* instalments = f.get<QTabWidget>("tabs")->widget(0)->findChild<QChartView*>();
    QCOMPARE(qobject_cast<QLineSeries*>(instalments->chart()->series()[1])->count(), 168);
}

void ScheduleWindowTest::early_repayment_changes_plans_and_shows_savings_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("mode");  // 0 缩短期限, 1 减少月供
    QTest::addColumn<int>("instalment_months");
    QTest::addColumn<int>("principal_months");
    QTest::addColumn<QString>("savings");
    QTest::newRow("shorten") << "20000" << 12 << 0 << 168 << 192 << "少还 72 期";
    QTest::newRow("reduce") << "20000.5" << 12 << 1 << 240 << 240 << "少还 0 期";
    QTest::newRow("first month") << "50000" << 1 << 0 << 87 << 120 << "提前还款 50,000.00 元";
    QTest::newRow("last month") << "100" << 240 << 0 << 240 << 240 << "提前还款不起作用";
    QTest::newRow("more than owed") << "1000000" << 12 << 1 << 12 << 12 << "少还 228 期";
}

void ScheduleWindowTest::early_repayment_changes_plans_and_shows_savings() {
    QFETCH(QString, amount);
    QFETCH(int, month);
    QFETCH(int, mode);
    QFETCH(int, instalment_months);
    QFETCH(int, principal_months);
    QFETCH(QString, savings);
    Fixture f;
    QCOMPARE(f.get<QLabel>("savings")->text(), QStringLiteral("未提前还款。"));
    f.prepay(amount, month, mode);
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.rows(m::Scheme::equal_instalment), instalment_months + 1);
    QCOMPARE(f.rows(m::Scheme::equal_principal), principal_months + 1);
    QVERIFY2(f.get<QLabel>("savings")->text().contains(savings),
             qPrintable(f.get<QLabel>("savings")->text()));
    for (const auto scheme : {m::Scheme::equal_instalment, m::Scheme::equal_principal}) {
        const int last = f.rows(scheme) - 2;
        QCOMPARE(f.cell(scheme, last, ScheduleModel::balance), QStringLiteral("0.00"));
        QCOMPARE(f.cell(scheme, last + 1, ScheduleModel::principal), QStringLiteral("100,000.00"));
    }
    // Without the early repayment again.
    QTest::mouseClick(f.get<QPushButton>("prepay_clear"), Qt::LeftButton);
    QCOMPARE(f.rows(m::Scheme::equal_instalment), 241);
    QCOMPARE(f.get<QLabel>("savings")->text(), QStringLiteral("未提前还款。"));
}

void ScheduleWindowTest::early_repayment_rejects_a_bad_amount() {
    Fixture f;
    for (const char* text : {"", "abc", "0", "-5", "1.234", "1,000"}) {
        f.messages.clear();
        f.prepay(QString::fromLatin1(text), 12, 0);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.rows(m::Scheme::equal_instalment), 241);
    }
}

void ScheduleWindowTest::export_writes_spreadsheet_csv() {
    QTemporaryDir dir;
    Fixture f;
    const QByteArray bytes = f.export_bytes(dir.filePath(QStringLiteral("plan.csv")));
    QVERIFY(f.messages.isEmpty());
    QVERIFY(
        bytes.startsWith("\xEF\xBB\xBF"
                         "还款方式,期数,月供,本金,利息,剩余本金\r\n"));
    const auto lines = bytes.mid(3).split('\n');
    QCOMPARE(lines.size(), 482);  // 1 + 240 + 240 lines, then nothing after the last CR LF
    QVERIFY(lines.last().isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
        QCOMPARE(lines[i].count(','), 5);
    }
    QCOMPARE(lines[1], QByteArray("等额本息,1,716.43,216.43,500.00,99783.57\r"));
    QCOMPARE(lines[241], QByteArray("等额本金,1,917.00,417.00,500.00,99583.00\r"));
    QCOMPARE(lines[480], QByteArray("等额本金,240,338.68,337.00,1.68,0.00\r"));

    // The export follows the plans on screen, early repayment included.
    f.prepay(QStringLiteral("20000"), 12, 0);
    const QByteArray prepaid = f.export_bytes(dir.filePath(QStringLiteral("prepaid.csv")));
    QCOMPARE(prepaid.count("\r\n"), 1 + 168 + 192);
    QVERIFY(prepaid.contains("等额本息,12,20716.43,20228.64,487.79,77330.21\r\n"));

    // Cancelling the dialog writes nothing.
    f.save_path.clear();
    QTest::mouseClick(f.get<QPushButton>("export_csv"), Qt::LeftButton);
    QVERIFY(f.messages.isEmpty());
}

void ScheduleWindowTest::export_reports_a_file_that_cannot_be_written() {
    QTemporaryDir dir;
    Fixture f;
    (void)f.export_bytes(dir.filePath(QStringLiteral("missing/folder/plan.csv")));
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].startsWith(QStringLiteral("无法写入文件")));
}

// 1,000,000 in all, 600,000 of it provident fund at 3.1 %, the rest commercial at 3.65 %.
m::LoanInput combined_loan() {
    m::LoanInput in = m::loan_input({"30", "3.65", "", "", "100"});
    in.kind = m::LoanKind::combined;
    in.fund_amount = "60";
    in.fund_rate.base_rate = "3.1";
    return in;
}

void ScheduleWindowTest::combined_loan_shows_the_sum_or_a_part() {
    Fixture f(combined_loan());
    auto* view = f.get<QComboBox>("view_part");
    const auto sum_row = [&] {
        return f.cell(m::Scheme::equal_instalment, 0, ScheduleModel::payment);
    };
    // 2562.10 + 1829.84 a month.
    QCOMPARE(sum_row(), QStringLiteral("4,391.94"));
    QCOMPARE(f.cell(m::Scheme::equal_instalment, 360, ScheduleModel::principal),
             QStringLiteral("1,000,000.00"));
    view->setCurrentIndex(1);
    QCOMPARE(sum_row(), QStringLiteral("2,562.10"));
    QCOMPARE(f.cell(m::Scheme::equal_instalment, 360, ScheduleModel::principal),
             QStringLiteral("600,000.00"));
    view->setCurrentIndex(2);
    QCOMPARE(sum_row(), QStringLiteral("1,829.84"));

    // 100,000 paid early into the fund part, which ends sooner; the commercial part runs on.
    f.get<QComboBox>("prepay_part")->setCurrentIndex(1);
    f.prepay(QStringLiteral("100000"), 12, 0);
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.rows(m::Scheme::equal_instalment), 361);  // still the commercial part
    view->setCurrentIndex(1);
    QVERIFY(f.rows(m::Scheme::equal_instalment) < 361);
    QVERIFY(f.get<QLabel>("savings")->text().contains(QStringLiteral("提前还款 100,000.00 元")));

    // The export holds the sums, then each part's columns.
    QTemporaryDir dir;
    const QByteArray bytes = f.export_bytes(dir.filePath(QStringLiteral("combined.csv")));
    QVERIFY(
        bytes.startsWith("\xEF\xBB\xBF还款方式,期数,月供,本金,利息,剩余本金,公积金月供,公积金本金,"
                         "公积金利息,公积金剩余本金,商业月供,商业本金,商业利息,商业剩余本金\r\n"));
    QVERIFY(bytes.contains("\r\n等额本息,1,4391.94,"));
    QCOMPARE(bytes.count("\r\n"), 1 + 360 + 360);
}

void ScheduleWindowTest::axis_labels_are_short_and_distinct_data() {
    QTest::addColumn<QString>("amount");  // 10,000 yuan
    QTest::newRow("one yuan") << "0.0001";
    QTest::newRow("100,000") << "10";
    QTest::newRow("15,000,000") << "1500";
    QTest::newRow("ten billion") << "1000000";
}

// What the chart draws: no label elided ("1500…") and no two labels alike (all "0.0").
void ScheduleWindowTest::axis_labels_are_short_and_distinct() {
    QFETCH(QString, amount);
    Fixture f(m::loan_input({"20", "6", "", "", amount.toStdString()}));
    f.window->resize(960, 640);
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    for (QChartView* chart : f.window->findChildren<QChartView*>()) {
        if (!chart->isVisible()) {
            continue;
        }
        chart->grab();  // lays the axes out
        for (QAbstractAxis* axis : chart->chart()->axes(Qt::Vertical)) {
            const auto* values = qobject_cast<QValueAxis*>(axis);
            QVERIFY(values != nullptr);
            QStringList labels;
            for (int i = 0; i < values->tickCount(); ++i) {
                const double value =
                    values->min() + i * (values->max() - values->min()) / (values->tickCount() - 1);
                labels << QString::asprintf(qPrintable(values->labelFormat()), value);
            }
            QVERIFY2(labels.removeDuplicates() == 0, qPrintable(labels.join(' ')));
            QVERIFY2(labels.last().size() <= 6, qPrintable(labels.last()));
        }
        for (QGraphicsItem* item : chart->scene()->items()) {
            if (const auto* text = dynamic_cast<QGraphicsTextItem*>(item)) {
                QVERIFY2(!text->toPlainText().contains(u'…'), qPrintable(text->toPlainText()));
            }
        }
    }
}

QTEST_MAIN(ScheduleWindowTest)
#include "schedule_window_test.moc"
