#include "ui/main/dock/dock_rules.h"

namespace orvane::dock {

DockFrame whole_screen(int width) {
    constexpr int kUnbounded = 1 << 28;
    return DockFrame{Area{0, 0, width, kUnbounded}};
}

WindowDock decide_drop(WindowDock w, const DockFrame& f) {
    const Area& m = f.monitor;
    const bool near_top = f.top && w.top < m.top + kEdgeDistance;
    const bool near_left = f.left && w.left < m.left + kEdgeDistance;
    const bool near_right = f.right && w.left > m.right() - w.width - kEdgeDistance;
    if (!near_top && !near_left && !near_right) {
        // The strips keep whatever visibility they had; only the flag goes.
        w.docked = false;
        return w;
    }
    w.strips = Strips{};
    w.docked = true;
    if (near_top) {
        w.top = m.top;
        w.strips.top = false;
    } else if (near_left) {
        w.left = m.left;
        w.strips.left = false;
    } else {
        w.left = m.right() - w.width;
        w.strips.right = false;
    }
    return w;
}

bool toggle_applies(const WindowDock& w) {
    return w.docked && w.width < kExpandedThreshold;
}

WindowDock dock_toggle(WindowDock w, const DockFrame& f) {
    if (!toggle_applies(w)) {
        return w;
    }
    const Area& m = f.monitor;
    if (!w.strips.left) {
        w.left = w.left >= m.left ? m.left + kSliver - w.width : m.left;
    }
    if (!w.strips.top) {
        w.top = w.top >= m.top ? m.top + kSliver - w.height : m.top;
    }
    if (!w.strips.right) {
        const int hidden = m.right() - kSliver;
        w.left = w.left < hidden ? hidden : m.right() - w.width;
    }
    return w;
}

bool docked_right(const WindowDock& w) {
    return w.docked && !w.strips.right;
}

HelpGeometry toggle_help(const WindowDock& w, const DockFrame& f) {
    HelpGeometry g;
    g.opened = w.width < kExpandedThreshold;
    g.width = g.opened ? kExpandedWidth : kCalculatorWidth;
    g.left = docked_right(w) ? f.monitor.right() - g.width : w.left;
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
