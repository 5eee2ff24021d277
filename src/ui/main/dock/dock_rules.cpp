#include "ui/main/dock/dock_rules.h"

namespace orvane::dock {

WindowDock decide_drop(WindowDock w, int screen_width) {
    const bool away = w.top >= kEdgeDistance && w.left >= kEdgeDistance &&
                      w.left <= screen_width - w.width - kEdgeDistance;
    if (away) {
        // The strips keep whatever visibility they had; only the flag goes.
        w.docked = false;
        return w;
    }
    w.strips = Strips{};
    w.docked = true;
    if (w.top < kEdgeDistance) {
        w.top = 0;
        w.strips.top = false;
    } else if (w.left < kEdgeDistance) {
        w.left = 0;
        w.strips.left = false;
    } else {
        w.left = screen_width - w.width;
        w.strips.right = false;
    }
    return w;
}

bool toggle_applies(const WindowDock& w) {
    return w.docked && w.width < kExpandedThreshold;
}

WindowDock dock_toggle(WindowDock w, int screen_width) {
    if (!toggle_applies(w)) {
        return w;
    }
    if (!w.strips.left) {
        w.left = w.left >= 0 ? kSliver - w.width : 0;
    }
    if (!w.strips.top) {
        w.top = w.top >= 0 ? kSliver - w.height : 0;
    }
    if (!w.strips.right) {
        w.left = w.left < screen_width - kSliver ? screen_width - kSliver : screen_width - w.width;
    }
    return w;
}

bool docked_right(const WindowDock& w) {
    return w.docked && !w.strips.right;
}

HelpGeometry toggle_help(const WindowDock& w, int screen_width) {
    HelpGeometry g;
    g.opened = w.width < kExpandedThreshold;
    g.width = g.opened ? kExpandedWidth : kCalculatorWidth;
    g.left = docked_right(w) ? screen_width - g.width : w.left;
    return g;
}

ShapeAction restore_shape(const ShapeInput& in) {
    ShapeAction a;
    if (in.width == kExpandedWidth || in.minimised || in.maximised) {
        return a;
    }
    a.act = true;
    a.make_borderless = in.framed;
    a.clear_caption = true;
    return a;
}

}  // namespace orvane::dock
