// The tray icon's menu: its two entries and what the first one does to a minimised window.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include "ui/main/dock/dock_controller.h"
#include "ui/main/dock/tray_menu.h"

namespace orvane {

class TrayMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void has_show_and_quit() {
        QWidget window;
        DockWidgets widgets;
        widgets.window = &window;
        auto* dock = new DockController(widgets, &window);
        QMenu* menu = make_tray_menu(&window, dock);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions[0]->text(), QStringLiteral("显示计算器"));
        QCOMPARE(actions[1]->text(), QStringLiteral("计算记录（F8）"));
        QCOMPARE(actions[2]->text(), QStringLiteral("退出"));
    }

    // A switch the window carries sits before 退出 and is the window's own action.
    void lists_the_window_switches() {
        QWidget window;
        auto* item = new QAction(QStringLiteral("朗读结果"), &window);
        item->setCheckable(true);
        window.addAction(item);
        DockWidgets widgets;
        widgets.window = &window;
        auto* dock = new DockController(widgets, &window);
        QMenu* menu = make_tray_menu(&window, dock);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 4);
        QCOMPARE(actions[0]->text(), QStringLiteral("显示计算器"));
        QCOMPARE(actions[1]->text(), QStringLiteral("计算记录（F8）"));
        QCOMPARE(actions[2], item);
        QCOMPARE(actions[3]->text(), QStringLiteral("退出"));
    }

    void show_restores_a_minimised_window() {
        QWidget window;
        window.resize(200, 100);
        DockWidgets widgets;
        widgets.window = &window;
        auto* dock = new DockController(widgets, &window);
        QMenu* menu = make_tray_menu(&window, dock);
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        menu->actions()[0]->trigger();
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
        menu->actions().last()->trigger();
        QVERIFY(!window.isVisible());
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::TrayMenuTest)
#include "tray_menu_test.moc"
