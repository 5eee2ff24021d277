// Decimal text and arithmetic against the digit-string reference of the tests.
// Input: operator byte, then two number texts separated by a newline.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "numeric/decimal.h"
#include "reference_arithmetic.h"

namespace {

namespace ref = orvane::reference;
using orvane::Decimal;

[[noreturn]] void fail(const char* what, const std::string& input, const std::string& got,
                       const std::string& want) {
    std::fprintf(stderr, "%s: input '%s' got '%s' want '%s'\n", what, input.c_str(), got.c_str(),
                 want.c_str());
    std::abort();
}

// The exact value of a text of the form -?digits[.digits], or nullopt for other texts.
[[nodiscard]] std::optional<ref::Value> plain_number(std::string_view text) {
    ref::Value v;
    if (text.starts_with('-')) {
        v.negative = true;
        text.remove_prefix(1);
    }
    std::string digits;
    bool point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits.push_back(c);
            v.scale += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    v.digits = ref::trimmed(digits);
    v.negative = v.negative && v.digits != "0";
    return v;
}

[[nodiscard]] ref::Value exact(const Decimal& d) {
    const auto v = plain_number(d.text());
    if (!v) {
        fail("text() is not a plain number", "", d.text(), "");
    }
    return *v;
}

// Parsing: a parsed value prints canonically and reads back as itself; a plain number
// parses exactly as the reference fits it.
[[nodiscard]] std::optional<Decimal> checked_parse(const std::string& text) {
    const auto parsed = Decimal::parse(text);
    if (parsed) {
        const std::string printed = parsed->text();
        const auto again = Decimal::parse(printed);
        if (!again || !(*again == *parsed) || again->text() != printed) {
            fail("text round trip", text, printed, again ? again->text() : "nullopt");
        }
    }
    if (const auto value = plain_number(text); value && value->scale <= 200) {
        const auto fitted = ref::fit(value->digits, value->scale, value->negative);
        const std::string want = fitted ? ref::text(*fitted) : "nullopt";
        const std::string got = parsed ? parsed->text() : "nullopt";
        if (got != want) {
            fail("parse", text, got, want);
        }
    }
    return parsed;
}

[[nodiscard]] std::string expected(const std::optional<ref::Value>& v) {
    return v ? ref::text(*v) : "overflow";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 400) {
        return 0;
    }
    const char op = static_cast<char>(data[0]);
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = rest.find('\n');
    const std::string first = rest.substr(0, split);
    const auto a = checked_parse(first);
    if (split == std::string::npos) {
        return 0;
    }
    const std::string second = rest.substr(split + 1);
    const auto b = checked_parse(second);
    if (!a || !b) {
        return 0;
    }
    const std::string input = first + " " + op + " " + second;
    const ref::Value x = exact(*a);
    const ref::Value y = exact(*b);
    std::string got;
    std::string want;
    switch (op) {
        case '+':
            got = outcome_text(add(*a, *b));
            want = expected(ref::add_values(x, y, false));
            break;
        case '-':
            got = outcome_text(subtract(*a, *b));
            want = expected(ref::add_values(x, y, true));
            break;
        case '*':
            got = outcome_text(multiply(*a, *b));
            want = expected(ref::mul_values(x, y));
            break;
        case '/':
            got = outcome_text(divide(*a, *b));
            want = y.digits == "0" ? "divide-by-zero" : expected(ref::div_values(x, y));
            break;
        default: {
            // Rounding to 0..28 places: the reference fit of the digits cut at that scale.
            const int places = static_cast<unsigned char>(op) % 29;
            const Decimal rounded = orvane::round(*a, places);
            got = rounded.text();
            ref::Value cut = x;
            if (x.scale > places) {
                std::string padded = x.digits;
                const auto drop = static_cast<std::size_t>(x.scale - places);
                if (padded.size() < drop + 1) {
                    padded.insert(0, drop + 1 - padded.size(), '0');
                }
                std::string keep = ref::trimmed(padded.substr(0, padded.size() - drop));
                const int first_dropped = padded[padded.size() - drop] - '0';
                const bool more =
                    padded.find_first_not_of('0', padded.size() - drop + 1) != std::string::npos;
                const bool odd = (keep.back() - '0') % 2 == 1;
                if (first_dropped > 5 || (first_dropped == 5 && (more || odd))) {
                    keep = ref::add(keep, "1");
                }
                cut = ref::Value{keep, places, x.negative && keep != "0"};
            }
            want = ref::text(cut);
            if (rounded.scale() > places) {
                fail("round keeps too many places", input, got, want);
            }
            break;
        }
    }
    if (got != want) {
        fail("arithmetic", input, got, want);
    }
    return 0;
}
