// The chart of one plan: the remaining balance over the months, and each month's principal
// and interest.
#pragma once

#include <QChartView>

#include "mortgage/schedule.h"

namespace orvane {

class ScheduleChart : public QChartView {
    Q_OBJECT

  public:
    explicit ScheduleChart(QWidget* parent = nullptr);

    void set_plan(const mortgage::Plan& plan);
};

}  // namespace orvane
