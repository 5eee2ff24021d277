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

// A rectangle on the desktop, twips or pixels as its producer says.
struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    [[nodiscard]] int right() const { return left + width; }
    [[nodiscard]] int bottom() const { return top + height; }
    [[nodiscard]] bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const Area&) const = default;
};

// The monitor a window docks on, and which of its edges are edges of the whole desktop: only
// those dock (an edge shared with a neighbouring monitor is crossed freely). There is no bottom
// docking.
struct DockFrame {
    Area monitor;
    bool top = true;
    bool left = true;
    bool right = true;
    bool operator==(const DockFrame&) const = default;
};

// One screen WIDTH twips wide at the origin, all three edges docking, unbounded downwards.
[[nodiscard]] DockFrame whole_screen(int width);

// What the rules see of the window: geometry in twips, the dock flag and the strips.
struct WindowDock {
    int left = 0;
    int top = 0;
    int width = kCalculatorWidth;
    int height = kCalculatorHeight;
    bool docked = false;  // dock_state; "unset" counts as false
    Strips strips;
    [[nodiscard]] Area area() const { return {left, top, width, height}; }
    bool operator==(const WindowDock&) const = default;
};

// The decision right after the pointer-driven move ends: undock away from all docking edges of
// the frame, or snap to the top (wins), the left, or the right edge and hide that edge's strip.
WindowDock decide_drop(WindowDock window, const DockFrame& frame);

// Whether a pointer move over an edge strip slides the window: only when docked and not
// expanded. When this is true the window also takes the keyboard focus.
bool toggle_applies(const WindowDock& window);

// Slides a docked window out of sight, leaving a sliver, or back into view. The left, top and
// right tests run in this order on every call; without `toggle_applies` nothing changes.
WindowDock dock_toggle(WindowDock window, const DockFrame& frame);

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
// right side on the monitor's right edge, everything else keeps its left.
HelpGeometry toggle_help(const WindowDock& window, const DockFrame& frame);

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
