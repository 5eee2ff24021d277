#include "mortgage/number_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace orvane::mortgage {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one "." and at least one digit.
bool is_plain_decimal(std::string_view text) {
    int points = 0;
    bool digit = false;
    for (const char c : text) {
        if (c == '.') {
            if (++points > 1) {
                return false;
            }
        } else if (is_digit(c)) {
            digit = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

bool is_base_rate_text(std::string_view text) {
    return is_plain_decimal(text);
}

std::optional<double> read_number(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!is_plain_decimal(text)) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Without an exponent only a nonzero whole part can overflow; anything else underflowed.
        const std::string_view whole = text.substr(0, text.find('.'));
        const bool overflow = whole.find_first_not_of('0') != std::string_view::npos;
        value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<int> read_whole_number(std::string_view text) {
    constexpr int kCap = 1'000'000;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (!is_digit(c)) {
            return std::nullopt;
        }
        value = std::min(kCap, value * 10 + (c - '0'));
    }
    return negative ? -value : value;
}

}  // namespace orvane::mortgage
