// The display text of a computed result under the rounding choice of the two lists.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "numeric/decimal.h"

namespace orvane::engine {

// `value` is the result as a decimal (a root at its 15 significant digits); `plain` is its
// text form in plain notation; `decimals` is 0 to 28. Returns the text after the mode's rule
// and the fix-ups.
[[nodiscard]] std::string result_text(const Decimal& value, std::string_view plain, Rounding mode,
                                      int decimals);

}  // namespace orvane::engine
