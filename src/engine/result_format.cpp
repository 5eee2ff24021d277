#include "engine/result_format.h"

#include "engine/calculator.h"
#include "engine/text_rules.h"

namespace orvane::engine {
namespace {

// Cut: the sign and whole digits, then the point and at most `places` decimals; a text
// without a point stays as it is.
std::string cut_decimals(std::string_view plain, int places) {
    const auto point = plain.find('.');
    if (point == std::string_view::npos) {
        return std::string(plain);
    }
    return std::string(plain.substr(0, point + 1 + static_cast<std::size_t>(places)));
}

// No processing: the first characters up to the display limit, but never fewer than the
// whole part, whose digits would otherwise be lost.
std::string cut_to_limit(std::string_view plain) {
    std::string text(plain);
    cut_to_display_limit(text, static_cast<std::size_t>(kDisplayLimit));
    return text;
}

void fix_up(std::string& text) {
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    if (!text.empty() && text.front() == '.') {
        text.insert(0, "0");
    }
    if (text.starts_with("-.")) {
        text.insert(1, "0");
    }
}

}  // namespace

std::string result_text(const Decimal& value, std::string_view plain, Rounding mode, int decimals) {
    std::string text;
    if (mode == Rounding::cut && decimals != 0) {
        text = cut_decimals(plain, decimals);
    } else if (mode == Rounding::cut) {
        text = round(value, 0).text();
    } else if (mode == Rounding::round) {
        text = round(value, decimals).text();
    } else {
        text = cut_to_limit(plain);
    }
    fix_up(text);
    return text;
}

}  // namespace orvane::engine
