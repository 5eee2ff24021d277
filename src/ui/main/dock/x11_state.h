// What the display server knows about the pointer and the window, also while the window
// manager holds the pointer grab of an interactive move and before it has told us where the
// window went.
#pragma once

#include <QPoint>
#include <optional>

class QWidget;

namespace orvane {

// True when the X server is XWayland (a Wayland session): its outputs are named XWAYLAND<n>.
bool on_xwayland();

// True while any pointer button is held down; nullopt when the server cannot be asked.
std::optional<bool> server_pointer_buttons_down();

// The window's top-left corner on the screen as the server has it, when the server can be
// asked (X11); nullopt elsewhere.
std::optional<QPoint> server_window_origin(const QWidget* window);

}  // namespace orvane
