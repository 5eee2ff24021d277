#include "ui/main/dock/tray_menu.h"

#include <QMenu>
#include <QWidget>

#include "ui/main/dock/dock_controller.h"

namespace orvane {

QMenu* make_tray_menu(QWidget* window, DockController* dock) {
    auto* menu = new QMenu(window);
    QObject::connect(menu->addAction(QStringLiteral("显示计算器")), &QAction::triggered, window,
                     [dock] { dock->bring_back(); });
    // The window carries out the toggle itself (F8 does the same).
    QObject::connect(menu->addAction(QStringLiteral("计算记录（F8）")), &QAction::triggered, window,
                     [window] { QMetaObject::invokeMethod(window, "toggle_tape"); });
    // The window's own switches (check items such as 朗读结果) come before 退出.
    menu->addActions(window->actions());
    QObject::connect(menu->addAction(QStringLiteral("退出")), &QAction::triggered, window,
                     &QWidget::close);
    return menu;
}

}  // namespace orvane
