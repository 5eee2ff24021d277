// Start-up work begun on a helper thread, so that it runs on a second core beside the
// toolkit's own start.
#pragma once

#include <functional>
#include <thread>

namespace orvane::app {

// Runs `work` on a helper thread from construction on; the destructor waits for it.
class HeadStart {
  public:
    explicit HeadStart(std::function<void()> work);
    ~HeadStart();
    HeadStart(const HeadStart&) = delete;
    HeadStart& operator=(const HeadStart&) = delete;

    // Returns once the work is done.
    void wait();

  private:
    std::thread thread_;
};

// Reads the font configuration (its files and the font caches: most of the cost of the first
// text the program lays out). The toolkit's own font set-up then finds it loaded; without the
// head start it loads it itself (the font library makes a second, concurrent load harmless,
// only wasted). Whatever measures text waits for it.
void load_font_configuration();

// Connects to the desktop's session bus. The accessibility bridge connects synchronously the
// first time a control changes its text; when no bus address is set, that connection starts a
// bus first and takes several milliseconds. The bridge then finds the connection made (or waits
// for the rest of it: nothing is done twice). Needs the application object.
void connect_session_bus();

}  // namespace orvane::app
