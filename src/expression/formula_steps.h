// The expression window's steps around the evaluator, shared with orvane-cli: cleaning the
// typed formula, the Enter rule, and the result caption.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "expression/eval_error.h"

namespace orvane::expression {

inline constexpr std::string_view kErrorTitle = "表达式错误";
inline constexpr std::string_view kErrorMessage = "表达式有错误，请检查运算符或函数是否正确。";

// The message shown for a formula without a value: nesting beyond the evaluator's bound says
// so, since checking operators and functions would not help; every other error has
// kErrorMessage.
std::string error_message(EvalError error);

// The result label shows at most this many characters of a value's text.
inline constexpr std::size_t kCaptionLength = 12;

// Leading and trailing spaces stripped, then every remaining space (U+0020) deleted; tabs and
// other white space stay.
std::string clean_formula(std::string_view typed);

// The first kCaptionLength characters (not bytes) of a UTF-8 text.
std::string result_caption(std::string_view text);

// Enter evaluates only when the box, before cleaning, holds more than two characters.
constexpr bool enter_evaluates(std::size_t characters_in_box) {
    return characters_in_box > 2;
}

// The auto-copy box is ticked on every load of the window when the program was started with
// both the expression-window and the auto-copy option (start mode 7).
constexpr bool autocopy_ticked_on_load(int start_mode) {
    return start_mode == 7;
}

// One evaluation as the window runs it.
struct [[nodiscard]] Evaluation {
    std::string cleaned;  // written back into the formula box
    bool ok = false;
    std::string full_text;  // the value's whole text when ok
    std::string caption;    // the result label's new caption when ok
    std::string message;    // error_message of the failure when not ok
};
Evaluation evaluate_typed(std::string_view typed);

}  // namespace orvane::expression
