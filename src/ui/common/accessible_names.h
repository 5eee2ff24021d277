#pragma once

#include <string>
#include <string_view>

namespace orvane::ui {

// A key's tooltip is its spoken name followed by its keyboard shortcut in
// full-width brackets, e.g. "开平方 （F）". Screen readers get the two apart:
// the name as accessible name, the shortcut as accessible description.

// The name to announce: the tooltip without its bracketed shortcut, or the
// caption when the key has no tooltip (digit keys).
[[nodiscard]] std::string accessible_name(std::string_view tooltip, std::string_view caption);

// The shortcut inside the trailing brackets, or empty when there is none.
[[nodiscard]] std::string accessible_shortcut(std::string_view tooltip);

}  // namespace orvane::ui
