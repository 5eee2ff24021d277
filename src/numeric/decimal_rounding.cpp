#include "numeric/decimal_rounding.h"

#include <algorithm>
#include <bit>

namespace orvane::detail {
namespace {

// log10(2), rounded down so that the digit estimate below never exceeds the true need.
constexpr double kLog10Of2Below = 0.30102999;

Decimal from_wide(const WideUint& coefficient, bool negative, int scale) {
    return Decimal::from_parts(coefficient.limb(0), coefficient.limb(1), coefficient.limb(2),
                               negative, scale);
}

}  // namespace

Tail tail_of(std::uint32_t digit, bool rest_nonzero) {
    if (digit > 5 || (digit == 5 && rest_nonzero)) {
        return Tail::above_half;
    }
    if (digit == 5) {
        return Tail::half;
    }
    return digit == 0 && !rest_nonzero ? Tail::zero : Tail::below_half;
}

Tail drop_digits(WideUint& value, int count, Tail below) {
    if (count <= 0) {
        return below;
    }
    bool rest_nonzero = below != Tail::zero;
    for (; count > 9; count -= 9) {
        rest_nonzero = (value.divmod_pow10(9) != 0) || rest_nonzero;
    }
    const std::uint32_t dropped = value.divmod_pow10(count);
    const std::uint32_t unit = kPow10[count - 1];
    rest_nonzero = (dropped % unit != 0) || rest_nonzero;
    return tail_of(dropped / unit, rest_nonzero);
}

std::optional<Fitted> fit(WideUint coefficient, int scale, Tail tail, bool negative,
                          int max_scale) {
    int drop = std::max(0, scale - max_scale);
    const int bits = coefficient.bit_length();
    if (bits > 96) {
        // Fewer digits than this cannot bring the coefficient under 2^96.
        drop = std::max(drop, static_cast<int>((bits - 97) * kLog10Of2Below));
    }
    if (drop > scale) {
        return std::nullopt;
    }
    tail = drop_digits(coefficient, drop, tail);
    for (;;) {
        WideUint rounded = coefficient;
        if (tail == Tail::above_half || (tail == Tail::half && coefficient.is_odd())) {
            rounded.add_small(1);
        }
        if (rounded.fits96()) {
            return Fitted{from_wide(rounded, negative, scale - drop), tail == Tail::zero};
        }
        if (drop >= scale) {
            return std::nullopt;
        }
        tail = drop_digits(coefficient, 1, tail);
        ++drop;
    }
}

Decimal strip_zeros(const Decimal& value, int min_scale) {
    WideUint coefficient = WideUint::from96(value.lo(), value.mid(), value.hi());
    int scale = value.scale();
    if (coefficient.is_zero()) {
        return from_wide(coefficient, value.is_negative(), std::min(scale, min_scale));
    }
    // 10^k divides the coefficient only if 2^k does, which bounds the zeros to look for.
    int zeros = 0;
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t limb = coefficient.limb(i);
        zeros += std::countr_zero(limb);  // 32 for a zero limb
        if (limb != 0) {
            break;
        }
    }
    int room = std::min(scale - min_scale, zeros);
    for (const int step : {8, 4, 2, 1}) {
        while (room >= step) {
            WideUint reduced = coefficient;
            if (reduced.divmod_pow10(step) != 0) {
                break;
            }
            coefficient = reduced;
            scale -= step;
            room -= step;
        }
    }
    return from_wide(coefficient, value.is_negative(), scale);
}

}  // namespace orvane::detail
