#include "ui/main/dock/monitor_rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

namespace orvane::dock {

namespace {

bool overlaps(int from_a, int to_a, int from_b, int to_b) {
    return std::max(from_a, from_b) < std::min(to_a, to_b);
}

std::int64_t overlap_area(const Area& a, const Area& b) {
    const std::int64_t w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const std::int64_t h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

bool contains(const Area& a, int x, int y) {
    return x >= a.left && x < a.right() && y >= a.top && y < a.bottom();
}

std::int64_t squared_distance(const Area& a, int x, int y) {
    const std::int64_t dx = std::max({a.left - x, 0, x - (a.right() - 1)});
    const std::int64_t dy = std::max({a.top - y, 0, y - (a.bottom() - 1)});
    return dx * dx + dy * dy;
}

// The window's extent along EDGE, cut to the monitor; the monitor's whole edge when the window
// lies beside it.
std::pair<int, int> extent_along(const Area& window, const Area& m, Edge edge) {
    const bool across = edge == Edge::top;
    const int from = across ? std::max(window.left, m.left) : std::max(window.top, m.top);
    const int to =
        across ? std::min(window.right(), m.right()) : std::min(window.bottom(), m.bottom());
    if (from < to) {
        return {from, to};
    }
    return across ? std::pair{m.left, m.right()} : std::pair{m.top, m.bottom()};
}

int clamp_into(int pos, int size, int lo, int hi) {
    // A window larger than the monitor keeps its top-left corner on it.
    return std::max(lo, std::min(pos, hi - size));
}

std::optional<Edge> docked_edge(const WindowDock& w) {
    if (!w.docked) {
        return std::nullopt;
    }
    if (!w.strips.top) {
        return Edge::top;
    }
    if (!w.strips.left) {
        return Edge::left;
    }
    if (!w.strips.right) {
        return Edge::right;
    }
    return std::nullopt;
}

std::optional<WindowDock> redock(const WindowDock& w, Edge edge, std::span<const Area> monitors) {
    std::optional<WindowDock> best;
    std::int64_t best_distance = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const Area& m = monitors[i];
        WindowDock placed = w;
        placed.left = clamp_into(w.left, w.width, m.left, m.right());
        placed.top = clamp_into(w.top, w.height, m.top, m.bottom());
        switch (edge) {
            case Edge::top:
                placed.top = m.top;
                break;
            case Edge::left:
                placed.left = m.left;
                break;
            case Edge::right:
                placed.left = m.right() - w.width;
                break;
        }
        const auto [from, to] = extent_along(placed.area(), m, edge);
        if (!outer_edge(monitors, i, edge, from, to)) {
            continue;
        }
        const std::int64_t distance = std::int64_t{std::abs(placed.left - w.left)} +
                                      std::int64_t{std::abs(placed.top - w.top)};
        if (distance < best_distance) {
            best_distance = distance;
            best = placed;
        }
    }
    return best;
}

}  // namespace

std::optional<std::size_t> monitor_of(const Area& window, std::span<const Area> monitors) {
    if (monitors.empty()) {
        return std::nullopt;
    }
    const int cx = window.left + window.width / 2;
    const int cy = window.top + window.height / 2;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (contains(monitors[i], cx, cy)) {
            return i;
        }
    }
    std::size_t best = 0;
    std::int64_t best_overlap = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (const std::int64_t o = overlap_area(window, monitors[i]); o > best_overlap) {
            best = i;
            best_overlap = o;
        }
    }
    if (best_overlap > 0) {
        return best;
    }
    for (std::size_t i = 1; i < monitors.size(); ++i) {
        if (squared_distance(monitors[i], cx, cy) < squared_distance(monitors[best], cx, cy)) {
            best = i;
        }
    }
    return best;
}

bool outer_edge(std::span<const Area> monitors, std::size_t index, Edge edge, int from, int to) {
    const Area& m = monitors[index];
    for (std::size_t j = 0; j < monitors.size(); ++j) {
        const Area& o = monitors[j];
        if (j == index || o.empty()) {
            continue;
        }
        bool beyond = false;
        switch (edge) {
            case Edge::top:
                beyond =
                    o.top < m.top && o.bottom() >= m.top && overlaps(o.left, o.right(), from, to);
                break;
            case Edge::left:
                beyond =
                    o.left < m.left && o.right() >= m.left && overlaps(o.top, o.bottom(), from, to);
                break;
            case Edge::right:
                beyond = o.right() > m.right() && o.left <= m.right() &&
                         overlaps(o.top, o.bottom(), from, to);
                break;
        }
        if (beyond) {
            return false;
        }
    }
    return true;
}

DockFrame frame_for(const WindowDock& w, std::span<const Area> monitors) {
    const auto index = monitor_of(w.area(), monitors);
    if (!index) {
        return whole_screen(std::numeric_limits<int>::max() / 2);
    }
    const Area& m = monitors[*index];
    DockFrame f{m};
    for (const Edge edge : {Edge::top, Edge::left, Edge::right}) {
        const auto [from, to] = extent_along(w.area(), m, edge);
        const bool docks = outer_edge(monitors, *index, edge, from, to);
        (edge == Edge::top ? f.top : edge == Edge::left ? f.left : f.right) = docks;
    }
    return f;
}

WindowDock place_on_monitors(const WindowDock& w, std::span<const Area> monitors) {
    if (monitors.empty()) {
        return w;
    }
    if (const auto edge = docked_edge(w)) {
        if (auto placed = redock(w, *edge, monitors)) {
            return *placed;
        }
    }
    const Area area = w.area();
    const std::size_t index = *monitor_of(area, monitors);
    const Area& m = monitors[index];
    std::int64_t visible = 0;
    for (const Area& monitor : monitors) {
        visible += overlap_area(area, monitor);
    }
    const bool centre_on = contains(m, area.left + area.width / 2, area.top + area.height / 2);
    if (centre_on && 2 * visible >= std::int64_t{area.width} * area.height) {
        return w;
    }
    WindowDock placed = w;
    placed.left = clamp_into(w.left, w.width, m.left, m.right());
    placed.top = clamp_into(w.top, w.height, m.top, m.bottom());
    return placed;
}

}  // namespace orvane::dock
