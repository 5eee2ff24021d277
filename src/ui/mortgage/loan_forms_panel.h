// The mortgage window's part for loans as banks write them today, opened on demand below the
// classic inputs: the loan kind (commercial, provident fund, combined), the rate as the LPR
// plus basis points, the provident-fund part of a combined loan, and the loan worked out from
// the house price and the down payment. It shows each part's figures of a combined loan and
// the down payment.
#pragma once

#include <QWidget>

#include "mortgage/loan.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace orvane {

class LoanFormsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit LoanFormsPanel(QWidget* parent = nullptr);

    // Writes the panel's choices and texts into `input` (the classic texts are already there).
    void fill(mortgage::LoanInput& input) const;

    // The parts of a combined loan and the down payment, or nothing of them.
    void show_results(const mortgage::LoanResults& results);

    // The panel's control that a failure names, or null.
    [[nodiscard]] QWidget* field(mortgage::Field field) const;

    [[nodiscard]] bool lpr_form() const;
    [[nodiscard]] bool from_price() const;

    // The focus order of the panel's controls, in reading order.
    [[nodiscard]] QList<QWidget*> focus_chain() const;

  signals:
    // The rate form or the price choice changed: the window enables its classic inputs.
    void forms_changed();
    // The focus moved into the rate's boxes or into the loan kind's: the tips follow.
    void lpr_focused();
    void kind_focused();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void create_controls();
    void sync_enabled();

    // The controls; each objectName is its control name:
    //   kind_list_ Combo_Kind, rate_form_list_ Combo_RateForm, lpr_box_ T_LPR,
    //   points_box_ T_BP, fund_amount_box_ T_FundCash, fund_rate_box_ T_FundRate,
    //   price_check_ C_Price, price_box_ T_Price, down_box_ T_Down, down_payment_ L_Down,
    //   part figures L_Part{1,2}_{YG1,LX1,YG2,LX2} with their names L_Part1, L_Part2.
    QComboBox* kind_list_ = nullptr;
    QComboBox* rate_form_list_ = nullptr;
    QLineEdit* lpr_box_ = nullptr;
    QLineEdit* points_box_ = nullptr;
    QLineEdit* fund_amount_box_ = nullptr;
    QLineEdit* fund_rate_box_ = nullptr;
    QCheckBox* price_check_ = nullptr;
    QLineEdit* price_box_ = nullptr;
    QLineEdit* down_box_ = nullptr;
    QLabel* down_payment_ = nullptr;
    QWidget* parts_table_ = nullptr;
    QLabel* part_names_[2] = {};
    QLabel* part_figures_[2][4] = {};
};

}  // namespace orvane
