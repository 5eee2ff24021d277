#include "ui/main/click_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace orvane {

namespace {

// A screen reader sees a click label as the push button it works as, and can press it.
class ClickLabelAccess : public QAccessibleWidget {
  public:
    explicit ClickLabelAccess(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<ClickLabel*>(widget())->clicked();
        }
    }
};

QAccessibleInterface* click_label_access(const QString& /*class_name*/, QObject* object) {
    if (auto* label = qobject_cast<ClickLabel*>(object)) {
        return new ClickLabelAccess(label);
    }
    return nullptr;
}

void install_click_label_access() {
    QAccessible::installFactory(click_label_access);
}
Q_CONSTRUCTOR_FUNCTION(install_click_label_access)

}  // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit clicked();
    }
}

}  // namespace orvane
