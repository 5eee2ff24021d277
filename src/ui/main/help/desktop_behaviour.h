// Puts the desktop behaviour and the help panel onto a main window in one step.
#pragma once

#include "ui/main/dock/dock_controller.h"
#include "ui/main/help/help_panel.h"

class QSystemTrayIcon;

namespace orvane {

struct DesktopBehaviour {
    DockController* dock = nullptr;  // child of the window
    QWidget* help_area = nullptr;    // where the help panel goes; null without one
};

// Creates the dock controller on `widgets` and lets pointer activity over their tray icon
// reach the window. The help panel is built the first time it is asked for (it lies outside
// the window until the window widens, so the first frame does not wait for it). Toggling the
// panel stays with the caller: call toggle_help_panel(dock, help_panel_of(...)) on L_Help / F1.
DesktopBehaviour attach_desktop_behaviour(const DockWidgets& widgets);

// The help panel filling `help_area`, created on the first call.
HelpPanel& help_panel_of(QWidget& help_area);

}  // namespace orvane
