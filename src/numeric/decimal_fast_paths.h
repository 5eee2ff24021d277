// The four operations on everyday operands in 128-bit integers. Each gives exactly what the
// general 320-bit arithmetic gives (value, scale, sign, rounding and status), or nullopt when
// its operands or its result lie outside what it covers.
#pragma once

#include <optional>

#include "numeric/decimal.h"

namespace orvane::detail {

// a + b (b's sign flipped when `negate_b`): the aligned operands and their sum fit 128 bits,
// the scales differ by at most 19.
[[nodiscard]] std::optional<DecimalResult> fast_add(const Decimal& a, const Decimal& b,
                                                    bool negate_b);

// Both coefficients fit 64 bits and at most 19 digits are dropped from the product.
[[nodiscard]] std::optional<DecimalResult> fast_multiply(const Decimal& a, const Decimal& b);

// Both coefficients fit 64 bits and are nonzero, and the whole part of the quotient fits 96 bits.
[[nodiscard]] std::optional<DecimalResult> fast_divide(const Decimal& a, const Decimal& b);

}  // namespace orvane::detail
