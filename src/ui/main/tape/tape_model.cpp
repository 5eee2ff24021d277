#include "ui/main/tape/tape_model.h"

#include <algorithm>

#include <QBrush>
#include <QColor>
#include <QFont>

#include "engine/tape_texts.h"

namespace orvane {
namespace {

QString text_of(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool is_result(const engine::TapeLine& line) {
    return line.kind == engine::LineKind::result || line.kind == engine::LineKind::check;
}

bool is_negative(const engine::TapeLine& line) {
    return line.value.starts_with('-') && line.value.size() > 1 &&
           line.kind != engine::LineKind::error && line.kind != engine::LineKind::check;
}

// A result line shows its item count first, as a printing calculator does ("003").
QString shown_text(const engine::TapeLine& line) {
    QString text = text_of(engine::tape_line_text(line, engine::NumberStyle::grouped));
    if (line.kind == engine::LineKind::result) {
        text = QStringLiteral("%1  ").arg(line.items, 3, 10, QLatin1Char('0')) + text;
    }
    return text;
}

}  // namespace

// A new window (after a switch away and back) starts with every line the session holds.
TapeModel::TapeModel(engine::Tape& tape, QObject* parent)
    : QAbstractListModel(parent),
      tape_(tape),
      rows_(static_cast<int>(tape.lines().size())),
      dropped_(tape.dropped()) {
    tape_.take_changes();
}

int TapeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant TapeModel::data(const QModelIndex& index, int role) const {
    // Between a change of the tape and the next sync (the window closed meanwhile) the rows
    // may count lines that went.
    if (!index.isValid() || index.row() >= rows_ ||
        static_cast<std::size_t>(index.row()) >= tape_.lines().size()) {
        return {};
    }
    const engine::TapeLine& line = tape_.lines()[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return shown_text(line);
        case kPlainTextRole:
            return text_of(engine::tape_line_text(line, engine::NumberStyle::plain));
        case Qt::AccessibleTextRole:
            return text_of(engine::tape_line_spoken(line));
        case kCorrectableRole:
            return line.kind == engine::LineKind::number &&
                   (line.origin == engine::EntryOrigin::typed ||
                    line.origin == engine::EntryOrigin::clipboard);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            if (line.check == engine::CheckMark::differs) {
                return QBrush(QColor(200, 90, 0));
            }
            return is_negative(line) ? QBrush(QColor(200, 0, 0)) : QVariant();
        case Qt::BackgroundRole:
            if (line.kind == engine::LineKind::clear_all) {
                return QBrush(QColor(225, 225, 225));
            }
            return is_result(line) ? QBrush(QColor(238, 242, 250)) : QVariant();
        case Qt::FontRole:
            if (is_result(line)) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
    }
}

bool TapeModel::sync() {
    const auto changed = tape_.take_changes();
    if (!changed) {
        return false;
    }
    const int lines = static_cast<int>(tape_.lines().size());
    if (tape_.dropped() < dropped_) {
        // Emptied, or replayed from before the oldest line kept.
        beginResetModel();
        rows_ = lines;
        dropped_ = tape_.dropped();
        endResetModel();
        return lines > 0;
    }
    if (const auto gone = static_cast<int>(
            std::min<std::uint64_t>(tape_.dropped() - dropped_, static_cast<std::uint64_t>(rows_)));
        gone > 0) {
        beginRemoveRows({}, 0, gone - 1);
        rows_ -= gone;
        endRemoveRows();
    }
    dropped_ = tape_.dropped();
    if (lines < rows_) {
        beginRemoveRows({}, lines, rows_ - 1);
        rows_ = lines;
        endRemoveRows();
    }
    const int first = static_cast<int>(*changed);
    if (first < rows_) {
        emit dataChanged(index(first), index(rows_ - 1));
    }
    if (lines > rows_) {
        beginInsertRows({}, rows_, lines - 1);
        rows_ = lines;
        endInsertRows();
        return true;
    }
    return false;
}

}  // namespace orvane
