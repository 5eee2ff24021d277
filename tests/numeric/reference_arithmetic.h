// Slow, obviously correct arithmetic on decimal digit strings, the yardstick of the tests.
// Numbers are strings of digits without leading zeros ("0" for zero).
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace orvane::reference {

inline std::string trimmed(std::string s) {
    const std::size_t first = s.find_first_not_of('0');
    return first == std::string::npos ? "0" : s.substr(first);
}

inline int compare(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a < b ? -1 : (a > b ? 1 : 0);
}

inline std::string add(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int sum = carry;
        sum += i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        sum += i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        out.push_back(static_cast<char>('0' + sum % 10));
        carry = sum / 10;
    }
    std::reverse(out.begin(), out.end());
    return trimmed(out);
}

// a - b for a >= b.
inline std::string sub(const std::string& a, const std::string& b) {
    std::string out = a;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t k = a.size() - 1 - i;
        int d = (a[k] - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0 ? 1 : 0;
        out[k] = static_cast<char>('0' + (d + 10) % 10);
    }
    return trimmed(out);
}

inline std::string mul(const std::string& a, const std::string& b) {
    std::string out(a.size() + b.size(), '0');
    for (std::size_t i = a.size(); i-- > 0;) {
        int carry = 0;
        for (std::size_t j = b.size(); j-- > 0;) {
            const int t = (out[i + j + 1] - '0') + (a[i] - '0') * (b[j] - '0') + carry;
            out[i + j + 1] = static_cast<char>('0' + t % 10);
            carry = t / 10;
        }
        out[i] = static_cast<char>(out[i] + carry);
    }
    return trimmed(out);
}

inline std::string shifted(const std::string& a, int zeros) {
    return a == "0" ? a : a + std::string(static_cast<std::size_t>(zeros), '0');
}

// Schoolbook long division, one quotient digit at a time; divisor must not be "0".
inline std::pair<std::string, std::string> divmod(const std::string& a, const std::string& b) {
    std::string quotient;
    std::string rest = "0";
    for (const char digit : a) {
        rest = trimmed(rest + digit);
        char q = '0';
        while (compare(rest, b) >= 0) {
            rest = sub(rest, b);
            ++q;
        }
        quotient.push_back(q);
    }
    return {trimmed(quotient), rest};
}

inline const std::string kMax = "79228162514264337593543950335";

struct Value {
    std::string digits;  // the coefficient
    int scale = 0;
    bool negative = false;
};

// What lies below the last digit of an exact value: compared with one half, and whether any.
struct Below {
    int versus_half = -1;
    bool nonzero = false;
};

// The largest scale <= 28 whose coefficient, rounded half to even, is at most kMax.
inline std::optional<Value> fit(const std::string& digits, int scale, bool negative,
                                Below below = {}) {
    for (int kept = std::min(scale, 28); kept >= 0; --kept) {
        const std::size_t drop = static_cast<std::size_t>(scale - kept);
        std::string padded = digits;
        if (padded.size() < drop + 1) {
            padded.insert(0, drop + 1 - padded.size(), '0');
        }
        std::string keep = trimmed(padded.substr(0, padded.size() - drop));
        Below tail = below;
        if (drop > 0) {
            const int first = padded[padded.size() - drop] - '0';
            const bool rest =
                padded.find_first_not_of('0', padded.size() - drop + 1) != std::string::npos ||
                below.nonzero;
            tail.versus_half = first > 5 || (first == 5 && rest) ? 1 : (first == 5 ? 0 : -1);
            tail.nonzero = first != 0 || rest;
        }
        const bool odd = (keep.back() - '0') % 2 == 1;
        if (tail.versus_half > 0 || (tail.versus_half == 0 && odd)) {
            keep = add(keep, "1");
        }
        if (compare(keep, kMax) <= 0) {
            return Value{keep, kept, negative && keep != "0"};
        }
    }
    return std::nullopt;
}

inline std::string text(const Value& v) {
    if (v.digits == "0") {
        return "0";
    }
    std::string digits = v.digits;
    const std::size_t scale = static_cast<std::size_t>(v.scale);
    if (digits.size() <= scale) {
        digits.insert(0, scale + 1 - digits.size(), '0');
    }
    std::string whole = digits.substr(0, digits.size() - scale);
    std::string fraction = digits.substr(digits.size() - scale);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return (v.negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

// Exact a + b (b's sign flipped when `negate_b`), then fitted.
inline std::optional<Value> add_values(const Value& a, const Value& b, bool negate_b) {
    const int scale = std::max(a.scale, b.scale);
    const std::string x = shifted(a.digits, scale - a.scale);
    const std::string y = shifted(b.digits, scale - b.scale);
    const bool b_negative = b.negative != negate_b;
    if (a.negative == b_negative) {
        return fit(add(x, y), scale, a.negative);
    }
    if (compare(x, y) >= 0) {
        return fit(sub(x, y), scale, a.negative);
    }
    return fit(sub(y, x), scale, b_negative);
}

inline std::optional<Value> mul_values(const Value& a, const Value& b) {
    return fit(mul(a.digits, b.digits), a.scale + b.scale, a.negative != b.negative);
}

// The quotient at 28 decimals with its remainder, then fitted; b must not be zero.
inline std::optional<Value> div_values(const Value& a, const Value& b) {
    const auto [q, r] = divmod(shifted(a.digits, 28 + b.scale - a.scale), b.digits);
    Below below;
    if (r != "0") {
        below.nonzero = true;
        below.versus_half = compare(add(r, r), b.digits);
    }
    return fit(q, 28, a.negative != b.negative, below);
}

}  // namespace orvane::reference
