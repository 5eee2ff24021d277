// The main window's desktop behaviour (dragging, docking, mini strip, title buttons, help
// panel), attached to a freshly created window. The program and its end-to-end tests share it.
#pragma once

#include "ui/main/dock/dock_and_tray.h"

namespace orvane {
class Tallybox;
}

namespace orvane::app {

DesktopBehaviour attach_main_window_behaviour(Tallybox& window);

}  // namespace orvane::app
