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

std::optional<int> decimals_count(std::string_view text) {
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text.front() == '0')) {
        return std::nullopt;
    }
    int count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        count = count * 10 + (c - '0');
    }
    if (count > Decimal::kMaxScale) {
        return std::nullopt;
    }
    return count;
}

std::string result_text(const Decimal& value, std::string_view plain, std::string_view mode,
                        std::string_view decimals) {
    const int places = decimals_count(decimals).value_or(0);
    std::string text;
    if (mode == kRoundingCut && decimals != "0") {
        text = cut_decimals(plain, places);
    } else if (mode == kRoundingCut) {
        text = round(value, 0).text();
    } else if (mode == kRoundingRound) {
        text = round(value, places).text();
    } else {
        text = cut_to_limit(plain);
    }
    fix_up(text);
    return text;
}

}  // namespace orvane::engine
