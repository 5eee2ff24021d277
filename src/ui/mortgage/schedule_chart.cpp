#include "ui/mortgage/schedule_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace orvane {
namespace {

QValueAxis* make_axis(const QString& title, const char* format) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QLatin1String(format));
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

    auto* balance = new QLineSeries;
    balance->setName(QStringLiteral("剩余本金(万元)"));
    auto* principal = new QLineSeries;
    principal->setName(QStringLiteral("本金(元)"));
    auto* interest = new QLineSeries;
    interest->setName(QStringLiteral("利息(元)"));
    double largest_month = 0;
    double largest_balance = 0;
    for (const auto& row : plan.rows) {
        const double owed = static_cast<double>(row.balance + row.principal) / 1e6;
        balance->append(row.month - 1, owed);
        principal->append(row.month, static_cast<double>(row.principal) / 100);
        interest->append(row.month, static_cast<double>(row.interest) / 100);
        largest_month = std::max({largest_month, static_cast<double>(row.principal) / 100,
                                  static_cast<double>(row.interest) / 100});
        largest_balance = std::max(largest_balance, owed);
    }
    if (!plan.rows.empty()) {
        balance->append(plan.rows.back().month, 0.0);
    }
    chart->addSeries(balance);
    chart->addSeries(principal);
    chart->addSeries(interest);

    auto* months = make_axis(QStringLiteral("期数"), "%d");
    months->setRange(0, plan.rows.empty() ? 1 : plan.rows.back().month);
    auto* money = make_axis(QStringLiteral("每月本金、利息(元)"), "%.0f");
    money->setRange(0, largest_month * 1.05 + 1);
    auto* owed = make_axis(QStringLiteral("剩余本金(万元)"), "%.1f");
    owed->setRange(0, largest_balance * 1.05 + 0.01);
    money->applyNiceNumbers();
    owed->applyNiceNumbers();
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
