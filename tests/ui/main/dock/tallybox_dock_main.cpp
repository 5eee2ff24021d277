// The real main window with the desktop behaviour attached exactly as the program does it, for
// driving under a real X server and window manager. Prints "window <id>" once shown and one
// line per drag, drop and slide.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSystemTrayIcon>
#include <cstdio>

#include "app/startup_values.h"
#include "engine/calculator.h"
#include "ui/main/click_label.h"
#include "ui/main/help/desktop_behaviour.h"
#include "ui/main/tallybox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvane::engine::Registers registers;
    orvane::StartupValues values;
    auto* window = new orvane::Tallybox(registers, values);
    window->set_clip_player([](std::string_view) {});

    orvane::DockWidgets parts;
    parts.window = window;
    parts.logo = window->image_logo();
    parts.display = window->t_show();
    parts.memory = window->t_memory();
    parts.strip_top = window->pic_shang();
    parts.strip_bottom = window->pic_xia();
    parts.strip_left = window->pic_zuo();
    parts.strip_right = window->pic_you();
    parts.help_button = window->l_help();
    parts.mini_button = window->l_mini();
    parts.exit_button = window->l_exit();
    parts.give_focus = [window] { window->take_keyboard_focus(); };
    const orvane::DesktopBehaviour behaviour =
        orvane::attach_desktop_behaviour(parts, window->help_area(), window->tray_icon());
    behaviour.dock->setSystemMoveAllowed(
        !app.arguments().contains(QStringLiteral("--manual-move")));
    QObject::connect(window, &orvane::Tallybox::helpToggleRequested, behaviour.dock,
                     [behaviour] { orvane::toggle_help_panel(*behaviour.dock, *behaviour.panel); });
    QObject::connect(window, &orvane::Tallybox::exitRequested, &app, &QApplication::quit);

    QObject::connect(behaviour.dock, &orvane::DockController::dragStarted, [](bool by_wm) {
        std::printf("drag by %s\n", by_wm ? "window manager" : "program");
        std::fflush(stdout);
    });
    QObject::connect(behaviour.dock, &orvane::DockController::dropped, [window](bool docked) {
        std::printf("dropped %d at %d,%d\n", docked ? 1 : 0, window->x(), window->y());
        std::fflush(stdout);
    });
    QObject::connect(behaviour.dock, &orvane::DockController::slid, [window](bool hidden) {
        std::printf("slid %d to %d,%d\n", hidden ? 1 : 0, window->x(), window->y());
        std::fflush(stdout);
    });
    window->show();
    std::printf("window %llu\n", static_cast<unsigned long long>(window->winId()));
    std::fflush(stdout);
    const int status = app.exec();
    delete window;
    return status;
}
