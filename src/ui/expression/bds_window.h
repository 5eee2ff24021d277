// The expression calculator window: a formula box, a compute button, the result label, an
// auto-copy box and labels that write operators and functions into the formula.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "startup/calculator_kind.h"
#include "startup/startup_values.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

class ClipboardReader;

namespace expression {
class HoverLabel;
class TypingBatcher;
}  // namespace expression

class BDS : public QWidget {
    Q_OBJECT
  public:
    explicit BDS(const orvane::StartupValues& startup, QWidget* parent = nullptr);
    ~BDS() override;

    // Shows an error to the user; a critical message box unless replaced (tests record it).
    using ErrorReporter =
        std::function<void(QWidget* parent, const QString& title, const QString& text)>;
    void set_error_reporter(ErrorReporter reporter);

  signals:
    void switch_requested(orvane::CalculatorKind target);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void create_controls();
    expression::HoverLabel* add_insert_label(const char* name, const QString& caption,
                                             const QString& inserted, QRect twips_geometry);
    expression::HoverLabel* add_switch_label(const char* name, const QString& caption,
                                             QRect twips_geometry, CalculatorKind target);
    QLabel* add_label(const char* name, const QString& caption, QRect twips_geometry);

    void evaluate_formula();
    void insert_into_formula(const QString& text);
    void paste_into_formula();
    bool handle_switch_key(const QKeyEvent* event);
    void reset_label_colours();

    // The controls; each widget's objectName is its control name, which tests look up:
    //   autocopy_box_ C_AutoCopy, compute_button_ Cmd_BDS, formula_box_ T_BDS,
    //   result_label_ L_BDS, panel_ Shape1; insert_labels_ the operator and function labels.
    QCheckBox* autocopy_box_ = nullptr;
    QPushButton* compute_button_ = nullptr;
    QLineEdit* formula_box_ = nullptr;
    expression::TypingBatcher* typing_ = nullptr;  // the box's typed characters, in batches
    QLabel* result_label_ = nullptr;
    QFrame* panel_ = nullptr;
    std::vector<expression::HoverLabel*> insert_labels_;
    std::unique_ptr<ClipboardReader> clipboard_reader_;  // made on the first paste
    ErrorReporter report_error_;
};

}  // namespace orvane
