#include "expression/functions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

namespace orvane::expression {
namespace {

constexpr std::array<std::pair<std::string_view, Function>, 12> kNames{{
    {"sin", Function::sin},
    {"cos", Function::cos},
    {"tan", Function::tan},
    {"log", Function::log},
    {"sqr", Function::sqr},
    {"abs", Function::abs},
    {"atn", Function::atn},
    {"exp", Function::exp},
    {"int", Function::whole},
    {"fix", Function::fix},
    {"sgn", Function::sgn},
    {"round", Function::round},
}};

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool same_name(std::string_view typed, std::string_view name) {
    if (typed.size() != name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (lower(typed[i]) != name[i]) {
            return false;
        }
    }
    return true;
}

Value ok(double number) {
    if (!std::isfinite(number)) {
        return {0.0, EvalError::overflow};
    }
    return {number, EvalError::none};
}

Value fail(EvalError error) {
    return {0.0, error};
}

}  // namespace

std::optional<Function> find_function(std::string_view name) {
    for (const auto& [spelling, function] : kNames) {
        if (same_name(name, spelling)) {
            return function;
        }
    }
    return std::nullopt;
}

bool accepts_argument_count(Function function, int count) {
    if (function == Function::round) {
        return count == 1 || count == 2;
    }
    return count == 1;
}

Value apply_function(Function function, const double* args, int count) {
    const double x = args[0];
    switch (function) {
        case Function::sin:
            return ok(std::sin(x));
        case Function::cos:
            return ok(std::cos(x));
        case Function::tan:
            return ok(std::tan(x));
        case Function::log:
            return x > 0.0 ? ok(std::log(x)) : fail(EvalError::invalid_argument);
        case Function::sqr:
            return x >= 0.0 ? ok(std::sqrt(x)) : fail(EvalError::invalid_argument);
        case Function::abs:
            return ok(std::fabs(x));
        case Function::atn:
            return ok(std::atan(x));
        case Function::exp:
            return ok(std::exp(x));
        case Function::whole:
            return ok(std::floor(x));
        case Function::fix:
            return ok(std::trunc(x));
        case Function::sgn:
            return ok(x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0));
        case Function::round: {
            // The place count is itself rounded to a whole number, ties to even.
            const double places = count > 1 ? std::nearbyint(args[1]) : 0.0;
            if (places < 0.0) {
                return fail(EvalError::invalid_argument);
            }
            return ok(round_half_even(x, places > 400.0 ? 400 : static_cast<int>(places)));
        }
    }
    return fail(EvalError::syntax);
}

double round_half_even(double value, int decimals) {
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    // value = 0.d1d2...d15 x 10^point
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    digits.push_back(buffer[0]);
    const char* p = buffer + 2;
    while (*p != 'e') {
        digits.push_back(*p++);
    }
    const int point = std::atoi(p + 1) + 1;
    const int keep = point + decimals;  // digits that stay
    if (keep >= static_cast<int>(digits.size())) {
        return value;
    }
    const bool negative = std::signbit(value);
    if (keep < 0) {
        return negative ? -0.0 : 0.0;
    }
    const char first_dropped = digits[keep];
    bool rest_nonzero = false;
    for (std::size_t i = keep + 1; i < digits.size(); ++i) {
        rest_nonzero = rest_nonzero || digits[i] != '0';
    }
    const bool last_kept_odd = keep > 0 && (digits[keep - 1] - '0') % 2 == 1;
    const bool up =
        first_dropped > '5' || (first_dropped == '5' && (rest_nonzero || last_kept_odd));
    std::string kept(1, '0');  // a leading 0 takes a carry
    kept.append(digits, 0, static_cast<std::size_t>(keep));
    if (up) {
        std::size_t i = kept.size() - 1;
        while (kept[i] == '9') {
            kept[i--] = '0';
        }
        ++kept[i];
    }
    // kept holds 0.kept x 10^(point + 1) with the extra leading digit.
    std::string text("0.");
    text += kept;
    text += 'e';
    text += std::to_string(point + 1);
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return negative ? -result : result;
}

std::string_view error_name(EvalError error) {
    switch (error) {
        case EvalError::none:
            return "none";
        case EvalError::syntax:
            return "syntax";
        case EvalError::unknown_name:
            return "unknown name";
        case EvalError::argument_count:
            return "argument count";
        case EvalError::too_deep:
            return "too deep";
        case EvalError::division_by_zero:
            return "division by zero";
        case EvalError::invalid_argument:
            return "invalid argument";
        case EvalError::overflow:
            return "overflow";
    }
    return "unknown";
}

}  // namespace orvane::expression
