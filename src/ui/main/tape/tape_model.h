// The tape's lines as a list model: the printed text (numbers grouped), results set apart,
// negative numbers red, and what a screen reader says for each line.
#pragma once

#include <QAbstractListModel>

#include "engine/tape.h"

namespace orvane {

class TapeModel : public QAbstractListModel {
    Q_OBJECT
  public:
    // The copy of a line without separators, for the clipboard and saved files.
    static constexpr int kPlainTextRole = Qt::UserRole + 1;
    static constexpr int kCorrectableRole = Qt::UserRole + 2;

    explicit TapeModel(engine::Tape& tape, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Brings the rows up to the tape: only the lines changed or added since the last call are
    // touched. Returns true when lines were added at the end.
    bool sync();

  private:
    engine::Tape& tape_;
    int rows_ = 0;
    std::uint64_t dropped_ = 0;  // the tape's dropped lines when last synced
};

}  // namespace orvane
