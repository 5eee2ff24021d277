#include "engine/paste_text.h"

#include "engine/text_rules.h"

namespace orvane::engine {

namespace {

bool starts_with_take(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

std::string_view trim_blank(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlank);
    return text.substr(first, last - first + 1);
}

bool take_currency(std::string_view& text) {
    return starts_with_take(text, "$") || starts_with_take(text, "\xC2\xA5") ||  // ¥
           starts_with_take(text, "\xEF\xBF\xA5");                               // ￥
}

bool take_minus(std::string_view& text) {
    return starts_with_take(text, "-") || starts_with_take(text, "\xEF\xBC\x8D");  // －
}

// One ASCII character for the next digit, point or comma (full-width forms mapped); 0 for
// anything else. Advances past what it read.
char take_number_char(std::string_view& text) {
    const char c = text.front();
    if ((c >= '0' && c <= '9') || c == '.' || c == ',') {
        text.remove_prefix(1);
        return c;
    }
    // Full-width digits U+FF10..U+FF19 are EF BC 90..99; "．" EF BC 8E; "，" EF BC 8C.
    if (text.size() >= 3 && text[0] == '\xEF' && text[1] == '\xBC') {
        const auto third = static_cast<unsigned char>(text[2]);
        char mapped = 0;
        if (third >= 0x90 && third <= 0x99) {
            mapped = static_cast<char>('0' + (third - 0x90));
        } else if (third == 0x8E) {
            mapped = '.';
        } else if (third == 0x8C) {
            mapped = ',';
        }
        if (mapped != 0) {
            text.remove_prefix(3);
        }
        return mapped;
    }
    return 0;
}

// The whole part's groups checked and the commas dropped; nullopt for a misplaced comma.
std::optional<std::string> ungroup(std::string_view whole) {
    if (whole.find(',') == std::string_view::npos) {
        return std::string(whole);
    }
    std::string digits;
    std::size_t group = 0;
    bool first_group = true;
    for (const char c : whole) {
        if (c == ',') {
            if (group == 0 || (first_group && group > 3) || (!first_group && group != 3)) {
                return std::nullopt;
            }
            first_group = false;
            group = 0;
        } else {
            digits += c;
            ++group;
        }
    }
    if (group != 3) {
        return std::nullopt;
    }
    return digits;
}

}  // namespace

std::optional<std::string> read_pasted_number(std::string_view text, std::size_t limit) {
    text = trim_blank(text);
    bool negative = take_minus(text);
    if (take_currency(text) && !negative) {
        negative = take_minus(text);
    }
    std::string ascii;
    while (!text.empty()) {
        const char c = take_number_char(text);
        if (c == 0) {
            return std::nullopt;
        }
        ascii += c;
    }
    const auto point = ascii.find('.');
    const std::string_view whole = std::string_view(ascii).substr(0, point);
    const std::string_view fraction =
        point == std::string::npos ? std::string_view{} : std::string_view(ascii).substr(point);
    if (fraction.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    const auto digits = ungroup(whole);
    if (!digits) {
        return std::nullopt;
    }
    std::string number = (negative ? "-" : "") + *digits + std::string(fraction);
    if (!is_number_text(number)) {
        return std::nullopt;
    }
    drop_leading_zeros(number);
    if (!whole_part_fits(number, limit)) {
        return std::nullopt;
    }
    cut_to_display_limit(number, limit);
    return number;
}

std::optional<std::string> read_captured_number(std::string_view text, std::size_t limit) {
    if (!whole_part_fits(text, limit)) {
        return std::nullopt;
    }
    // Within the limit the whole part is complete, so the cut only ever drops fraction digits
    // or what follows the number.
    std::string shown(first_chars(text, limit));
    if (!capture_accepts(shown)) {
        return std::nullopt;
    }
    return shown;
}

bool whole_part_fits(std::string_view number, std::size_t limit) {
    std::size_t length = !number.empty() && number.front() == '-' ? 1 : 0;
    while (length < number.size() && number[length] >= '0' && number[length] <= '9') {
        ++length;
    }
    return length <= limit;
}

}  // namespace orvane::engine
