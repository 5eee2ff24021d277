// Puts the desktop behaviour and the help panel onto a main window in one step.
#pragma once

#include "ui/main/dock/dock_controller.h"
#include "ui/main/help/help_panel.h"

class QSystemTrayIcon;

namespace orvane {

struct DesktopBehaviour {
    DockController* dock = nullptr;  // child of the window
    HelpPanel* panel = nullptr;      // child of the help area
};

// Creates the dock controller on `widgets`, fills their help area with the help panel, and
// lets pointer activity over their tray icon reach the window. Toggling the panel stays with
// the caller: call toggle_help_panel on L_Help / F1.
DesktopBehaviour attach_desktop_behaviour(const DockWidgets& widgets);

}  // namespace orvane
