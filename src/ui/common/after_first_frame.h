// Start-up work that the first frame does not show (a tray icon, say) waits until that frame
// is on the screen, so that the window appears sooner.
#pragma once

#include <functional>

class QWidget;

namespace orvane {

// Runs `work` once, from the event loop, right after `window` has painted (and flushed) its
// first frame. Nothing runs when the window is destroyed before that.
void after_first_frame(QWidget& window, std::function<void()> work);

}  // namespace orvane
