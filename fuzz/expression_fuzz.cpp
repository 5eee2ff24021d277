// The formula evaluator on any text: a value or an error, never a crash, never a hang
// (run with -timeout), and the same answer twice.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "expression/evaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view formula(reinterpret_cast<const char*>(data), size);
    const auto result = orvane::expression::evaluate(formula);
    const bool error_named = result.error != orvane::expression::EvalError::none;
    if (result.ok == error_named) {
        std::fprintf(stderr, "ok=%d but error=%d for '%.*s'\n", result.ok,
                     static_cast<int>(result.error), static_cast<int>(size), formula.data());
        std::abort();
    }
    if (result.ok && result.text.empty() &&
        formula.find_first_not_of(" \t\r\n\f\v") != std::string_view::npos) {
        std::fprintf(stderr, "a value without text for '%.*s'\n", static_cast<int>(size),
                     formula.data());
        std::abort();
    }
    const auto again = orvane::expression::evaluate(formula);
    if (again.ok != result.ok || again.text != result.text || again.error != result.error) {
        std::fprintf(stderr, "two answers for '%.*s'\n", static_cast<int>(size), formula.data());
        std::abort();
    }
    return 0;
}
