// The desktop program prefers X11 (XWayland) under Wayland unless the user chose a platform.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/platform_choice.h"

namespace orvane::app {
namespace {

TEST(PlatformChoice, PrefersXcbOnlyUnderWaylandWithAnXServer) {
    struct Case {
        const char* qpa;
        const char* wayland;
        const char* display;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {nullptr, "wayland-0", ":0", "xcb"},
        {"", "wayland-0", ":0", "xcb"},                // an empty variable counts as unset
        {"wayland", "wayland-0", ":0", std::nullopt},  // the user's choice wins
        {"offscreen", nullptr, nullptr, std::nullopt},
        {nullptr, "wayland-0", nullptr, std::nullopt},  // no XWayland: leave Qt's default
        {nullptr, "wayland-0", "", std::nullopt},
        {nullptr, nullptr, ":0", std::nullopt},  // plain X11 session
        {nullptr, nullptr, nullptr, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(preferred_platform({c.qpa, c.wayland, c.display}), c.expected)
            << (c.qpa ? c.qpa : "(unset)") << " " << (c.wayland ? c.wayland : "(unset)") << " "
            << (c.display ? c.display : "(unset)");
    }
}

}  // namespace
}  // namespace orvane::app
