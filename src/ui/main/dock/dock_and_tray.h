// Wires a main window to the desktop: its dock controller (dragging, docking, sliding away, the
// mini strip) and its tray icon (a click and the menu bring the window back).
#pragma once

#include "ui/main/dock/dock_controller.h"

class QSystemTrayIcon;

namespace orvane {

struct DesktopBehaviour {
    DockController* dock = nullptr;  // child of the window
    QWidget* window = nullptr;
    QWidget* help_area = nullptr;  // where the help panel goes; null without one
};

// Creates the dock controller on `widgets`. The help panel is built the first time it is asked for
// (it lies outside the window until the window widens, so the first frame does not wait for it).
// Toggling the panel stays with the caller: call toggle_help_panel(dock, help_panel_of(...)) on
// L_Help / F1 (ui/main/help/help_panel.h).
DesktopBehaviour attach_desktop_behaviour(const DockWidgets& widgets);

// Lets pointer activity over the window's tray icon reach the window (a click brings the
// calculator back from every state) and gives the icon its menu.
void attach_tray_icon(const DesktopBehaviour& behaviour, QSystemTrayIcon& tray);

}  // namespace orvane
