// Runs a compiled formula with a value stack. Every step checks its result, so a value
// beyond the double range never travels on as an infinity.
#include <cmath>
#include <cstdint>
#include <optional>

#include "expression/program.h"

namespace orvane::expression {
namespace {

// An operand of \ and Mod: rounded to a whole number, ties to even, within 32 bits.
std::optional<std::int64_t> whole_32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(rounded);
}

RunResult finite(double value) {
    if (!std::isfinite(value)) {
        return {0.0, EvalError::overflow};
    }
    return {value, EvalError::none};
}

RunResult integer_step(OpCode code, double left, double right) {
    const auto a = whole_32(left);
    const auto b = whole_32(right);
    if (!a || !b) {
        return {0.0, EvalError::overflow};
    }
    if (*b == 0) {
        return {0.0, EvalError::division_by_zero};
    }
    // C++ division truncates toward zero and the remainder takes the dividend's sign.
    const std::int64_t result = code == OpCode::integer_divide ? *a / *b : *a % *b;
    if (result > 2147483647) {  // -2147483648 \ -1
        return {0.0, EvalError::overflow};
    }
    return {static_cast<double>(result), EvalError::none};
}

RunResult power(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0) {
        return {0.0, EvalError::invalid_argument};
    }
    if (base < 0.0 && std::trunc(exponent) != exponent) {
        return {0.0, EvalError::invalid_argument};
    }
    return finite(std::pow(base, exponent));
}

RunResult binary(OpCode code, double a, double b) {
    switch (code) {
        case OpCode::add:
            return finite(a + b);
        case OpCode::subtract:
            return finite(a - b);
        case OpCode::multiply:
            return finite(a * b);
        case OpCode::divide:
            if (b == 0.0) {
                return {0.0, EvalError::division_by_zero};
            }
            return finite(a / b);
        case OpCode::integer_divide:
        case OpCode::modulo:
            return integer_step(code, a, b);
        case OpCode::power:
            return power(a, b);
        default:
            return {0.0, EvalError::syntax};
    }
}

}  // namespace

RunResult run(const Program& program) {
    std::vector<double> stack;
    stack.reserve(program.ops.size());
    for (const Op& op : program.ops) {
        switch (op.code) {
            case OpCode::push:
                stack.push_back(op.number);
                break;
            case OpCode::negate:
                stack.back() = -stack.back();
                break;
            case OpCode::call: {
                const int count = op.argument_count;
                const double* args = stack.data() + stack.size() - count;
                const Value value = apply_function(op.function, args, count);
                if (value.error != EvalError::none) {
                    return {0.0, value.error};
                }
                stack.resize(stack.size() - count);
                stack.push_back(value.number);
                break;
            }
            default: {
                const double right = stack.back();
                stack.pop_back();
                const RunResult step = binary(op.code, stack.back(), right);
                if (step.error != EvalError::none) {
                    return step;
                }
                stack.back() = step.value;
                break;
            }
        }
    }
    return {stack.back(), EvalError::none};
}

}  // namespace orvane::expression
