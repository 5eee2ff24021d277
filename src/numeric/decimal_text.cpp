// Conversions between decimals and texts, and from binary doubles.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "numeric/decimal.h"
#include "numeric/decimal_rounding.h"
#include "numeric/wide_uint.h"

namespace orvane {

using detail::Tail;
using detail::WideUint;

namespace {

constexpr std::string_view kLargestWhole = "79228162514264337593543950335";

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t count_digits(std::string_view text, std::size_t from) {
    std::size_t i = from;
    while (i < text.size() && is_digit(text[i])) {
        ++i;
    }
    return i - from;
}

// value = value * 10^digits.size() + digits, nine digits at a time.
void append_digits(WideUint& value, std::string_view digits) {
    while (!digits.empty()) {
        const std::size_t n = std::min<std::size_t>(digits.size(), 9);
        std::uint32_t chunk = 0;
        for (std::size_t i = 0; i < n; ++i) {
            chunk = chunk * 10 + static_cast<std::uint32_t>(digits[i] - '0');
        }
        value.mul_small(detail::kPow10[n]);
        value.add_small(chunk);
        digits.remove_prefix(n);
    }
}

std::string_view trim_spaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<Decimal> Decimal::parse(std::string_view text) {
    text = trim_spaces(text);
    const bool negative = !text.empty() && text.front() == '-';
    std::size_t pos = negative ? 1 : 0;
    std::string_view whole = text.substr(pos, count_digits(text, pos));
    pos += whole.size();
    std::string_view fraction;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fraction = text.substr(pos, count_digits(text, pos));
        pos += fraction.size();
    }
    if (pos != text.size() || (whole.empty() && fraction.empty())) {
        return std::nullopt;
    }

    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > kLargestWhole.size() ||
        (whole.size() == kLargestWhole.size() && whole > kLargestWhole)) {
        return std::nullopt;
    }
    // At most 29 + 28 digits are kept exactly; the rest only matters for the rounding.
    const std::size_t kept = std::min<std::size_t>(fraction.size(), kMaxScale);
    WideUint coefficient;
    append_digits(coefficient, whole);
    append_digits(coefficient, fraction.substr(0, kept));
    Tail tail = Tail::zero;
    if (fraction.size() > kept) {
        const bool rest_nonzero = fraction.find_first_not_of('0', kept + 1) != std::string::npos;
        tail = detail::tail_of(static_cast<std::uint32_t>(fraction[kept] - '0'), rest_nonzero);
    }
    const auto fitted = detail::fit(coefficient, static_cast<int>(kept), tail, negative);
    if (!fitted) {
        return std::nullopt;
    }
    return fitted->value;
}

std::string Decimal::text() const {
    if (is_zero()) {
        return "0";
    }
    // Nine-digit groups, least significant first; 2^96 has 29 digits.
    std::array<std::uint32_t, 4> groups{};
    int count = 0;
    WideUint coefficient = WideUint::from96(lo_, mid_, hi_);
    while (!coefficient.is_zero()) {
        groups[count++] = coefficient.divmod_pow10(9);
    }
    std::string digits = std::to_string(groups[count - 1]);
    for (int i = count - 2; i >= 0; --i) {
        const std::string group = std::to_string(groups[i]);
        digits.append(9 - group.size(), '0');
        digits += group;
    }

    const std::size_t scale = scale_;
    if (digits.size() <= scale) {
        digits.insert(0, scale + 1 - digits.size(), '0');
    }
    std::string out = negative_ ? "-" : "";
    const std::size_t point = digits.size() - scale;
    out.append(digits, 0, point);
    const std::size_t last = digits.find_last_not_of('0');
    if (last != std::string::npos && last >= point) {
        out += '.';
        out.append(digits, point, last + 1 - point);
    }
    return out;
}

std::optional<Decimal> Decimal::from_double(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const bool negative = std::signbit(value);
    if (value == 0.0) {
        return Decimal{};
    }
    // Fifteen significant digits, "d.dddddddddddddde+xx", rounded exactly as printf's "%.14e".
    std::array<char, 48> buffer{};
    const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view form(buffer.data(),
                                static_cast<std::size_t>(printed.ptr - buffer.data()));
    const std::size_t e = form.find('e');
    std::uint64_t digits = static_cast<std::uint64_t>(form[0] - '0');
    for (std::size_t i = 2; i < e; ++i) {
        digits = digits * 10 + static_cast<std::uint64_t>(form[i] - '0');
    }
    int exponent = 0;
    std::from_chars(form.data() + e + 2, form.data() + form.size(), exponent);
    if (form[e + 1] == '-') {
        exponent = -exponent;
    }

    if (exponent > 28) {
        return std::nullopt;  // 1E29 and more
    }
    if (exponent < -29) {
        return Decimal{};  // below half a unit of the 28th decimal
    }
    int scale = 14 - exponent;
    WideUint coefficient = WideUint::from64(digits);
    if (scale < 0) {
        coefficient.mul_pow10(-scale);
        scale = 0;
    }
    const auto fitted = detail::fit(coefficient, scale, Tail::zero, negative);
    if (!fitted) {
        return std::nullopt;
    }
    return detail::strip_zeros(fitted->value, 0);
}

}  // namespace orvane
