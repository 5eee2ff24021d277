#include "ui/mortgage/schedule_model.h"

#include <QFont>
#include <utility>

namespace orvane {

ScheduleModel::ScheduleModel(QObject* parent) : QAbstractTableModel(parent) {}

void ScheduleModel::set_plan(mortgage::Plan plan) {
    beginResetModel();
    plan_ = std::move(plan);
    totals_ = plan_.totals();
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(plan_.rows.size()) + 1;
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : column_count;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const bool totals_row = index.row() == static_cast<int>(plan_.rows.size());
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    if (role == Qt::FontRole && totals_row) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto money = [](std::int64_t cents) {
        return QString::fromStdString(mortgage::cents_grouped(cents));
    };
    if (totals_row) {
        switch (index.column()) {
            case month:
                return QStringLiteral("合计");
            case payment:
                return money(totals_.payment);
            case principal:
                return money(totals_.principal);
            case interest:
                return money(totals_.interest);
            default:
                return QString();
        }
    }
    const auto& row = plan_.rows[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case month:
            return row.month;
        case payment:
            return money(row.payment);
        case principal:
            return money(row.principal);
        case interest:
            return money(row.interest);
        case balance:
            return money(row.balance);
        default:
            return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case month:
            return QStringLiteral("期数");
        case payment:
            return QStringLiteral("月供(元)");
        case principal:
            return QStringLiteral("本金(元)");
        case interest:
            return QStringLiteral("利息(元)");
        case balance:
            return QStringLiteral("剩余本金(元)");
        default:
            return {};
    }
}

}  // namespace orvane
