// A formula compiled to postfix form: operands are pushed, operators and functions take
// theirs from the top of the stack. Compiling finds every syntax error before anything is
// computed; running the program is a loop without recursion.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "expression/eval_error.h"
#include "expression/functions.h"

namespace orvane::expression {

enum class OpCode : std::uint8_t {
    push,
    negate,
    add,
    subtract,
    multiply,
    divide,
    integer_divide,
    modulo,
    power,
    call,
};

struct Op {
    OpCode code = OpCode::push;
    Function function = Function::sin;  // for Call
    std::uint8_t argument_count = 0;    // for Call
    double number = 0.0;                // for Push
};

struct Program {
    std::vector<Op> ops;  // empty for an empty formula
    EvalError error = EvalError::none;
};

// Parentheses and function calls nested deeper than this are an error, so that hostile
// input cannot exhaust the stack.
inline constexpr int kMaxNesting = 256;

Program compile(std::string_view formula);

struct RunResult {
    double value = 0.0;
    EvalError error = EvalError::none;
};

// Runs a program that compiled without error and is not empty.
RunResult run(const Program& program);

}  // namespace orvane::expression
