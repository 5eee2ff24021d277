#include "ui/main/help/tray_menu.h"

#include <QMenu>
#include <QWidget>

#include "ui/main/dock/dock_controller.h"

namespace orvane {

QMenu* make_tray_menu(QWidget* window, DockController* dock) {
    auto* menu = new QMenu(window);
    QObject::connect(menu->addAction(QStringLiteral("显示计算器")), &QAction::triggered, window,
                     [window, dock] {
                         if (!window->isVisible()) {
                             window->show();
                         }
                         dock->tray_pointer_activity();
                     });
    // The window's own switches (check items such as 朗读结果) come between the two.
    menu->addActions(window->actions());
    QObject::connect(menu->addAction(QStringLiteral("退出")), &QAction::triggered, window,
                     &QWidget::close);
    return menu;
}

}  // namespace orvane
