#include "startup/main_window_presets.h"

#include <string>

namespace orvane::engine {

LoadPresets main_window_presets(const StartupValues& startup) {
    LoadPresets presets;
    presets.voice = startup.has("/f3");
    presets.autocopy = startup.has("/ac");
    presets.autoload = startup.has("/ag");
    if (startup.has("/u")) {
        presets.rounding = Rounding::round;
        presets.decimals = startup.option_decimals;
    }
    if (startup.has("/c")) {
        presets.rounding = Rounding::cut;
        presets.decimals = startup.option_decimals;
    }
    return presets;
}

}  // namespace orvane::engine
