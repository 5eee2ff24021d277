// House: the mortgage calculator window. It reads its five inputs, runs the repayment
// computation and shows the two schemes' results; a tips box explains the field in use.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "mortgage/repayment.h"
#include "startup/calculator_kind.h"
#include "ui/mortgage/house_tips.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvane {

class House : public QWidget {
    Q_OBJECT

  public:
    // Shows a message box with an OK button and returns when it is closed. Tests replace it
    // to record the message instead of blocking on a modal dialog.
    using MessagePresenter = std::function<void(QWidget* parent, const QString& text,
                                                const QString& title, QMessageBox::Icon icon)>;

    // Makes the schedule window (还款明细) for a loan, owned by `parent` and not yet shown; null
    // when it cannot be made. Tests replace the one that loads the schedule module.
    using ScheduleOpener =
        std::function<QWidget*(QWidget* parent, const mortgage::RepaymentInput& input)>;

    explicit House(QWidget* parent = nullptr);

    void setMessagePresenter(MessagePresenter presenter);
    void set_schedule_opener(ScheduleOpener opener);

  signals:
    // F1 or L_Normal: Standard; F2 or L_BDS: Expression. The receiver may destroy this
    // window, but only with deleteLater(): the signal is emitted from inside an event.
    void switchRequested(orvane::CalculatorKind target);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void create_controls();
    void set_tab_order();
    void watch_keys_and_pointer();
    void on_direction_chosen();
    void sync_float_box();
    void on_compute();
    void on_schedule();
    bool is_background(const QPoint& pos) const;
    void set_switch_colour(QLabel* label, const QColor& colour);

    mortgage::HouseTips tips_;
    MessagePresenter present_message_;
    ScheduleOpener open_schedule_;
    mortgage::RepaymentInput last_loan_;
    QPointer<QWidget> schedule_;
    bool background_pressed_ = false;

    QPlainTextEdit* T_TXT_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QLabel* L_YG1_ = nullptr;
    QLabel* L_LX1_ = nullptr;
    QLabel* L_YG2_ = nullptr;
    QLabel* L_LX2_ = nullptr;
    QComboBox* Combo_Years_ = nullptr;
    QLineEdit* T_lilv_ = nullptr;
    QComboBox* Combo_Youhui_ = nullptr;
    QLineEdit* T_Fudong_ = nullptr;
    QLineEdit* T_Cash_ = nullptr;
    QPushButton* Cmd_OK_ = nullptr;
    QPushButton* Cmd_Schedule_ = nullptr;
    QLabel* L_Normal_ = nullptr;
    QLabel* L_BDS_ = nullptr;
};

}  // namespace orvane
