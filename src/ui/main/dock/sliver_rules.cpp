#include "ui/main/dock/sliver_rules.h"

#include <algorithm>

namespace orvane::dock {

bool slid_away(const WindowDock& w, const DockFrame& f) {
    // Only the docked edge counts: a window docked at the top may reach across a side edge
    // shared with the next monitor.
    const Area& m = f.monitor;
    return (!w.strips.left && w.left < m.left) || (!w.strips.top && w.top < m.top) ||
           (!w.strips.right && w.left + w.width > m.right());
}

Area sliver_twips(const WindowDock& w, const DockFrame& f) {
    const Area& m = f.monitor;
    const int left = std::max(w.left, m.left);
    const int right = std::min(w.left + w.width, m.right());
    const int top = std::max(w.top, m.top);
    const int bottom = std::min(w.top + w.height, m.bottom());
    return Area{left, top, right - left, bottom - top};
}

Area sliver_px(const WindowDock& w, const DockFrame& f) {
    const Area t = sliver_twips(w, f);
    if (t.empty()) {
        return Area{};
    }
    const int left = px_from_twips(t.left);
    const int top = px_from_twips(t.top);
    const int right = std::max(px_from_twips(t.left + t.width), left + 1);
    const int bottom = std::max(px_from_twips(t.top + t.height), top + 1);
    return Area{left, top, right - left, bottom - top};
}

}  // namespace orvane::dock
