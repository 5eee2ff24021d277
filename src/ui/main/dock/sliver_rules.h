// Where the sliver of a slid-away window lies: the part of the window that the slide leaves on
// its monitor. The hidden window itself is taken off the screen and a sliver window of its own
// stands in that place, because window managers keep a part of a window of their choosing on
// the screen (or none of it moves at all).
#pragma once

#include "ui/main/dock/dock_rules.h"

namespace orvane::dock {

// True when the slide took the window past its docked edge of the frame's monitor.
[[nodiscard]] bool slid_away(const WindowDock& window, const DockFrame& frame);

// The part of the window on the frame's monitor, in twips.
[[nodiscard]] Area sliver_twips(const WindowDock& window, const DockFrame& frame);

// The same in pixels, each edge rounded on its own so that the sliver touches the monitor's
// edge and is at least one pixel thick.
[[nodiscard]] Area sliver_px(const WindowDock& window, const DockFrame& frame);

}  // namespace orvane::dock
