// The tray icon's context menu: bring the calculator back, the window's switches, or quit.
#pragma once

class QMenu;
class QWidget;

namespace orvane {

class DockController;

// A menu (child of `window`) with "显示计算器", which restores the window as a click on the
// tray icon does, then the window's own actions (its switches), and "退出", which closes it.
[[nodiscard]] QMenu* make_tray_menu(QWidget* window, DockController* dock);

}  // namespace orvane
