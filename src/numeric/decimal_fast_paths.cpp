#include "numeric/decimal_fast_paths.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orvane::detail {
namespace {

__extension__ typedef unsigned __int128 U128;

constexpr U128 kTwoTo96 = U128{1} << 96;

// 10^n for n = 0..19, every power of ten below 2^64.
constexpr std::array<std::uint64_t, 20> kPow10Wide = [] {
    std::array<std::uint64_t, 20> out{};
    std::uint64_t p = 1;
    for (std::uint64_t& entry : out) {
        entry = p;
        p *= 10;
    }
    return out;
}();

// 2^96 * 10^n for n = 0..9: a value of at least this needs more than n digits dropped.
constexpr std::array<U128, 10> kFitLimit = [] {
    std::array<U128, 10> out{};
    for (std::size_t n = 0; n < out.size(); ++n) {
        out[n] = kTwoTo96 * kPow10Wide[n];
    }
    return out;
}();

// The smallest q for which q * 10^n reaches 2^96, n = 0..28.
constexpr std::array<U128, 29> kScaleLimit = [] {
    std::array<U128, 29> out{};
    U128 p = 1;
    for (U128& entry : out) {
        entry = (kTwoTo96 + p - 1) / p;
        p *= 10;
    }
    return out;
}();

std::uint32_t low32(U128 value) {
    return static_cast<std::uint32_t>(value);
}

U128 coefficient_of(const Decimal& d) {
    return (U128{d.hi()} << 64) | (U128{d.mid()} << 32) | d.lo();
}

std::uint64_t coefficient64(const Decimal& d) {
    return (std::uint64_t{d.mid()} << 32) | d.lo();
}

Decimal make(U128 coefficient, bool negative, int scale) {
    return Decimal::from_parts(low32(coefficient), low32(coefficient >> 32),
                               low32(coefficient >> 64), negative, scale);
}

// (high * 2^64 + low) / divisor for high < divisor, so that the quotient fits 64 bits.
std::uint64_t divide_narrow(std::uint64_t high, std::uint64_t low, std::uint64_t divisor,
                            std::uint64_t& remainder) {
#if defined(__x86_64__)
    std::uint64_t quotient = 0;
    __asm__("divq %[divisor]"
            : "=a"(quotient), "=d"(remainder)
            : [divisor] "rm"(divisor), "a"(low), "d"(high));
    return quotient;
#else
    const U128 n = (U128{high} << 64) | low;
    remainder = static_cast<std::uint64_t>(n % divisor);
    return static_cast<std::uint64_t>(n / divisor);
#endif
}

U128 divide(U128 n, std::uint64_t divisor, std::uint64_t& remainder) {
    const auto high = static_cast<std::uint64_t>(n >> 64);
    const auto low = static_cast<std::uint64_t>(n);
    if (high == 0) {
        remainder = low % divisor;
        return low / divisor;
    }
    if (high < divisor) {
        return divide_narrow(high, low, divisor, remainder);
    }
    const std::uint64_t top = divide_narrow(0, high, divisor, remainder);
    const std::uint64_t bottom = divide_narrow(remainder, low, divisor, remainder);
    return (U128{top} << 64) | bottom;
}

// Whether a quotient with this remainder (of `divisor`) rounds up, ties to even.
bool rounds_up(std::uint64_t remainder, std::uint64_t divisor, U128 quotient) {
    const std::uint64_t rest = divisor - remainder;
    return remainder > rest || (remainder == rest && (quotient & 1U) != 0);
}

// value *= factor for a value below 2^96; false when the product does not fit 128 bits.
bool scale_up(U128& value, std::uint64_t factor) {
    const auto high = static_cast<std::uint32_t>(value >> 64);
    const U128 low_product = U128{static_cast<std::uint64_t>(value)} * factor;
    if (high == 0) {
        value = low_product;  // below 2^64 * 10^19 < 2^128
        return true;
    }
    const U128 high_product = U128{high} * factor;
    if ((high_product >> 64) != 0) {
        return false;
    }
    return !__builtin_add_overflow(low_product, high_product << 64, &value);
}

// What fit() gives for an exact (tail-free) coefficient below 2^128: the largest scale of at
// most 28 whose rounded coefficient fits 96 bits. nullopt when more than 19 digits go.
std::optional<DecimalResult> fit128(U128 value, int scale, bool negative) {
    if (value < kTwoTo96 && scale <= Decimal::kMaxScale) {
        return DecimalResult{make(value, negative, scale), DecimalStatus::ok};
    }
    int drop = std::max(0, scale - Decimal::kMaxScale);
    while (drop < static_cast<int>(kFitLimit.size()) && value >= kFitLimit[drop]) {
        ++drop;
    }
    if (drop == 0) {
        return DecimalResult{make(value, negative, scale), DecimalStatus::ok};
    }
    for (;; ++drop) {
        if (drop > scale) {
            return DecimalResult{Decimal{}, DecimalStatus::overflow};
        }
        if (drop >= static_cast<int>(kPow10Wide.size())) {
            return std::nullopt;
        }
        const std::uint64_t unit = kPow10Wide[drop];
        std::uint64_t remainder = 0;
        U128 kept = divide(value, unit, remainder);
        if (rounds_up(remainder, unit, kept)) {
            ++kept;
        }
        if (kept < kTwoTo96) {
            return DecimalResult{make(kept, negative, scale - drop), DecimalStatus::ok};
        }
    }
}

}  // namespace

std::optional<DecimalResult> fast_add(const Decimal& a, const Decimal& b, bool negate_b) {
    const int shift = a.scale() - b.scale();
    if (shift > 19 || shift < -19) {
        return std::nullopt;
    }
    U128 x = coefficient_of(a);
    U128 y = coefficient_of(b);
    // One multiplication aligns the scales; 96 bits times 10^19 may not fit.
    if (shift > 0 && !scale_up(y, kPow10Wide[shift])) {
        return std::nullopt;
    }
    if (shift < 0 && !scale_up(x, kPow10Wide[-shift])) {
        return std::nullopt;
    }
    const int scale = std::max(a.scale(), b.scale());
    const bool a_negative = a.is_negative();
    const bool b_negative = b.is_negative() != negate_b && !b.is_zero();
    if (a_negative == b_negative) {
        U128 sum = 0;
        if (__builtin_add_overflow(x, y, &sum)) {
            return std::nullopt;
        }
        return fit128(sum, scale, a_negative);
    }
    if (x >= y) {
        const U128 difference = x - y;
        return fit128(difference, scale, a_negative && difference != 0);
    }
    return fit128(y - x, scale, b_negative);
}

std::optional<DecimalResult> fast_multiply(const Decimal& a, const Decimal& b) {
    if (a.hi() != 0 || b.hi() != 0) {
        return std::nullopt;
    }
    const U128 product = U128{coefficient64(a)} * coefficient64(b);
    const bool negative = a.is_negative() != b.is_negative() && product != 0;
    return fit128(product, a.scale() + b.scale(), negative);
}

std::optional<DecimalResult> fast_divide(const Decimal& a, const Decimal& b) {
    if (a.hi() != 0 || b.hi() != 0) {
        return std::nullopt;
    }
    const std::uint64_t divisor = coefficient64(b);
    // The whole part first, at the scale of a / b (at least 0).
    int scale = a.scale() - b.scale();
    U128 numerator = coefficient64(a);
    if (scale < 0) {
        if (scale < -19) {
            return std::nullopt;
        }
        numerator *= kPow10Wide[-scale];
        scale = 0;
    }
    std::uint64_t remainder = 0;
    U128 quotient = divide(numerator, divisor, remainder);
    if (quotient >= kTwoTo96) {
        return std::nullopt;
    }
    // Then as many more digits as keep it under 2^96, up to 28 decimals, at most 19 per step
    // so that remainder * 10^step fits 128 bits and its quotient 64.
    int more = Decimal::kMaxScale - scale;
    while (more > 0 && quotient >= kScaleLimit[more]) {
        --more;
    }
    scale += more;
    while (more > 0) {
        const int step = std::min(more, 19);
        const U128 widened = U128{remainder} * kPow10Wide[step];
        const std::uint64_t digits =
            divide_narrow(static_cast<std::uint64_t>(widened >> 64),
                          static_cast<std::uint64_t>(widened), divisor, remainder);
        quotient = quotient * kPow10Wide[step] + digits;
        more -= step;
    }
    const bool exact = remainder == 0;
    if (rounds_up(remainder, divisor, quotient)) {
        ++quotient;
    }
    if (quotient >= kTwoTo96) {
        return std::nullopt;  // one digit fewer would do; rare enough for the general path
    }
    const bool negative = a.is_negative() != b.is_negative();
    if (exact) {
        // An exact quotient keeps no more decimals than it needs, and at least those of a / b.
        const int natural_scale = std::clamp(a.scale() - b.scale(), 0, Decimal::kMaxScale);
        for (const int step : {8, 4, 2, 1}) {
            while (scale - step >= natural_scale) {
                std::uint64_t dropped = 0;
                const U128 reduced = divide(quotient, kPow10Wide[step], dropped);
                if (dropped != 0) {
                    break;
                }
                quotient = reduced;
                scale -= step;
            }
        }
    }
    return DecimalResult{make(quotient, negative, scale), DecimalStatus::ok};
}

}  // namespace orvane::detail
