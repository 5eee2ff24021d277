#include "expression/evaluator.h"

#include "numeric/double_text.h"
#include "expression/program.h"

namespace orvane::expression {

EvalResult evaluate(std::string_view formula) {
    const Program program = compile(formula);
    if (program.error != EvalError::None) {
        return {false, {}, program.error};
    }
    if (program.ops.empty()) {
        return {};
    }
    const RunResult result = run(program);
    if (result.error != EvalError::None) {
        return {false, {}, result.error};
    }
    return {true, double_text(result.value), EvalError::None};
}

}  // namespace orvane::expression
