#include "expression/functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orvane::expression {
namespace {

TEST(FunctionNames, AreFoundInAnyLetterCase) {
    const struct {
        const char* name;
        std::optional<Function> function;
    } rows[] = {{"sin", Function::sin},     {"SIN", Function::sin}, {"Cos", Function::cos},
                {"tAn", Function::tan},     {"log", Function::log}, {"sqr", Function::sqr},
                {"abs", Function::abs},     {"atn", Function::atn}, {"exp", Function::exp},
                {"int", Function::whole},   {"fix", Function::fix}, {"sgn", Function::sgn},
                {"ROUND", Function::round}, {"sqrt", std::nullopt}, {"ln", std::nullopt},
                {"", std::nullopt},         {"si", std::nullopt},   {"mod", std::nullopt}};
    for (const auto& row : rows) {
        EXPECT_EQ(find_function(row.name), row.function) << row.name;
    }
}

TEST(ArgumentCounts, OneExceptRoundWhichTakesOneOrTwo) {
    for (const Function f : {Function::sin, Function::log, Function::sgn, Function::fix}) {
        EXPECT_FALSE(accepts_argument_count(f, 0));
        EXPECT_TRUE(accepts_argument_count(f, 1));
        EXPECT_FALSE(accepts_argument_count(f, 2));
    }
    EXPECT_FALSE(accepts_argument_count(Function::round, 0));
    EXPECT_TRUE(accepts_argument_count(Function::round, 1));
    EXPECT_TRUE(accepts_argument_count(Function::round, 2));
    EXPECT_FALSE(accepts_argument_count(Function::round, 3));
}

struct RoundCase {
    double value;
    int decimals;
    double rounded;
};

class RoundHalfEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEven, RoundsTheDecimalFormTiesToEven) {
    const double result = round_half_even(GetParam().value, GetParam().decimals);
    EXPECT_EQ(result, GetParam().rounded) << GetParam().value << " to " << GetParam().decimals;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEven,
                         testing::Values(RoundCase{0.5, 0, 0.0}, RoundCase{1.5, 0, 2.0},
                                         RoundCase{2.5, 0, 2.0}, RoundCase{-1.5, 0, -2.0},
                                         RoundCase{9.5, 0, 10.0}, RoundCase{999.5, 0, 1000.0},
                                         RoundCase{2.675, 2, 2.68}, RoundCase{2.665, 2, 2.66},
                                         RoundCase{0.045, 2, 0.04}, RoundCase{0.0451, 2, 0.05},
                                         RoundCase{1234.5678, 2, 1234.57}, RoundCase{0.3, 20, 0.3},
                                         RoundCase{1e20, 0, 1e20}, RoundCase{4e-5, 4, 0.0},
                                         RoundCase{6e-5, 4, 0.0001}, RoundCase{0.0, 3, 0.0}));

TEST(RoundHalfEven, KeepsTheSignOfAValueRoundedToZero) {
    EXPECT_TRUE(std::signbit(round_half_even(-0.4, 0)));
    EXPECT_EQ(round_half_even(-0.4, 0), 0.0);
}

struct DomainCase {
    Function function;
    double argument;
    EvalError error;
};

class Domain : public testing::TestWithParam<DomainCase> {};

TEST_P(Domain, RefusesArgumentsOutsideIt) {
    const Value value = apply_function(GetParam().function, &GetParam().argument, 1);
    EXPECT_EQ(error_name(value.error), error_name(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Domain,
    testing::Values(DomainCase{Function::log, 0.0, EvalError::invalid_argument},
                    DomainCase{Function::log, -0.0, EvalError::invalid_argument},
                    DomainCase{Function::log, 1e-300, EvalError::none},
                    DomainCase{Function::sqr, -1e-300, EvalError::invalid_argument},
                    DomainCase{Function::sqr, -0.0, EvalError::none},
                    DomainCase{Function::exp, 709.0, EvalError::none},
                    DomainCase{Function::exp, 710.0, EvalError::overflow},
                    DomainCase{Function::exp, -1000.0, EvalError::none}));

}  // namespace
}  // namespace orvane::expression
