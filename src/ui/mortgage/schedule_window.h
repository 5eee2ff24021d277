// 还款明细: the month-by-month plans of the loan last computed in the mortgage window, one tab
// per scheme (table with a totals row, chart, a note under the table), an early repayment
// and the savings it gives, and the export of both plans as CSV. A combined loan shows the
// sum of its parts or one part, and its early repayment goes to the part the user chooses.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "mortgage/loan.h"
#include "mortgage/loan_plan.h"
#include "mortgage/schedule.h"

class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace orvane {

class ScheduleChart;
class ScheduleModel;

class ScheduleWindow : public QWidget {
    Q_OBJECT

  public:
    // The file to save to, or the empty text when the user cancels. Tests replace it.
    using SavePathChooser = std::function<QString(QWidget* parent)>;
    using MessagePresenter = std::function<void(QWidget* parent, const QString& text)>;

    explicit ScheduleWindow(const mortgage::LoanInput& input, QWidget* parent = nullptr);

    void set_save_path_chooser(SavePathChooser chooser);
    void set_message_presenter(MessagePresenter presenter);

    [[nodiscard]] const ScheduleModel& model(mortgage::Scheme scheme) const;

  private:
    void create_controls();
    void create_part_choices(QBoxLayout* prepay_row, QBoxLayout* layout);
    [[nodiscard]] QString summary_text() const;
    [[nodiscard]] QString note_text(mortgage::Scheme scheme) const;
    void show_plans(bool with_prepayment);
    void show_view();
    void on_prepay();
    void on_export();

    mortgage::LoanInput input_;
    std::vector<mortgage::PartTerms> parts_;
    mortgage::RepaymentResults captions_;
    std::array<mortgage::LoanPlan, 2> plans_{};
    SavePathChooser choose_save_path_;
    MessagePresenter present_message_;
    mortgage::Prepayment prepay_;

    std::array<ScheduleModel*, 2> models_{};
    std::array<ScheduleChart*, 2> charts_{};
    QTabWidget* tabs_ = nullptr;
    QLineEdit* prepay_amount_ = nullptr;
    QSpinBox* prepay_month_ = nullptr;
    QComboBox* prepay_mode_ = nullptr;
    QComboBox* prepay_part_ = nullptr;  // a combined loan's: which part is repaid early
    QComboBox* view_part_ = nullptr;    // a combined loan's: the sum or one part
    QLabel* savings_ = nullptr;
};

}  // namespace orvane
