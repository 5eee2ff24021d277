#include "ui/common/accessible_names.h"

namespace orvane::ui {
namespace {

constexpr std::string_view kOpen = "（";
constexpr std::string_view kClose = "）";

[[nodiscard]] std::string_view trim(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    constexpr std::string_view kWideSpace = "\u3000";
    for (;;) {
        const auto before = text.size();
        while (!text.empty() && kSpace.find(text.front()) != std::string_view::npos) {
            text.remove_prefix(1);
        }
        while (!text.empty() && kSpace.find(text.back()) != std::string_view::npos) {
            text.remove_suffix(1);
        }
        if (text.starts_with(kWideSpace)) {
            text.remove_prefix(kWideSpace.size());
        }
        if (text.ends_with(kWideSpace)) {
            text.remove_suffix(kWideSpace.size());
        }
        if (text.size() == before) {
            return text;
        }
    }
}

// Position of the opening bracket of a trailing "（…）", or npos.
[[nodiscard]] std::size_t shortcut_start(std::string_view text) {
    if (!text.ends_with(kClose)) {
        return std::string_view::npos;
    }
    return text.rfind(kOpen);
}

}  // namespace

std::string accessible_name(std::string_view tooltip, std::string_view caption) {
    auto text = trim(tooltip);
    const auto start = shortcut_start(text);
    if (start != std::string_view::npos) {
        text = trim(text.substr(0, start));
    }
    if (text.empty()) {
        return std::string{trim(caption)};
    }
    return std::string{text};
}

std::string accessible_shortcut(std::string_view tooltip) {
    const auto text = trim(tooltip);
    const auto start = shortcut_start(text);
    if (start == std::string_view::npos) {
        return {};
    }
    const auto inner =
        text.substr(start + kOpen.size(), text.size() - start - kOpen.size() - kClose.size());
    return std::string{trim(inner)};
}

}  // namespace orvane::ui
