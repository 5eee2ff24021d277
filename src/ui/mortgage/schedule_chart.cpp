#include "ui/mortgage/schedule_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "mortgage/axis_scale.h"

namespace orvane {
namespace {

// An axis whose labels are short in every case: a unit chosen for the largest value, round
// steps and as many decimals as a step needs.
QValueAxis* make_axis(const QString& title, const mortgage::AxisScale& scale) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title + QStringLiteral("(") + QString::fromStdString(scale.unit) +
                       QStringLiteral(")"));
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(scale.decimals));
    axis->setRange(0, scale.upper);
    axis->setTickCount(scale.tick_count());
    return axis;
}

}  // namespace

ScheduleChart::ScheduleChart(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(360, 300);
}

void ScheduleChart::set_plan(const mortgage::Plan& plan) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("剩余本金与每月本金、利息"));
    chart->legend()->setAlignment(Qt::AlignBottom);

    double largest_month = 0;
    double largest_balance = 0;
    for (const auto& row : plan.rows) {
        largest_month = std::max({largest_month, static_cast<double>(row.principal) / 100,
                                  static_cast<double>(row.interest) / 100});
        largest_balance =
            std::max(largest_balance, static_cast<double>(row.balance + row.principal) / 100);
    }
    const auto money_scale = mortgage::axis_scale(largest_month);
    const auto owed_scale = mortgage::axis_scale(largest_balance);
    const auto unit = [](const mortgage::AxisScale& scale) {
        return QStringLiteral("(") + QString::fromStdString(scale.unit) + QStringLiteral(")");
    };

    auto* balance = new QLineSeries;
    balance->setName(QStringLiteral("剩余本金") + unit(owed_scale));
    auto* principal = new QLineSeries;
    principal->setName(QStringLiteral("本金") + unit(money_scale));
    auto* interest = new QLineSeries;
    interest->setName(QStringLiteral("利息") + unit(money_scale));
    for (const auto& row : plan.rows) {
        const double owed = static_cast<double>(row.balance + row.principal) / 100;
        balance->append(row.month - 1, owed / owed_scale.divisor);
        principal->append(row.month,
                          static_cast<double>(row.principal) / 100 / money_scale.divisor);
        interest->append(row.month, static_cast<double>(row.interest) / 100 / money_scale.divisor);
    }
    if (!plan.rows.empty()) {
        balance->append(plan.rows.back().month, 0.0);
    }
    chart->addSeries(balance);
    chart->addSeries(principal);
    chart->addSeries(interest);

    auto* months = new QValueAxis;
    months->setTitleText(QStringLiteral("期数"));
    months->setLabelFormat(QStringLiteral("%d"));
    months->setRange(0, plan.rows.empty() ? 1 : plan.rows.back().month);
    auto* money = make_axis(QStringLiteral("每月本金、利息"), money_scale);
    auto* owed = make_axis(QStringLiteral("剩余本金"), owed_scale);
    chart->addAxis(months, Qt::AlignBottom);
    chart->addAxis(money, Qt::AlignLeft);
    chart->addAxis(owed, Qt::AlignRight);
    for (QLineSeries* series : {principal, interest}) {
        series->attachAxis(months);
        series->attachAxis(money);
    }
    balance->attachAxis(months);
    balance->attachAxis(owed);

    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

}  // namespace orvane
