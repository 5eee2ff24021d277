#include "ui/main/dock/dock_and_tray.h"

#include <QSystemTrayIcon>

#include "ui/main/dock/tray_menu.h"

namespace orvane {

DesktopBehaviour attach_desktop_behaviour(const DockWidgets& widgets) {
    DesktopBehaviour behaviour;
    behaviour.window = widgets.window;
    behaviour.help_area = widgets.help_area;
    behaviour.dock = new DockController(widgets);
    return behaviour;
}

void attach_tray_icon(const DesktopBehaviour& behaviour, QSystemTrayIcon& tray) {
    DockController* dock = behaviour.dock;
    QObject::connect(
        &tray, &QSystemTrayIcon::activated, dock, [dock](QSystemTrayIcon::ActivationReason reason) {
            // A click brings the calculator back from wherever it is; the context
            // menu's press only counts as pointer activity.
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick ||
                reason == QSystemTrayIcon::MiddleClick) {
                dock->bring_back();
            } else {
                dock->tray_pointer_activity();
            }
        });
    if (behaviour.window != nullptr) {
        tray.setContextMenu(make_tray_menu(behaviour.window, behaviour.dock));
    }
}

}  // namespace orvane
