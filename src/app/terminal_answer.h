// `orvane-calculator --help` and `--version`: answered on stdout before the entry routine, without
// a window or a display. Every other command line goes to the entry routine unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::app {

// The text to print when the arguments after the program name are exactly "--help" or
// "--version"; nothing otherwise.
[[nodiscard]] std::optional<std::string> terminal_answer(int argc, const char* const* argv,
                                                         std::string_view version);

}  // namespace orvane::app
