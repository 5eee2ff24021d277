#include "voice/clip_catalogue.h"

#include <algorithm>

namespace orvane::voice {
namespace {

char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](char x, char y) { return ascii_lower(x) == ascii_lower(y); });
}

}  // namespace

std::optional<std::string_view> find_clip(std::string_view name) {
    const auto found = std::ranges::find_if(
        kClipNames, [name](std::string_view clip) { return equal_ignoring_case(clip, name); });
    if (found == kClipNames.end()) {
        return std::nullopt;
    }
    return *found;
}

std::optional<std::string> clip_resource_path(std::string_view name) {
    const auto clip = find_clip(name);
    if (!clip) {
        return std::nullopt;
    }
    return ":/voice/" + std::string(*clip) + ".wav";
}

}  // namespace orvane::voice
