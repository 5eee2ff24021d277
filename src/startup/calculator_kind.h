// The three calculator windows; a window asks the application to switch with one of these.
#pragma once

namespace orvane {

enum class CalculatorKind { Standard, Expression, Mortgage };

}  // namespace orvane
