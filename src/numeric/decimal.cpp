#include "numeric/decimal.h"

#include <algorithm>
#include <charconv>

#include "numeric/wide_uint.h"

namespace orvane {

using detail::WideUint;

Decimal Decimal::from_parts(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi, bool negative,
                            int scale) {
    Decimal d;
    d.lo_ = lo;
    d.mid_ = mid;
    d.hi_ = hi;
    d.negative_ = negative;
    d.scale_ = static_cast<std::uint8_t>(std::clamp(scale, 0, kMaxScale));
    return d;
}

Decimal Decimal::from_int(std::int64_t value) {
    // The magnitude through unsigned arithmetic, so that the most negative value is fine.
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return from_parts(static_cast<std::uint32_t>(magnitude),
                      static_cast<std::uint32_t>(magnitude >> 32), 0, value < 0, 0);
}

double Decimal::to_double() const {
    // Through the text form: from_chars rounds correctly and ignores the locale.
    const std::string digits = text();
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

bool operator==(const Decimal& a, const Decimal& b) {
    if (a.is_zero() || b.is_zero()) {
        return a.is_zero() && b.is_zero();
    }
    if (a.is_negative() != b.is_negative()) {
        return false;
    }
    WideUint x = WideUint::from96(a.lo(), a.mid(), a.hi());
    WideUint y = WideUint::from96(b.lo(), b.mid(), b.hi());
    const int scale = std::max(a.scale(), b.scale());
    x.mul_pow10(scale - a.scale());
    y.mul_pow10(scale - b.scale());
    return WideUint::compare(x, y) == 0;
}

std::string outcome_text(const DecimalResult& result) {
    switch (result.status) {
        case DecimalStatus::overflow:
            return "overflow";
        case DecimalStatus::divide_by_zero:
            return "divide-by-zero";
        case DecimalStatus::ok:
            break;
    }
    return result.value.text();
}

}  // namespace orvane
