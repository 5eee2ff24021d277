// Typed characters of a one-line box inserted in batches. The box lays out its whole text on
// every change, so with a formula of tens of thousands of characters each key costs
// milliseconds; keys that arrive while the box is still busy would queue up and keep the window
// busy long after the typing ended. Characters that are waiting together are inserted with one
// change instead, and every other key, click or input-method event first inserts what is
// waiting, so the order of edits is kept.
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace orvane::expression {

// A key press that the box would simply type: printable text, no Ctrl, Alt or Meta.
[[nodiscard]] bool is_typed_text(const QString& text, Qt::KeyboardModifiers modifiers);
// A key that only changes what the next key types (Shift, Ctrl, Caps Lock...).
[[nodiscard]] bool is_modifier_key(int qt_key);

class TypingBatcher : public QObject {
  public:
    // Watches `box`'s events; lives as long as the box (its child).
    explicit TypingBatcher(QLineEdit* box);

    // Inserts the characters still waiting; the window calls it before editing the box itself.
    void flush();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* box_;
    QString waiting_;
};

}  // namespace orvane::expression
