#include "ui/main/help/desktop_behaviour.h"

#include <QSystemTrayIcon>
#include <QVBoxLayout>

#include "ui/main/help/tray_menu.h"

namespace orvane {

DesktopBehaviour attach_desktop_behaviour(const DockWidgets& widgets) {
    QSystemTrayIcon* tray = widgets.tray_icon;
    DesktopBehaviour behaviour;
    behaviour.help_area = widgets.help_area;
    behaviour.dock = new DockController(widgets);
    if (tray != nullptr) {
        QObject::connect(tray, &QSystemTrayIcon::activated, behaviour.dock,
                         &DockController::tray_pointer_activity);
        if (widgets.window != nullptr) {
            tray->setContextMenu(make_tray_menu(widgets.window, behaviour.dock));
        }
    }
    return behaviour;
}

HelpPanel& help_panel_of(QWidget& help_area) {
    if (auto* panel = help_area.findChild<HelpPanel*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *panel;
    }
    auto* layout = new QVBoxLayout(&help_area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* panel = new HelpPanel(&help_area);
    layout->addWidget(panel);
    panel->show();
    return *panel;
}

}  // namespace orvane
