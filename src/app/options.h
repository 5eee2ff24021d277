// The entry routine's command-line rules: normalisation, validation and what they decide.
// Pure functions, shared by the desktop program and `orvane-cli options`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "startup/calculator_kind.h"
#include "startup/startup_values.h"

namespace orvane::app {

// The four validation messages, in the order the rules are checked.
inline constexpr std::string_view kBadLengthMessage =
    "您设置的启动参数错误，请检查参数是否输入错误，是否缺少或夹杂其他符号。";
inline constexpr std::string_view kExpressionPairMessage =
    "您设置的启动参数错误。“/F2”参数只能与“/ac”参数合用。";
inline constexpr std::string_view kMortgageAloneMessage =
    "您设置的启动参数错误。“/F7”参数只能单独使用。";
inline constexpr std::string_view kRoundAndCutMessage =
    "您设置的启动参数错误。“/U”参数不能与“/C”参数合用。";
// Title of the message box that shows any of them.
inline constexpr std::string_view kOptionsErrorTitle = "参数错误";

// What the entry routine decided: the start-up values and the first window, or the message of
// the first rule that failed (then `values` holds only the normalised command line).
struct Startup {
    StartupValues values;
    CalculatorKind first_window = CalculatorKind::standard;
    std::string error;

    bool ok() const { return error.empty(); }
};

// The process arguments after the program name, joined with single spaces.
std::string join_arguments(const std::vector<std::string>& arguments);

// Lower-cases ASCII letters and removes every space; other bytes (UTF-8 text) stay as they are.
std::string normalise_command_line(std::string_view command_line);

// Length in characters (UTF-8 code points; a stray byte counts as one character).
std::size_t character_count(std::string_view text);

// The message of the first validation rule that `command_options` (already normalised) breaks,
// or an empty view when it passes them all.
std::string_view validation_error(std::string_view command_options);

// Normalises, validates and derives `option_decimals`, `start_mode` and the first window.
Startup read_command_line(std::string_view command_line);

// The class name of a calculator window: "Tallybox", "BDS" or "House".
std::string_view window_name(CalculatorKind kind);

// Whether the expression window ticks its auto-copy box when it loads.
inline bool expression_autocopy(const StartupValues& values) {
    return values.start_mode == 7;
}

}  // namespace orvane::app
