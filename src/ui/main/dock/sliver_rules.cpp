#include "ui/main/dock/sliver_rules.h"

#include <algorithm>

namespace orvane::dock {

bool slid_away(const WindowDock& w, int screen_width) {
    return w.left < 0 || w.top < 0 || w.left + w.width > screen_width;
}

Area sliver_twips(const WindowDock& w, int screen_width) {
    const int left = std::max(w.left, 0);
    const int right = std::min(w.left + w.width, screen_width);
    const int top = std::max(w.top, 0);
    const int bottom = w.top + w.height;
    return Area{left, top, right - left, bottom - top};
}

Area sliver_px(const WindowDock& w, int screen_width) {
    const Area t = sliver_twips(w, screen_width);
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
