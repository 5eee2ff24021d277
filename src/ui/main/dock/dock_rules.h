// Docking, sliding and sizing rules of the main window, as pure functions on twips.
// The window code reads the geometry, asks these rules what to do and applies the answer.
#pragma once

#include <string_view>

#include "ui/common/twip_units.h"

namespace orvane::dock {

inline constexpr int kEdgeDistance = 285;         // a drop closer than this to an edge docks there
inline constexpr int kSliver = 50;                // what stays on screen of a slid-away window
inline constexpr int kExpandedThreshold = 10000;  // this wide or wider: help panel open
inline constexpr int kCalculatorWidth = 6635;
inline constexpr int kCalculatorHeight = 6495;
inline constexpr int kExpandedWidth = 10470;
inline constexpr std::string_view kMinimisedCaption = "Orvane桌面计算器";

// Visibility of the three edge strips that can mark a docked edge. The bottom strip is never
// hidden, so it has no entry here.
struct Strips {
    bool top = true;    // Pic_shang
    bool left = true;   // Pic_zuo
    bool right = true;  // Pic_you
    bool operator==(const Strips&) const = default;
};

// What the rules see of the window: geometry in twips, the dock flag and the strips.
struct WindowDock {
    int left = 0;
    int top = 0;
    int width = kCalculatorWidth;
    int height = kCalculatorHeight;
    bool docked = false;  // dock_state; "unset" counts as false
    Strips strips;
    bool operator==(const WindowDock&) const = default;
};

// The decision right after the pointer-driven move ends: undock away from all edges, or snap
// to the top (wins), the left, or the right edge and hide that edge's strip.
WindowDock decide_drop(WindowDock window, int screen_width);

// Whether a pointer move over an edge strip slides the window: only when docked and not
// expanded. When this is true the window also takes the keyboard focus.
bool toggle_applies(const WindowDock& window);

// Slides a docked window out of sight, leaving a sliver, or back into view. The left, top and
// right tests run in this order on every call; without `toggle_applies` nothing changes.
WindowDock dock_toggle(WindowDock window, int screen_width);

// The help panel opening or closing: the new width and left.
struct HelpGeometry {
    int left = 0;
    int width = kCalculatorWidth;
    bool opened = false;
    bool operator==(const HelpGeometry&) const = default;
};

// True when the window is docked at the right edge (flag set and right strip hidden).
bool docked_right(const WindowDock& window);

// Width 10000 or more closes (6635), otherwise opens (10470); a right-docked window keeps its
// right side on the screen's right edge, everything else keeps its left.
HelpGeometry toggle_help(const WindowDock& window, int screen_width);

// What a resize of the window (by anyone, restoring included) asks for.
struct ShapeInput {
    int width = kCalculatorWidth;
    bool minimised = false;
    bool maximised = false;
    bool framed = false;
};
struct ShapeAction {
    bool act = false;              // false: leave the window alone
    bool make_borderless = false;  // it had the single frame of the minimised strip
    bool clear_caption = false;
    int width = kCalculatorWidth;
    int height = kCalculatorHeight;
    bool operator==(const ShapeAction&) const = default;
};
ShapeAction restore_shape(const ShapeInput& input);

}  // namespace orvane::dock
