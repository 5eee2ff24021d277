#include "numeric/double_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvane {
namespace {

// A double rounded to 15 significant digits: digits d1 d2 ... (no trailing zeros) with the
// value d1.d2d3... x 10^exponent.
struct Rounded15 {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Rounded15 round15(double value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    Rounded15 r;
    r.negative = std::signbit(value);
    // buffer: d.dddddddddddddde[+-]xx
    r.digits.push_back(buffer[0]);
    const char* p = buffer + 2;
    while (*p != 'e') {
        r.digits.push_back(*p++);
    }
    r.exponent = std::atoi(p + 1);
    while (r.digits.size() > 1 && r.digits.back() == '0') {
        r.digits.pop_back();
    }
    return r;
}

std::string plain(const Rounded15& r) {
    std::string out = r.negative ? "-" : "";
    const int n = static_cast<int>(r.digits.size());
    if (r.exponent >= 0) {
        const int whole = r.exponent + 1;
        if (n <= whole) {
            out += r.digits + std::string(whole - n, '0');
        } else {
            out += r.digits.substr(0, whole) + "." + r.digits.substr(whole);
        }
    } else {
        out += "0." + std::string(-r.exponent - 1, '0') + r.digits;
    }
    return out;
}

std::string exponent_form(const Rounded15& r) {
    std::string out = r.negative ? "-" : "";
    out += r.digits.substr(0, 1);
    if (r.digits.size() > 1) {
        out += "." + r.digits.substr(1);
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%02d", r.exponent < 0 ? '-' : '+',
                  std::abs(r.exponent));
    return out + exponent;
}

}  // namespace

std::string double_text(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0.0) {
        return "0";
    }
    const Rounded15 r = round15(value);
    const bool plain_range = r.exponent >= -4 && r.exponent <= 14;
    return plain_range ? plain(r) : exponent_form(r);
}

std::string double_plain_text(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0.0) {
        return "0";
    }
    return plain(round15(value));
}

}  // namespace orvane
