// Creates the program's three calculator windows for the switcher.
#pragma once

#include <QWidget>

#include "app/window_switcher.h"

namespace orvane::app {

// A fresh Tallybox, BDS or House window with its switch (and exit) requests connected to
// `switcher`; not yet shown.
QWidget* create_calculator_window(CalculatorKind kind, WindowSwitcher& switcher);

}  // namespace orvane::app
