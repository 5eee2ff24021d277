#pragma once

#include <thread>

namespace orvane::app {

// Reads the font configuration (its files and the font caches: most of the cost of the first
// text the program lays out) on a helper thread while the toolkit connects to the display.
// The toolkit's own font set-up then finds it loaded. Correct without the head start: the
// font library makes a second, concurrent load harmless, only wasted.
class FontConfigurationLoader {
  public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

    // Returns once the configuration is loaded; call it before the first text is measured.
    void wait();

  private:
    std::thread thread_;
};

}  // namespace orvane::app
