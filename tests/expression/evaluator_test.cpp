#include "expression/evaluator.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvane::expression {
namespace {

struct ValueCase {
    std::string formula;
    std::string text;  // the whole text of the value
};

void PrintTo(const ValueCase& c, std::ostream* out) {
    *out << '"' << c.formula << '"';
}

class Value : public testing::TestWithParam<ValueCase> {};

TEST_P(Value, EvaluatesToText) {
    const EvalResult result = evaluate(GetParam().formula);
    EXPECT_TRUE(result.ok) << error_name(result.error);
    EXPECT_EQ(result.error, EvalError::none);
    EXPECT_EQ(result.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, Value,
    testing::Values(ValueCase{"1+2*3", "7"}, ValueCase{"(1+2)*3", "9"}, ValueCase{"8-3-2", "3"},
                    ValueCase{"100/10/5", "2"}, ValueCase{"2^3^2", "64"}, ValueCase{"2^3*2", "16"},
                    ValueCase{"2*3^2", "18"}, ValueCase{"10\\3*2", "1"}, ValueCase{"12/3\\2", "2"},
                    ValueCase{"1-2^2", "-3"}, ValueCase{"-2^2", "-4"}, ValueCase{"(-2)^2", "4"},
                    ValueCase{"-2^0.5", "-1.4142135623731"}, ValueCase{"2*-3^2", "-18"},
                    ValueCase{"-3^2+1", "-8"}, ValueCase{"2^-1^2", "0.25"},
                    ValueCase{"2+3mod2", "3"}, ValueCase{"7mod4\\2", "1"},
                    ValueCase{"2*3mod4", "2"}, ValueCase{"9mod5mod3", "1"},
                    ValueCase{"20\\3\\2", "3"}, ValueCase{"1+7mod4*2", "8"}));

INSTANTIATE_TEST_SUITE_P(Signs, Value,
                         testing::Values(ValueCase{"1+-2", "-1"}, ValueCase{"2*-3", "-6"},
                                         ValueCase{"2--2", "4"}, ValueCase{"2^-1", "0.5"},
                                         ValueCase{"--2", "2"}, ValueCase{"-+2", "-2"},
                                         ValueCase{"+2", "2"}, ValueCase{"---2", "-2"},
                                         ValueCase{"-(2+3)", "-5"}, ValueCase{"-0", "0"},
                                         ValueCase{"0*-1", "0"}));

INSTANTIATE_TEST_SUITE_P(ModKeyword, Value,
                         testing::Values(ValueCase{"10mod3", "1"}, ValueCase{"(7)Mod(3)", "1"},
                                         ValueCase{"7 MOD 3", "1"}, ValueCase{"7mOd3", "1"},
                                         ValueCase{"7modabs(-4)", "3"},
                                         ValueCase{"(9)modsqr(16)", "1"}));

INSTANTIATE_TEST_SUITE_P(
    Literals, Value,
    testing::Values(ValueCase{".5", "0.5"}, ValueCase{"5.", "5"}, ValueCase{"1E3", "1000"},
                    ValueCase{"1e3", "1000"}, ValueCase{"1e+3", "1000"}, ValueCase{"1E+3", "1000"},
                    ValueCase{"1.5E-3", "0.0015"}, ValueCase{"010", "10"}, ValueCase{"1E-400", "0"},
                    ValueCase{"0.1+0.2", "0.3"},
                    ValueCase{"123456789012345678", "1.23456789012346E+17"},
                    ValueCase{"12.5e2", "1250"}, ValueCase{"123.456e-5", "0.00123456"},
                    ValueCase{"0.000123", "0.000123"}, ValueCase{"1e22", "1E+22"},
                    ValueCase{"1e23", "1E+23"}, ValueCase{"000.000", "0"},
                    ValueCase{"9007199254740993", "9.00719925474099E+15"},
                    ValueCase{"0.1e-22", "1E-23"},
                    ValueCase{"4.9406564584124654E-324", "4.94065645841247E-324"}));

INSTANTIATE_TEST_SUITE_P(IntegerDivisionAndMod, Value,
                         testing::Values(ValueCase{"7\\2", "3"}, ValueCase{"7.5\\2", "4"},
                                         ValueCase{"6.5\\2", "3"}, ValueCase{"-7\\2", "-3"},
                                         ValueCase{"(-7)Mod(3)", "-1"}, ValueCase{"7mod-3", "1"},
                                         ValueCase{"5.5mod2", "0"},
                                         ValueCase{"2147483647\\1", "2147483647"},
                                         ValueCase{"-2147483648\\1", "-2147483648"},
                                         ValueCase{"(-2147483648)mod(-1)", "0"},
                                         ValueCase{"1\\2.5", "0"}));

INSTANTIATE_TEST_SUITE_P(
    Functions, Value,
    testing::Values(ValueCase{"sin(0)", "0"}, ValueCase{"sin(1)", "0.841470984807897"},
                    ValueCase{"cos(0)", "1"}, ValueCase{"cos(1)", "0.54030230586814"},
                    ValueCase{"tan(1)", "1.5574077246549"}, ValueCase{"log(1)", "0"},
                    ValueCase{"log(10)", "2.30258509299405"}, ValueCase{"log(exp(2))", "2"},
                    ValueCase{"sqr(16)", "4"}, ValueCase{"sqr(2)", "1.4142135623731"},
                    ValueCase{"abs(-2.5)", "2.5"}, ValueCase{"atn(1)*4", "3.14159265358979"},
                    ValueCase{"exp(1)", "2.71828182845905"}, ValueCase{"int(-2.5)", "-3"},
                    ValueCase{"int(2.5)", "2"}, ValueCase{"fix(-2.5)", "-2"},
                    ValueCase{"fix(2.7)", "2"}, ValueCase{"sgn(-3)", "-1"},
                    ValueCase{"sgn(0)", "0"}, ValueCase{"sgn(0.001)", "1"},
                    ValueCase{"SIN(0)+Cos(0)", "1"}, ValueCase{"sQr(9)", "3"},
                    ValueCase{"sin(cos(0)-1)", "0"}, ValueCase{"abs(-(-2))", "2"}));

INSTANTIATE_TEST_SUITE_P(
    RoundTiesToEven, Value,
    testing::Values(ValueCase{"round(2.5)", "2"}, ValueCase{"round(3.5)", "4"},
                    ValueCase{"round(-2.5)", "-2"}, ValueCase{"round(0.5)", "0"},
                    ValueCase{"round(2.6)", "3"}, ValueCase{"round(2.675,2)", "2.68"},
                    ValueCase{"round(1.005,2)", "1"}, ValueCase{"round(0.125,2)", "0.12"},
                    ValueCase{"round(123.456,1)", "123.5"}, ValueCase{"round(99.95,1)", "100"},
                    ValueCase{"round(0.006,2)", "0.01"}, ValueCase{"round(0.0004,2)", "0"},
                    ValueCase{"round(1/3,4)", "0.3333"}, ValueCase{"round(2.5,0.4)", "2"},
                    ValueCase{"round(1.25,30)", "1.25"}));

INSTANTIATE_TEST_SUITE_P(PowerEdges, Value,
                         testing::Values(ValueCase{"0^0", "1"}, ValueCase{"(-8)^(1/1)", "-8"},
                                         ValueCase{"(-2)^3", "-8"}, ValueCase{"4^0.5", "2"},
                                         ValueCase{"10^-400", "0"}));

// The text form switches to exponent notation at 1E15 and below 1E-4, on the value rounded to
// 15 significant digits.
INSTANTIATE_TEST_SUITE_P(
    TextForm, Value,
    testing::Values(ValueCase{"1/3", "0.333333333333333"},
                    ValueCase{"2^50", "1.12589990684262E+15"}, ValueCase{"1E15", "1E+15"},
                    ValueCase{"10^15", "1E+15"}, ValueCase{"999999999999999", "999999999999999"},
                    ValueCase{"10^14", "100000000000000"}, ValueCase{"1/30", "0.0333333333333333"},
                    ValueCase{"1E-5", "1E-05"}, ValueCase{"1E100", "1E+100"},
                    ValueCase{"0.0001", "0.0001"}, ValueCase{"0.00009", "9E-05"},
                    ValueCase{"-1/3", "-0.333333333333333"},
                    ValueCase{"-2^50", "-1.12589990684262E+15"},
                    ValueCase{"2^-20", "9.5367431640625E-07"}));

struct ErrorCase {
    std::string formula;
    EvalError error;
};

void PrintTo(const ErrorCase& c, std::ostream* out) {
    *out << '"' << c.formula << '"';
}

class Failure : public testing::TestWithParam<ErrorCase> {};

TEST_P(Failure, RaisesError) {
    const EvalResult result = evaluate(GetParam().formula);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(error_name(result.error), error_name(GetParam().error));
    EXPECT_EQ(result.text, "");
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, Failure,
    testing::Values(ErrorCase{"1+", EvalError::syntax}, ErrorCase{"*2", EvalError::syntax},
                    ErrorCase{"(1+2", EvalError::syntax}, ErrorCase{"1+2)", EvalError::syntax},
                    ErrorCase{"()", EvalError::syntax}, ErrorCase{"1..2", EvalError::syntax},
                    ErrorCase{"1**2", EvalError::syntax}, ErrorCase{"2^^2", EvalError::syntax},
                    ErrorCase{"2sin(1)", EvalError::syntax}, ErrorCase{"2(3)", EvalError::syntax},
                    ErrorCase{"(2)(3)", EvalError::syntax}, ErrorCase{".", EvalError::syntax},
                    ErrorCase{"1,2", EvalError::syntax}, ErrorCase{"sin", EvalError::syntax},
                    ErrorCase{"sin1", EvalError::syntax}, ErrorCase{"1+2=3", EvalError::syntax},
                    ErrorCase{"1\t+2", EvalError::syntax},
                    ErrorCase{"\xEF\xBC\x91+2", EvalError::syntax} /* full-width 1 */,
                    ErrorCase{"mod3", EvalError::syntax}, ErrorCase{"3mod", EvalError::syntax},
                    ErrorCase{"(1,2)", EvalError::syntax}, ErrorCase{"1.5.3", EvalError::syntax},
                    // The evaluator itself reads a space as a separator; the window deletes
                    // spaces before it evaluates.
                    ErrorCase{"1 2", EvalError::syntax},
                    // Syntax is checked before anything is computed.
                    ErrorCase{"1/0+", EvalError::syntax}));

INSTANTIATE_TEST_SUITE_P(Names, Failure,
                         testing::Values(ErrorCase{"2x", EvalError::unknown_name},
                                         ErrorCase{"x", EvalError::unknown_name},
                                         ErrorCase{"pi", EvalError::unknown_name},
                                         ErrorCase{"foo(1)", EvalError::unknown_name},
                                         ErrorCase{"1e", EvalError::unknown_name},
                                         ErrorCase{"sinx(1)", EvalError::unknown_name},
                                         ErrorCase{"7modfoo(1)", EvalError::unknown_name},
                                         ErrorCase{"true", EvalError::unknown_name}));

INSTANTIATE_TEST_SUITE_P(ArgumentCounts, Failure,
                         testing::Values(ErrorCase{"sin()", EvalError::argument_count},
                                         ErrorCase{"sin(1,2)", EvalError::argument_count},
                                         ErrorCase{"round()", EvalError::argument_count},
                                         ErrorCase{"round(1,2,3)", EvalError::argument_count},
                                         ErrorCase{"sin(1,)", EvalError::syntax}));

INSTANTIATE_TEST_SUITE_P(DivisionByZero, Failure,
                         testing::Values(ErrorCase{"1/0", EvalError::division_by_zero},
                                         ErrorCase{"0/0", EvalError::division_by_zero},
                                         ErrorCase{"5\\0", EvalError::division_by_zero},
                                         ErrorCase{"(5)Mod(0)", EvalError::division_by_zero},
                                         ErrorCase{"5\\0.4", EvalError::division_by_zero},
                                         ErrorCase{"1/(1-1)", EvalError::division_by_zero}));

INSTANTIATE_TEST_SUITE_P(InvalidArguments, Failure,
                         testing::Values(ErrorCase{"log(0)", EvalError::invalid_argument},
                                         ErrorCase{"log(-1)", EvalError::invalid_argument},
                                         ErrorCase{"sqr(-1)", EvalError::invalid_argument},
                                         ErrorCase{"(-8)^(1/3)", EvalError::invalid_argument},
                                         ErrorCase{"(-2)^0.5", EvalError::invalid_argument},
                                         ErrorCase{"0^-1", EvalError::invalid_argument},
                                         ErrorCase{"round(1,-1)", EvalError::invalid_argument}));

INSTANTIATE_TEST_SUITE_P(Overflow, Failure,
                         testing::Values(ErrorCase{"10^400", EvalError::overflow},
                                         ErrorCase{"1E308*10", EvalError::overflow},
                                         ErrorCase{"1E308+1E308", EvalError::overflow},
                                         ErrorCase{"-1E308-1E308", EvalError::overflow},
                                         ErrorCase{"exp(710)", EvalError::overflow},
                                         ErrorCase{"1E400", EvalError::overflow},
                                         ErrorCase{"1E-300/1E-300*1E308/1E-10",
                                                   EvalError::overflow},
                                         ErrorCase{"2147483648\\1", EvalError::overflow},
                                         ErrorCase{"2147483647.5\\1", EvalError::overflow},
                                         ErrorCase{"1mod-2147483649", EvalError::overflow},
                                         ErrorCase{"(-2147483648)\\(-1)", EvalError::overflow}));

TEST(EmptyFormula, HasAnEmptyValueAndNoError) {
    for (const char* formula : {"", " ", "   "}) {
        const EvalResult result = evaluate(formula);
        EXPECT_TRUE(result.ok) << '"' << formula << '"';
        EXPECT_EQ(result.error, EvalError::none);
        EXPECT_EQ(result.text, "");
    }
}

}  // namespace
}  // namespace orvane::expression
