#include "app/main_window_behaviour.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/main/click_label.h"
#include "ui/main/tallybox.h"

namespace orvane::app {

DesktopBehaviour attach_main_window_behaviour(Tallybox& window) {
    DockWidgets parts;
    parts.window = &window;
    parts.logo = window.image_logo();
    parts.display = window.t_show();
    parts.memory = window.t_memory();
    parts.strip_top = window.pic_shang();
    parts.strip_bottom = window.pic_xia();
    parts.strip_left = window.pic_zuo();
    parts.strip_right = window.pic_you();
    parts.help_button = window.l_help();
    parts.mini_button = window.l_mini();
    parts.exit_button = window.l_exit();
    Tallybox* target = &window;
    parts.give_focus = [target] { target->take_keyboard_focus(); };

    const DesktopBehaviour behaviour =
        attach_desktop_behaviour(parts, window.help_area(), window.tray_icon());
    QObject::connect(&window, &Tallybox::helpToggleRequested, behaviour.dock,
                     [behaviour] { toggle_help_panel(*behaviour.dock, *behaviour.panel); });
    return behaviour;
}

}  // namespace orvane::app
