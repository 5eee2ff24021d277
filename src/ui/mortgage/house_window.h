// House: the mortgage calculator window. It reads its five inputs, runs the repayment
// computation and shows the two schemes' results; a tips box explains the field in use.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "mortgage/loan.h"
#include "startup/calculator_kind.h"
#include "ui/mortgage/house_tips.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvane {
class LoanFormsPanel;
}

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
        std::function<QWidget*(QWidget* parent, const mortgage::LoanInput& input)>;

    explicit House(QWidget* parent = nullptr);

    void set_message_presenter(MessagePresenter presenter);
    void set_schedule_opener(ScheduleOpener opener);

  signals:
    // F1 or L_Normal: Standard; F2 or L_BDS: Expression. The receiver may destroy this
    // window, but only with deleteLater(): the signal is emitted from inside an event.
    void switch_requested(orvane::CalculatorKind target);

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
    void show_failure(const mortgage::ValidationFailure& failure);
    void show_results(const mortgage::LoanResults& results);
    void create_loan_forms();
    void on_loan_forms_toggled(bool open);
    void sync_classic_inputs();
    [[nodiscard]] mortgage::LoanInput read_inputs() const;
    void on_schedule();
    bool is_background(const QPoint& pos) const;
    void set_switch_colour(QLabel* label, const QColor& colour);

    mortgage::HouseTips tips_;
    MessagePresenter present_message_;
    ScheduleOpener open_schedule_;
    mortgage::LoanInput last_loan_;
    QPointer<QWidget> schedule_;
    bool background_pressed_ = false;

    // The controls; each widget's objectName is its control name, which tests look up:
    //   tips_box_ T_TXT, instalment_frame_ Frame1, principal_frame_ Frame2,
    //   instalment_payment_ L_YG1, instalment_interest_ L_LX1, principal_first_payment_ L_YG2,
    //   principal_interest_ L_LX2, term_list_ Combo_Years, base_rate_box_ T_lilv,
    //   float_direction_list_ Combo_Youhui, float_box_ T_Fudong, amount_box_ T_Cash,
    //   compute_button_ Cmd_OK, schedule_button_ Cmd_Schedule, standard_switch_ L_Normal,
    //   expression_switch_ L_BDS, loan_forms_button_ Cmd_Loan, loan_forms_ Frame_Loan.
    QPlainTextEdit* tips_box_ = nullptr;
    QGroupBox* instalment_frame_ = nullptr;
    QGroupBox* principal_frame_ = nullptr;
    QLabel* instalment_payment_ = nullptr;
    QLabel* instalment_interest_ = nullptr;
    QLabel* principal_first_payment_ = nullptr;
    QLabel* principal_interest_ = nullptr;
    QComboBox* term_list_ = nullptr;
    QLineEdit* base_rate_box_ = nullptr;
    QComboBox* float_direction_list_ = nullptr;
    QLineEdit* float_box_ = nullptr;
    QLineEdit* amount_box_ = nullptr;
    QPushButton* compute_button_ = nullptr;
    QPushButton* schedule_button_ = nullptr;
    QLabel* standard_switch_ = nullptr;
    QLabel* expression_switch_ = nullptr;
    QPushButton* loan_forms_button_ = nullptr;
    LoanFormsPanel* loan_forms_ = nullptr;  // made when first opened
};

}  // namespace orvane
