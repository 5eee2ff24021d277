// The rows of one repayment plan for a table view, with a totals row at the end. Money shows
// with thousands separators; the plan itself keeps whole cents.
#pragma once

#include <QAbstractTableModel>

#include "mortgage/schedule.h"

namespace orvane {

class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { month, payment, principal, interest, balance, column_count };

    explicit ScheduleModel(QObject* parent = nullptr);

    void set_plan(mortgage::Plan plan);
    [[nodiscard]] const mortgage::Plan& plan() const { return plan_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    mortgage::Plan plan_;
    mortgage::Totals totals_;
};

}  // namespace orvane
