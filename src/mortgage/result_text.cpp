#include "mortgage/result_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "numeric/double_text.h"

namespace orvane::mortgage {
namespace {

constexpr int kSignificant = 15;
constexpr int kDecimals = 2;

// The value's magnitude as 15 significant digits d1 d2 ... d15 = d1.d2...d15 x 10^exponent.
struct Digits15 {
    std::string digits;
    int exponent = 0;
};

Digits15 digits15(double magnitude) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                   std::chars_format::scientific, kSignificant - 1)
                         .ptr;
    // buffer: d.dddddddddddddde[+-]xx
    Digits15 out;
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') {
            out.digits.push_back(*p);
        }
    }
    if (p != end && *++p == '+') {
        ++p;
    }
    std::from_chars(p, end, out.exponent);
    return out;
}

// The 15 digits rounded at the hundredths, half to even, as a whole number of hundredths.
std::int64_t hundredths(const Digits15& d) {
    // Digit i stands for 10^(exponent - i); the hundredths digit is number exponent + 2.
    const int keep = d.exponent + kDecimals + 1;
    if (keep < 0) {
        return 0;  // below 0.001: nothing reaches the hundredths
    }
    std::int64_t kept = 0;
    for (int i = 0; i < keep; ++i) {
        kept = kept * 10 + (d.digits[i] - '0');
    }
    const char first_dropped = d.digits[keep];
    bool rest_nonzero = false;
    for (int i = keep + 1; i < kSignificant; ++i) {
        rest_nonzero = rest_nonzero || d.digits[i] != '0';
    }
    const bool up = first_dropped > '5' || (first_dropped == '5' && rest_nonzero) ||
                    (first_dropped == '5' && kept % 2 == 1);
    return up ? kept + 1 : kept;
}

}  // namespace

std::string result_text(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0.0) {
        return "0";
    }
    const Digits15 d = digits15(std::fabs(value));
    if (d.exponent + kDecimals + 1 >= kSignificant) {
        // Every one of the 15 digits lies at or above the hundredths: nothing to round.
        return double_text(value);
    }
    // At most 15 digits of hundredths: exact in a double, and the division rounds correctly.
    const double rounded = static_cast<double>(hundredths(d)) / 100.0;
    return double_text(std::signbit(value) ? -rounded : rounded);
}

}  // namespace orvane::mortgage
