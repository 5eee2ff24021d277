#include "app/platform_choice.h"

namespace orvane::app {

namespace {

bool is_set(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<std::string> preferred_platform(const PlatformEnvironment& environment) {
    if (is_set(environment.qt_qpa_platform)) {
        return std::nullopt;
    }
    if (is_set(environment.wayland_display) && is_set(environment.display)) {
        return "xcb";
    }
    return std::nullopt;
}

}  // namespace orvane::app
