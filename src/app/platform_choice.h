// Which Qt platform plugin the desktop program asks for before it creates its application.
#pragma once

#include <optional>
#include <string>

namespace orvane::app {

// The environment variables that decide it; a null pointer is an unset variable.
struct PlatformEnvironment {
    const char* qt_qpa_platform = nullptr;
    const char* wayland_display = nullptr;
    const char* display = nullptr;
};

// The main window places and docks itself, which a Wayland client may not do; under a Wayland
// session that also offers an X server (XWayland) we run on X11. The user's own choice
// (QT_QPA_PLATFORM) always wins. nullopt: leave Qt's default.
std::optional<std::string> preferred_platform(const PlatformEnvironment& environment);

}  // namespace orvane::app
