// The built-in functions: their names, how many arguments they take, and their values.
#pragma once

#include <optional>
#include <string_view>

#include "expression/eval_error.h"

namespace orvane::expression {

enum class Function { sin, cos, tan, log, sqr, abs, atn, exp, whole, fix, sgn, round };

// The function spelled `name` (any letter case), or nullopt.
std::optional<Function> find_function(std::string_view name);

bool accepts_argument_count(Function function, int count);

// The value of `function` at `args` (count already checked), or the error it raises.
struct Value {
    double number = 0.0;
    EvalError error = EvalError::none;
};
Value apply_function(Function function, const double* args, int count);

// `value` rounded to `decimals` places, ties to even, on its 15-significant-digit decimal
// form, so that round(2.675, 2) is 2.68 as the user reads the number.
double round_half_even(double value, int decimals);

}  // namespace orvane::expression
