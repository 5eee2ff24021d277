#include "engine/text_rules.h"

#include <charconv>
#include <cmath>

namespace orvane::engine {
namespace {

bool is_continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::size_t char_count(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += is_continuation(byte) ? 0 : 1;
    }
    return count;
}

std::string_view first_chars(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!is_continuation(text[i])) {
            if (seen == count) {
                return text.substr(0, i);
            }
            ++seen;
        }
    }
    return text;
}

void remove_last_char(std::string& text) {
    while (!text.empty()) {
        const char last = text.back();
        text.pop_back();
        if (!is_continuation(last)) {
            return;
        }
    }
}

std::string_view trim_spaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool is_number_text(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    bool digit_seen = false;
    bool point_seen = false;
    for (const char c : text) {
        if (is_digit(c)) {
            digit_seen = true;
        } else if (c == '.' && !point_seen) {
            point_seen = true;
        } else {
            return false;
        }
    }
    return digit_seen;
}

void drop_leading_zeros(std::string& text) {
    if (text.size() < 2 || text[0] != '0' || text[1] == '.' || text.back() == '0' ||
        !is_number_text(text)) {
        return;
    }
    const auto first_kept = text.find_first_not_of('0');
    text.erase(0, first_kept);
    if (text.empty() || text.front() == '.') {
        text.insert(0, "0");
    }
}

void cut_to_display_limit(std::string& text, std::size_t limit) {
    if (char_count(text) <= limit) {
        return;
    }
    const auto point = text.find('.');
    const std::string_view whole = std::string_view(text).substr(0, point);
    if (char_count(whole) >= limit) {
        text.resize(whole.size());
    } else {
        text.resize(first_chars(text, limit).size());
    }
}

bool only_zeros(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return text.find_first_not_of('0') == std::string_view::npos;
}

bool capture_accepts(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    bool point_seen = false;
    bool nonzero_seen = false;
    for (const char c : text) {
        if (c == '.') {
            if (point_seen) {
                return false;
            }
            point_seen = true;
        } else if (is_digit(c)) {
            nonzero_seen = nonzero_seen || c != '0';
        } else {
            return false;
        }
    }
    return point_seen || nonzero_seen;
}

std::optional<double> to_double(std::string_view text) {
    text = trim_spaces(text);
    if (!is_number_text(text)) {
        return std::nullopt;
    }
    const bool negative = text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    // from_chars rejects a lone leading point in some library versions; give it a zero.
    std::string digits;
    if (text.front() == '.') {
        digits = "0";
    }
    digits.append(text);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace orvane::engine
