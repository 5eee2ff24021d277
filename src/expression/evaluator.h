// The expression evaluator: a formula of numbers, + - * / ^ \ Mod, signs, parentheses and
// the functions sin cos tan log sqr abs atn exp int fix sgn round, computed in doubles.
#pragma once

#include <string>
#include <string_view>

#include "expression/eval_error.h"

namespace orvane::expression {

struct [[nodiscard]] EvalResult {
    bool ok = true;
    std::string text;  // the value's whole text (orvane::double_text); empty for an empty formula
    EvalError error = EvalError::none;
};

// Evaluates `formula` as it stands (spaces separate tokens; the window deletes them first,
// see clean_formula). Linear in the formula's length; never throws.
EvalResult evaluate(std::string_view formula);

}  // namespace orvane::expression
