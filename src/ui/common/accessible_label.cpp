#include "ui/common/accessible_label.h"

#include <QString>
#include <QWidget>

#include "ui/common/accessible_names.h"

namespace orvane::ui {

void label_for_access(QWidget* widget, const char* tooltip, const char* caption) {
    const std::string name = accessible_name(tooltip, caption);
    const std::string shortcut = accessible_shortcut(tooltip);
    widget->setAccessibleName(QString::fromStdString(name));
    if (!shortcut.empty()) {
        widget->setAccessibleDescription(QString::fromStdString(shortcut));
    }
}

}  // namespace orvane::ui
