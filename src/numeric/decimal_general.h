// The general arithmetic on 320-bit intermediates, which covers every operand; the public
// operations try the 128-bit paths first. Here for the tests that compare the two.
#pragma once

#include "numeric/decimal.h"

namespace orvane::detail {

[[nodiscard]] DecimalResult general_add(const Decimal& a, const Decimal& b, bool negate_b);
[[nodiscard]] DecimalResult general_multiply(const Decimal& a, const Decimal& b);
// b must not be zero, nor a.
[[nodiscard]] DecimalResult general_divide(const Decimal& a, const Decimal& b);

}  // namespace orvane::detail
