// Turning an exact wide intermediate result into a Decimal: fewer fractional digits until the
// coefficient fits 96 bits, rounded once, to nearest with ties to even.
#pragma once

#include <optional>

#include "numeric/decimal.h"
#include "numeric/wide_uint.h"

namespace orvane::detail {

// What lies below the last kept digit, relative to one unit of that digit.
enum class Tail { zero, below_half, half, above_half };

// The tail after one more digit is dropped: `digit` is the dropped digit, `rest_nonzero`
// whether anything below it was nonzero.
Tail tail_of(std::uint32_t digit, bool rest_nonzero);

// Divides `value` by 10^count in place and returns the tail of what was dropped (with the
// earlier tail `below` under it).
Tail drop_digits(WideUint& value, int count, Tail below = Tail::zero);

struct Fitted {
    Decimal value;
    bool exact = true;  // no nonzero digit was dropped
};

// The exact value is (coefficient + tail) / 10^scale. Keeps the largest scale that is at most
// `max_scale` and whose rounded coefficient fits 96 bits; nullopt when even scale 0 does not fit.
std::optional<Fitted> fit(WideUint coefficient, int scale, Tail tail, bool negative,
                          int max_scale = Decimal::kMaxScale);

// Drops trailing zeros of the coefficient while the scale stays at least `min_scale`.
Decimal strip_zeros(const Decimal& value, int min_scale);

}  // namespace orvane::detail
