// The start-up options that the main window's load step applies, read from the start-up
// values. Qt-free: orvane-cli reports the same state.
#pragma once

#include "engine/calculator.h"
#include "startup/startup_values.h"

namespace orvane::engine {

// "/f3" voice on, "/ac" auto-copy, "/ag" capture, "/u" N round to N decimals, "/c" N cut to
// N decimals ("/c" is applied after "/u", so it wins should both stand).
LoadPresets main_window_presets(const StartupValues& startup);

}  // namespace orvane::engine
