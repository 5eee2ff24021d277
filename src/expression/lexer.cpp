#include "expression/lexer.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace orvane::expression {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = (a[i] >= 'A' && a[i] <= 'Z') ? static_cast<char>(a[i] + 32) : a[i];
        if (x != b[i]) {
            return false;
        }
    }
    return true;
}

Token error(EvalError kind) {
    Token token;
    token.kind = TokenKind::error;
    token.error = kind;
    return token;
}

// Decides between overflow and underflow for a literal the double type cannot hold, from the
// position of its first significant digit and its exponent.
bool literal_too_large(std::string_view mantissa, long long exponent) {
    long long whole_digits = 0;
    long long leading_fraction_zeros = 0;
    bool seen_point = false;
    bool significant = false;
    for (const char c : mantissa) {
        if (c == '.') {
            seen_point = true;
        } else if (!seen_point) {
            significant = significant || c != '0';
            whole_digits += significant ? 1 : 0;
        } else if (!significant) {
            if (c != '0') {
                break;
            }
            ++leading_fraction_zeros;
        }
    }
    const long long magnitude =
        whole_digits > 0 ? whole_digits - 1 + exponent : exponent - leading_fraction_zeros - 1;
    return magnitude > 0;
}

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common literal (at most 15 significant digits, a small exponent) computed exactly: both
// the digits and the power of ten are exact doubles, so one multiplication or division rounds
// correctly. Anything else goes to the general conversion.
bool fast_literal(std::string_view mantissa, long long exponent, double& value) {
    std::uint64_t digits = 0;
    int significant = 0;
    long long scale = exponent;
    bool seen_point = false;
    for (const char c : mantissa) {
        if (c == '.') {
            seen_point = true;
            continue;
        }
        if (digits != 0 || c != '0') {
            if (++significant > 15) {
                return false;
            }
        }
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        scale -= seen_point ? 1 : 0;
    }
    if (digits == 0) {
        value = 0.0;
        return true;
    }
    if (scale < -22 || scale > 22) {
        return false;
    }
    const double whole = static_cast<double>(digits);
    value = scale >= 0 ? whole * kPowersOfTen[scale] : whole / kPowersOfTen[-scale];
    return true;
}

}  // namespace

Token Lexer::next() {
    if (pending_function_) {
        pending_function_ = false;
        Token token;
        token.kind = TokenKind::function;
        token.function = pending_;
        return token;
    }
    while (pos_ < text_.size() && text_[pos_] == ' ') {
        ++pos_;
    }
    if (pos_ >= text_.size()) {
        return Token{};
    }
    const char c = text_[pos_];
    if (is_digit(c) || c == '.') {
        return number();
    }
    if (is_letter(c)) {
        return name();
    }
    Token token;
    switch (c) {
        case '+':
            token.kind = TokenKind::plus;
            break;
        case '-':
            token.kind = TokenKind::minus;
            break;
        case '*':
            token.kind = TokenKind::star;
            break;
        case '/':
            token.kind = TokenKind::slash;
            break;
        case '\\':
            token.kind = TokenKind::backslash;
            break;
        case '^':
            token.kind = TokenKind::caret;
            break;
        case '(':
            token.kind = TokenKind::left_paren;
            break;
        case ')':
            token.kind = TokenKind::right_paren;
            break;
        case ',':
            token.kind = TokenKind::comma;
            break;
        default:
            return error(EvalError::syntax);
    }
    ++pos_;
    return token;
}

// digits [. digits] [E [+-] digits], at least one digit before the exponent; an "E" not
// followed by an exponent is left for the name rule.
Token Lexer::number() {
    const std::size_t start = pos_;
    std::size_t digits = 0;
    while (pos_ < text_.size() && is_digit(text_[pos_])) {
        ++pos_;
        ++digits;
    }
    if (pos_ < text_.size() && text_[pos_] == '.') {
        ++pos_;
        while (pos_ < text_.size() && is_digit(text_[pos_])) {
            ++pos_;
            ++digits;
        }
    }
    if (digits == 0) {
        return error(EvalError::syntax);
    }
    const std::size_t mantissa_end = pos_;
    long long exponent = 0;
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        std::size_t p = pos_ + 1;
        bool negative = false;
        if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) {
            negative = text_[p] == '-';
            ++p;
        }
        if (p < text_.size() && is_digit(text_[p])) {
            while (p < text_.size() && is_digit(text_[p])) {
                // Saturates: beyond a billion the literal is out of range anyway.
                if (exponent < 1'000'000'000) {
                    exponent = exponent * 10 + (text_[p] - '0');
                }
                ++p;
            }
            exponent = negative ? -exponent : exponent;
            pos_ = p;
        }
    }
    Token token;
    token.kind = TokenKind::number;
    const std::string_view mantissa = text_.substr(start, mantissa_end - start);
    if (fast_literal(mantissa, exponent, token.number)) {
        return token;
    }
    const char* first = text_.data() + start;
    const char* last = text_.data() + pos_;
    const auto [end, status] = std::from_chars(first, last, token.number);
    if (status == std::errc::result_out_of_range) {
        if (literal_too_large(mantissa, exponent)) {
            return error(EvalError::overflow);
        }
        token.number = 0.0;
    } else if (status != std::errc{} || end != last) {
        return error(EvalError::syntax);
    }
    return token;
}

// A run of letters: a function, Mod, or Mod glued to a function ("7modsin(1)" is what
// "7 Mod sin(1)" becomes once the window has deleted its spaces).
Token Lexer::name() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && is_letter(text_[pos_])) {
        ++pos_;
    }
    const std::string_view word = text_.substr(start, pos_ - start);
    Token token;
    if (const auto function = find_function(word)) {
        token.kind = TokenKind::function;
        token.function = *function;
        return token;
    }
    if (equals_ignoring_case(word, "mod")) {
        token.kind = TokenKind::mod;
        return token;
    }
    if (word.size() > 3 && equals_ignoring_case(word.substr(0, 3), "mod")) {
        if (const auto function = find_function(word.substr(3))) {
            pending_function_ = true;
            pending_ = *function;
            token.kind = TokenKind::mod;
            return token;
        }
    }
    return error(EvalError::unknown_name);
}

}  // namespace orvane::expression
