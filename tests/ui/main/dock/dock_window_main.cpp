// A test-only window that carries the dock controller, for driving it under a real X server and
// window manager. Prints "window <id>" once shown and one line per drop and slide.
#include <QApplication>
#include <QScreen>
#include <QTextStream>
#include <cstdio>

#include "dock_test_window.h"
#include "ui/main/dock/dock_controller.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool manual = app.arguments().contains(QStringLiteral("--manual-move"));
    orvane::testing::DockTestWindow window;
    auto* controller = new orvane::DockController(window.parts);
    controller->set_system_move_allowed(!manual);
    QObject::connect(controller, &orvane::DockController::dropped, [&window](bool docked) {
        std::printf("dropped %d at %d,%d\n", docked ? 1 : 0, window.x(), window.y());
        std::fflush(stdout);
    });
    QObject::connect(controller, &orvane::DockController::drag_started, [](bool by_wm) {
        std::printf("drag by %s\n", by_wm ? "window manager" : "program");
        std::fflush(stdout);
    });
    QObject::connect(controller, &orvane::DockController::slid, [&window](bool hidden) {
        std::printf("slid %d to %d,%d\n", hidden ? 1 : 0, window.x(), window.y());
        std::fflush(stdout);
    });
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window.move(screen.center() - QPoint(window.width() / 2, window.height() / 2));
    window.show();
    std::printf("window %llu\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
    return app.exec();
}
