// The four operations, rounding to a number of decimals and the 32-bit conversion.
#include <algorithm>
#include <limits>

#include "numeric/decimal.h"
#include "numeric/decimal_fast_paths.h"
#include "numeric/decimal_general.h"
#include "numeric/decimal_rounding.h"
#include "numeric/wide_uint.h"

namespace orvane {

using detail::Tail;
using detail::WideUint;

namespace {

WideUint coefficient_of(const Decimal& d) {
    return WideUint::from96(d.lo(), d.mid(), d.hi());
}

DecimalResult finish(const WideUint& coefficient, int scale, Tail tail, bool negative) {
    const auto fitted = detail::fit(coefficient, scale, tail, negative);
    if (!fitted) {
        return {Decimal{}, DecimalStatus::overflow};
    }
    return {fitted->value, DecimalStatus::ok};
}

}  // namespace

// a + b, with b's sign flipped when `negate_b`.
DecimalResult detail::general_add(const Decimal& a, const Decimal& b, bool negate_b) {
    const bool a_negative = a.is_negative();
    const bool b_negative = b.is_negative() != negate_b && !b.is_zero();
    const int scale = std::max(a.scale(), b.scale());
    WideUint x = coefficient_of(a);
    WideUint y = coefficient_of(b);
    x.mul_pow10(scale - a.scale());
    y.mul_pow10(scale - b.scale());
    if (a_negative == b_negative) {
        x.add(y);
        return finish(x, scale, Tail::zero, a_negative);
    }
    if (WideUint::compare(x, y) >= 0) {
        x.sub(y);
        return finish(x, scale, Tail::zero, a_negative && !x.is_zero());
    }
    y.sub(x);
    return finish(y, scale, Tail::zero, b_negative);
}

DecimalResult add(const Decimal& a, const Decimal& b) {
    const auto fast = detail::fast_add(a, b, false);
    return fast ? *fast : detail::general_add(a, b, false);
}

DecimalResult subtract(const Decimal& a, const Decimal& b) {
    const auto fast = detail::fast_add(a, b, true);
    return fast ? *fast : detail::general_add(a, b, true);
}

DecimalResult multiply(const Decimal& a, const Decimal& b) {
    const auto fast = detail::fast_multiply(a, b);
    return fast ? *fast : detail::general_multiply(a, b);
}

DecimalResult detail::general_multiply(const Decimal& a, const Decimal& b) {
    const WideUint product = WideUint::mul(coefficient_of(a), coefficient_of(b));
    const bool negative = a.is_negative() != b.is_negative() && !product.is_zero();
    return finish(product, a.scale() + b.scale(), Tail::zero, negative);
}

DecimalResult divide(const Decimal& a, const Decimal& b) {
    if (b.is_zero()) {
        return {Decimal{}, DecimalStatus::divide_by_zero};
    }
    if (a.is_zero()) {
        return {Decimal{}, DecimalStatus::ok};
    }
    const auto fast = detail::fast_divide(a, b);
    return fast ? *fast : detail::general_divide(a, b);
}

DecimalResult detail::general_divide(const Decimal& a, const Decimal& b) {
    // The quotient at 28 decimals: a.coefficient * 10^(28 + b.scale - a.scale) / b.coefficient,
    // the exponent being 0..56. Its remainder decides the rounding of the 28th decimal.
    WideUint numerator = coefficient_of(a);
    numerator.mul_pow10(Decimal::kMaxScale + b.scale() - a.scale());
    const WideUint divisor = coefficient_of(b);
    WideUint quotient;
    WideUint remainder;
    WideUint::divmod(numerator, divisor, quotient, remainder);

    Tail tail = Tail::zero;
    if (!remainder.is_zero()) {
        remainder.shift_left1();
        const int c = WideUint::compare(remainder, divisor);
        tail = c < 0 ? Tail::below_half : (c == 0 ? Tail::half : Tail::above_half);
    }
    const bool negative = a.is_negative() != b.is_negative();
    const auto fitted = detail::fit(quotient, Decimal::kMaxScale, tail, negative);
    if (!fitted) {
        return {Decimal{}, DecimalStatus::overflow};
    }
    if (!fitted->exact) {
        return {fitted->value, DecimalStatus::ok};
    }
    // An exact quotient keeps no more decimals than it needs, and at least those of a / b.
    const int natural_scale = std::clamp(a.scale() - b.scale(), 0, Decimal::kMaxScale);
    return {detail::strip_zeros(fitted->value, natural_scale), DecimalStatus::ok};
}

Decimal round(const Decimal& value, int decimals) {
    decimals = std::clamp(decimals, 0, Decimal::kMaxScale);
    if (value.scale() <= decimals) {
        return value;
    }
    // Dropping digits only shrinks the coefficient, so this always fits.
    const auto fitted = detail::fit(coefficient_of(value), value.scale(), Tail::zero,
                                    value.is_negative(), decimals);
    return fitted ? fitted->value : value;
}

std::optional<std::int32_t> to_int32(const Decimal& value) {
    const Decimal whole = round(value, 0);
    if (whole.hi() != 0 || whole.mid() != 0) {
        return std::nullopt;
    }
    const std::int64_t magnitude = whole.lo();
    const std::int64_t signed_value = whole.is_negative() ? -magnitude : magnitude;
    if (signed_value < std::numeric_limits<std::int32_t>::min() ||
        signed_value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(signed_value);
}

}  // namespace orvane
