// Where the sliver of a slid-away window lies: the part of the window that the slide leaves on
// the screen. The hidden window itself is taken off the screen and a sliver window of its own
// stands in that place, because window managers keep a part of a window of their choosing on
// the screen (or none of it moves at all).
#pragma once

#include "ui/main/dock/dock_rules.h"

namespace orvane::dock {

// A rectangle on the screen, twips or pixels as its producer says.
struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    [[nodiscard]] bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const Area&) const = default;
};

// True when the slide left the window partly beyond the left, top or right screen edge.
[[nodiscard]] bool slid_away(const WindowDock& window, int screen_width);

// The part of the window inside the screen's left, top and right edges, in twips.
[[nodiscard]] Area sliver_twips(const WindowDock& window, int screen_width);

// The same in pixels, each edge rounded on its own so that the sliver touches the screen edge
// and is at least one pixel thick.
[[nodiscard]] Area sliver_px(const WindowDock& window, int screen_width);

}  // namespace orvane::dock
