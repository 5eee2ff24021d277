// Switching between the three calculators, the same from each window: F1 opens the standard
// calculator, F2 the expression calculator, F7 the mortgage calculator.
#pragma once

#include <QTimer>
#include <optional>

#include "startup/calculator_kind.h"

namespace orvane {

// The calculator a released key switches to from the window `own`, with any modifiers; none for
// other keys and for the window's own key (the main window's F1 opens its help panel instead).
std::optional<CalculatorKind> switch_target_for_key(int qt_key, CalculatorKind own);

// Emits `window->switch_requested(target)` from the event loop once the triggering event is
// over, so that the receiver may destroy the window at once.
template <typename Window>
void request_switch_later(Window* window, CalculatorKind target) {
    QTimer::singleShot(0, window, [window, target] { emit window->switch_requested(target); });
}

}  // namespace orvane
