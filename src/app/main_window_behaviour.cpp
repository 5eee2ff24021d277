#include "app/main_window_behaviour.h"

#include <QSystemTrayIcon>

#include "ui/main/help/help_panel.h"
#include "ui/main/tallybox.h"

namespace orvane::app {

DesktopBehaviour attach_main_window_behaviour(Tallybox& window) {
    const DesktopBehaviour behaviour = attach_desktop_behaviour(window.desktop_parts());
    QObject::connect(&window, &Tallybox::tray_icon_added, behaviour.dock,
                     [behaviour](QSystemTrayIcon* tray) { attach_tray_icon(behaviour, *tray); });
    QObject::connect(&window, &Tallybox::help_toggle_requested, behaviour.dock, [behaviour] {
        if (behaviour.help_area != nullptr) {
            toggle_help_panel(*behaviour.dock, help_panel_of(*behaviour.help_area));
        }
    });
    return behaviour;
}

}  // namespace orvane::app
