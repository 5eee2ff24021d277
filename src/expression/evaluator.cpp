#include "expression/evaluator.h"

#include "expression/program.h"
#include "numeric/double_text.h"

namespace orvane::expression {

EvalResult evaluate(std::string_view formula) {
    const Program program = compile(formula);
    if (program.error != EvalError::none) {
        return {false, {}, program.error};
    }
    if (program.ops.empty()) {
        return {};
    }
    const RunResult result = run(program);
    if (result.error != EvalError::none) {
        return {false, {}, result.error};
    }
    return {true, double_text(result.value), EvalError::none};
}

}  // namespace orvane::expression
