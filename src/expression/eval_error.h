// Why an expression has no value. Every kind leads to the same message in the window; the
// kinds keep the reasons apart for tests and for callers that want to tell them apart.
#pragma once

#include <string_view>

namespace orvane::expression {

enum class EvalError {
    none,
    syntax,            // not a well-formed formula: "1+", "(1", "2(3)", "1..2", a stray character
    unknown_name,      // a name that is neither a function nor Mod
    argument_count,    // sin() or sin(1,2)
    too_deep,          // parentheses or function calls nested beyond the evaluator's bound
    division_by_zero,  // 1/0, 5\0, 5 Mod 0
    invalid_argument,  // log(0), sqr(-1), (-8)^(1/3), 0^-1, round(x,-1)
    overflow,          // a value beyond the double range, or a \ or Mod operand beyond 32 bits
};

std::string_view error_name(EvalError error);

}  // namespace orvane::expression
