#include "ui/main/help/desktop_behaviour.h"

#include <QSystemTrayIcon>
#include <QVBoxLayout>

#include "ui/main/help/tray_menu.h"

namespace orvane {

DesktopBehaviour attach_desktop_behaviour(const DockWidgets& widgets) {
    QWidget* help_area = widgets.help_area;
    QSystemTrayIcon* tray = widgets.tray_icon;
    DesktopBehaviour behaviour;
    DockWidgets parts = widgets;
    if (help_area != nullptr) {
        auto* layout = new QVBoxLayout(help_area);
        layout->setContentsMargins(0, 0, 0, 0);
        behaviour.panel = new HelpPanel(help_area);
        layout->addWidget(behaviour.panel);
        parts.help_panel = behaviour.panel;
    }
    behaviour.dock = new DockController(parts);
    if (tray != nullptr) {
        QObject::connect(tray, &QSystemTrayIcon::activated, behaviour.dock,
                         &DockController::tray_pointer_activity);
        if (widgets.window != nullptr) {
            tray->setContextMenu(make_tray_menu(widgets.window, behaviour.dock));
        }
    }
    return behaviour;
}

}  // namespace orvane
