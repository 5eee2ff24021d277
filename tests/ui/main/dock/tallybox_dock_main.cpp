// The real main window with the desktop behaviour the program attaches, for
// driving under a real X server and window manager. Prints "window <id>" once shown and one
// line per drag, drop and slide.
#include <QApplication>
#include <cstdio>

#include "app/main_window_behaviour.h"
#include "engine/calculator.h"
#include "startup/startup_values.h"
#include "ui/main/tallybox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvane::engine::Registers registers;
    orvane::StartupValues values;
    auto* window = new orvane::Tallybox(registers, values);
    window->set_clip_player([](std::string_view) {});

    const orvane::DesktopBehaviour behaviour = orvane::app::attach_main_window_behaviour(*window);
    behaviour.dock->set_system_move_allowed(
        !app.arguments().contains(QStringLiteral("--manual-move")));
    QObject::connect(window, &orvane::Tallybox::exit_requested, &app, &QApplication::quit);

    QObject::connect(behaviour.dock, &orvane::DockController::drag_started, [](bool by_wm) {
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
    // As the program shows each new window: not every window manager focuses a new window that
    // stays off the taskbar.
    window->raise();
    window->activateWindow();
    std::printf("window %llu\n", static_cast<unsigned long long>(window->winId()));
    std::fflush(stdout);
    const int status = app.exec();
    delete window;
    return status;
}
