// The desktop as a set of monitors, in twips as the toolkit reports them: which monitor a window
// is on, which of that monitor's edges are edges of the whole desktop (the only ones a window
// docks at), and where a window goes when the monitors change under it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "ui/main/dock/dock_rules.h"

namespace orvane::dock {

enum class Edge { top, left, right };

// The monitor holding the window's centre; else the one the window overlaps most; else the one
// nearest to its centre. Earlier monitors win ties. nullopt without monitors.
[[nodiscard]] std::optional<std::size_t> monitor_of(const Area& window,
                                                    std::span<const Area> monitors);

// True when no other monitor lies beyond EDGE of monitors[INDEX] along [FROM, TO) (x for the
// top edge, y for the side edges).
[[nodiscard]] bool outer_edge(std::span<const Area> monitors, std::size_t index, Edge edge,
                              int from, int to);

// The monitor the window is on and which of its edges dock, judged along the window's extent
// on that monitor. Without monitors: an unbounded screen.
[[nodiscard]] DockFrame frame_for(const WindowDock& window, std::span<const Area> monitors);

// Where the window goes after the monitors changed. A docked window (slid away or not) is docked
// again, shown, at the same kind of edge of the nearest monitor where that edge docks; a window
// that is not docked stays where it is while its centre is on a monitor and at least half of it
// is visible, otherwise it moves wholly onto the monitor it is nearest to.
[[nodiscard]] WindowDock place_on_monitors(const WindowDock& window,
                                           std::span<const Area> monitors);

}  // namespace orvane::dock
