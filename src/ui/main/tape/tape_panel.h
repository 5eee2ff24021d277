// The tape's window (计算记录): a tool window of its own beside the calculator, which it
// follows, so that docking, sliding away, the mini strip and the help panel of the calculator
// stay as they are. Correction, check and clearing are requests the calculator carries out.
#pragma once

#include <QWidget>
#include <functional>

#include "engine/tape.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace orvane {

class TapeModel;

class TapePanel : public QWidget {
    Q_OBJECT
  public:
    TapePanel(engine::Tape& tape, QWidget* calculator);

    // Brings the list up to the tape; a new line is announced to screen readers.
    void sync();

    // The text of the selected lines, or of every line when none is selected; numbers without
    // separators, one line per step.
    QString copy_text() const;
    QByteArray csv_bytes() const;
    QByteArray text_bytes() const;
    // Writes the tape as a PDF; false when the file could not be written.
    bool write_pdf(const QString& path) const;
    // Shows why a correction was refused (empty: clears the message).
    void show_message(const QString& text);

    // Seams for the file and print dialogs; tests replace them.
    using SavePathChooser = std::function<QString(QWidget* parent)>;
    void set_save_path_chooser(SavePathChooser chooser);

  signals:
    void correction_requested(int line, const QString& text);
    void check_toggled();
    void clear_requested();
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    void follow();
    void copy();
    void save();
    void print();
    void request_correction();
    void update_status();

    engine::Tape& tape_;
    QWidget* calculator_;
    TapeModel* model_ = nullptr;
    SavePathChooser choose_save_path_;
    bool wanted_ = false;     // open, though hidden while the calculator is
    bool follow_end_ = true;  // the list shows its newest line

    // Controls, by objectName: list_ Tape_List, dropped_label_ Tape_Dropped, number_box_
    // Tape_Number, correct_button_ Tape_Correct, check_button_ Tape_Check, message_
    // Tape_Message, latest_ Tape_Latest (the announced newest line).
    QListView* list_ = nullptr;
    QLabel* dropped_label_ = nullptr;
    QLineEdit* number_box_ = nullptr;
    QPushButton* correct_button_ = nullptr;
    QPushButton* check_button_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* latest_ = nullptr;

  public:
    // Open or closed by the user (F8); the window follows the calculator while open.
    void set_wanted(bool open);
    bool wanted() const { return wanted_; }
};

}  // namespace orvane
