// Inputs meant to hurt: deep nesting, megabyte formulas, enormous numbers. Each must end in a
// value or an error, quickly and without exhausting the stack.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "expression/evaluator.h"
#include "expression/program.h"

namespace orvane::expression {
namespace {

std::string repeat(const std::string& piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

std::string nested(const std::string& open, const std::string& inner, std::size_t depth) {
    return repeat(open, depth) + inner + repeat(")", depth);
}

constexpr std::size_t kMegabyte = 1 << 20;

struct HostileCase {
    std::string name;
    std::function<std::string()> make;
    bool ok;
    std::string text;  // when ok
    EvalError error;   // when not ok
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

class Hostile : public testing::TestWithParam<HostileCase> {};

TEST_P(Hostile, EndsInValueOrError) {
    const std::string formula = GetParam().make();
    const EvalResult result = evaluate(formula);
    EXPECT_EQ(result.ok, GetParam().ok) << error_name(result.error);
    if (GetParam().ok) {
        EXPECT_EQ(result.text, GetParam().text);
    } else {
        EXPECT_EQ(error_name(result.error), error_name(GetParam().error));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Hostile,
    testing::Values(
        HostileCase{"parentheses_100000_deep", [] { return nested("(", "1", 100000); }, false, "",
                    EvalError::too_deep},
        HostileCase{"parentheses_at_the_bound",
                    [] { return nested("(", "1", static_cast<std::size_t>(kMaxNesting)); }, true,
                    "1", EvalError::none},
        HostileCase{"parentheses_one_beyond_the_bound",
                    [] { return nested("(", "1", static_cast<std::size_t>(kMaxNesting) + 1); },
                    false, "", EvalError::too_deep},
        HostileCase{"functions_100000_deep", [] { return nested("abs(", "-1", 100000); }, false, "",
                    EvalError::too_deep},
        HostileCase{"unclosed_megabyte", [] { return std::string(kMegabyte, '('); }, false, "",
                    EvalError::too_deep},
        HostileCase{"closing_megabyte", [] { return std::string(kMegabyte, ')'); }, false, "",
                    EvalError::syntax},
        HostileCase{"sum_of_a_megabyte", [] { return "1" + repeat("+1", kMegabyte / 2); }, true,
                    "524289", EvalError::none},
        HostileCase{"power_chain_of_a_megabyte", [] { return "1" + repeat("^1", kMegabyte / 2); },
                    true, "1", EvalError::none},
        HostileCase{"signs_of_a_megabyte", [] { return std::string(kMegabyte, '-') + "3"; }, true,
                    "3", EvalError::none},
        HostileCase{"odd_signs_of_a_megabyte", [] { return std::string(kMegabyte + 1, '-') + "3"; },
                    true, "-3", EvalError::none},
        HostileCase{"spaces_of_a_megabyte", [] { return std::string(kMegabyte, ' ') + "7"; }, true,
                    "7", EvalError::none},
        HostileCase{"operators_of_a_megabyte", [] { return std::string(kMegabyte, '*'); }, false,
                    "", EvalError::syntax},
        HostileCase{"digits_10000", [] { return std::string(10000, '9'); }, false, "",
                    EvalError::overflow},
        HostileCase{"digits_10000_with_point", [] { return "1." + std::string(10000, '5'); }, true,
                    "1.55555555555556", EvalError::none},
        HostileCase{"leading_zeros_10000", [] { return std::string(10000, '0') + "42"; }, true,
                    "42", EvalError::none},
        HostileCase{"tiny_fraction_10000", [] { return "0." + std::string(10000, '0') + "1"; },
                    true, "0", EvalError::none},
        HostileCase{"exponent_10000_digits", [] { return "1E" + std::string(10000, '9'); }, false,
                    "", EvalError::overflow},
        HostileCase{"negative_exponent_10000_digits",
                    [] { return "1E-" + std::string(10000, '9'); }, true, "0", EvalError::none},
        HostileCase{"name_of_a_megabyte", [] { return std::string(kMegabyte, 'x'); }, false, "",
                    EvalError::unknown_name},
        HostileCase{"many_arguments", [] { return "round(1" + repeat(",1", 100000) + ")"; }, false,
                    "", EvalError::argument_count},
        HostileCase{"nul_bytes",
                    [] {
                        return std::string(
                            "1+\0"
                            "2",
                            4);
                    },
                    false, "", EvalError::syntax},
        HostileCase{"high_bytes", [] { return std::string("\xff\xfe\x80", 3); }, false, "",
                    EvalError::syntax}),
    [](const testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

}  // namespace
}  // namespace orvane::expression
