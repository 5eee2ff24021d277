// The three calculator windows; a window asks the application to switch with one of these.
#pragma once

namespace orvane {

enum class CalculatorKind { standard, expression, mortgage };

}  // namespace orvane
