// The four operations at their edges, rounding to decimals and the 32-bit conversion.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "numeric/decimal.h"

namespace orvane {
namespace {

const std::string kMax = "79228162514264337593543950335";
const std::string kTiny = "0.0000000000000000000000000001";

Decimal dec(const std::string& text) {
    const auto value = Decimal::parse(text);
    EXPECT_TRUE(value) << "test operand does not parse: " << text;
    return value.value_or(Decimal{});
}

enum class Op { add, sub, mul, div };

struct OpCase {
    Op op;
    std::string a;
    std::string b;
    std::string expected;  // text, or "overflow" / "divide-by-zero"
};

void PrintTo(const OpCase& c, std::ostream* os) {
    *os << c.a << " op" << static_cast<int>(c.op) << " " << c.b;
}

std::string run(const OpCase& c) {
    const Decimal a = dec(c.a);
    const Decimal b = dec(c.b);
    DecimalResult r;
    switch (c.op) {
        case Op::add:
            r = add(a, b);
            break;
        case Op::sub:
            r = subtract(a, b);
            break;
        case Op::mul:
            r = multiply(a, b);
            break;
        case Op::div:
            r = divide(a, b);
            break;
    }
    if (r.status == DecimalStatus::overflow) {
        return "overflow";
    }
    if (r.status == DecimalStatus::divide_by_zero) {
        return "divide-by-zero";
    }
    return r.value.text();
}

class OperationTest : public testing::TestWithParam<OpCase> {};

TEST_P(OperationTest, Result) {
    EXPECT_EQ(run(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Division, OperationTest,
    testing::Values(
        OpCase{Op::div, "1", "3", "0.3333333333333333333333333333"},
        OpCase{Op::div, "2", "3", "0.6666666666666666666666666667"},
        OpCase{Op::div, "-2", "3", "-0.6666666666666666666666666667"},
        OpCase{Op::div, "10", "3", "3.3333333333333333333333333333"},
        OpCase{Op::div, "100000", "3", "33333.333333333333333333333333"},
        OpCase{Op::div, "1", "8", "0.125"}, OpCase{Op::div, "8", "-2", "-4"},
        OpCase{Op::div, "12345.67", "3.5", "3527.3342857142857142857142857"},
        OpCase{Op::div, "1", "0", "divide-by-zero"}, OpCase{Op::div, "0", "0", "divide-by-zero"},
        OpCase{Op::div, "0", "-5", "0"}, OpCase{Op::div, kMax, "1", kMax},
        OpCase{Op::div, kMax, "-1", "-" + kMax}, OpCase{Op::div, kMax, "0.5", "overflow"},
        OpCase{Op::div, "1", kTiny, "10000000000000000000000000000"},
        OpCase{Op::div, "8", kTiny, "overflow"},
        // 1.26e-29 is below half a unit of the 28th decimal.
        OpCase{Op::div, "1", kMax, "0"},
        OpCase{Op::div, "4", kMax, "0.0000000000000000000000000001"},
        OpCase{Op::div, kTiny, "2", "0"},
        OpCase{Op::div, "0.0000000000000000000000000003", "2", "0.0000000000000000000000000002"},
        OpCase{Op::div, kMax, "10", "7922816251426433759354395033.5"},
        OpCase{Op::div, kMax, "7.9228162514264337593543950335", "10000000000000000000000000000"}));

INSTANTIATE_TEST_SUITE_P(
    AdditionAndSubtraction, OperationTest,
    testing::Values(
        OpCase{Op::add, "0.1", "0.2", "0.3"}, OpCase{Op::add, "-5", "5", "0"},
        OpCase{Op::sub, "5", "5.000", "0"}, OpCase{Op::sub, "0.3", "0.5", "-0.2"},
        OpCase{Op::add, kTiny, kTiny, "0.0000000000000000000000000002"},
        OpCase{Op::add, kMax, "1", "overflow"}, OpCase{Op::sub, "-" + kMax, "1", "overflow"},
        OpCase{Op::add, kMax, "0.4", kMax},
        // max + 0.5 is a tie whose even neighbour lies beyond the range.
        OpCase{Op::add, kMax, "0.5", "overflow"},
        OpCase{Op::sub, kMax, "0.5", "79228162514264337593543950334"},
        OpCase{Op::sub, kMax, kMax, "0"},
        OpCase{Op::add, "1", kTiny, "1.0000000000000000000000000001"},
        // 10 + 1e-28 needs 30 digits: the 28th decimal is rounded away.
        OpCase{Op::add, "10", kTiny, "10"},
        OpCase{Op::add, "10", "0.0000000000000000000000000006", "10.000000000000000000000000001"},
        OpCase{Op::add, "10", "0.0000000000000000000000000005", "10"},
        OpCase{Op::add, "10", "0.0000000000000000000000000015", "10.000000000000000000000000002"}));

INSTANTIATE_TEST_SUITE_P(
    Multiplication, OperationTest,
    testing::Values(
        OpCase{Op::mul, "123456789", "123456789", "15241578750190521"},
        OpCase{Op::mul, "2", "-3", "-6"}, OpCase{Op::mul, "-0.5", "-0.5", "0.25"},
        OpCase{Op::mul, "1000000", "1000000", "1000000000000"},
        OpCase{Op::mul, kMax, kMax, "overflow"}, OpCase{Op::mul, kMax, "1", kMax},
        OpCase{Op::mul, kMax, "-1", "-" + kMax},
        OpCase{Op::mul, kMax, "1.0000000000000000000000000001", "overflow"},
        OpCase{Op::mul, kTiny, kTiny, "0"}, OpCase{Op::mul, kTiny, "-0.5", "0"},
        OpCase{Op::mul, kTiny, "1.5", "0.0000000000000000000000000002"},
        OpCase{Op::mul, kTiny, "2.5", "0.0000000000000000000000000002"},
        OpCase{Op::mul, kTiny, "2.5000000000000000000000000001", "0.0000000000000000000000000003"},
        OpCase{Op::mul, "0.3333333333333333333333333333", "3", "0.9999999999999999999999999999"},
        OpCase{Op::mul, "1.1111111111111111111111111111", "9", "10"}));

struct RoundCase {
    std::string value;
    int decimals;
    std::string expected;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.value << " to " << c.decimals;
}

class RoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, TiesToEven) {
    EXPECT_EQ(round(dec(GetParam().value), GetParam().decimals).text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Decimals, RoundTest,
    testing::Values(
        RoundCase{"0.125", 2, "0.12"}, RoundCase{"0.375", 2, "0.38"}, RoundCase{"2.5", 0, "2"},
        RoundCase{"3.5", 0, "4"}, RoundCase{"-2.5", 0, "-2"}, RoundCase{"-2.7", 0, "-3"},
        RoundCase{"0.12500000000000000000000001", 2, "0.13"},
        RoundCase{"0.6666666666666666666666666667", 2, "0.67"}, RoundCase{"9.995", 2, "10"},
        RoundCase{"-0.004", 2, "0"}, RoundCase{"1.5", 28, "1.5"}, RoundCase{"1.25", 1, "1.2"},
        RoundCase{kMax, 0, kMax}, RoundCase{"7.9228162514264337593543950335", 0, "8"},
        RoundCase{kTiny, 27, "0"},
        RoundCase{"0.0000000000000000000000000015", 27, "0.000000000000000000000000002"},
        // Places outside 0..28 are clamped, never a failure.
        RoundCase{"2.5", -3, "2"}, RoundCase{"0.5", 40, "0.5"}));

struct Int32Case {
    std::string value;
    std::optional<std::int32_t> expected;
};

void PrintTo(const Int32Case& c, std::ostream* os) {
    *os << c.value;
}

class Int32Test : public testing::TestWithParam<Int32Case> {};

TEST_P(Int32Test, TiesToEvenWithinRange) {
    EXPECT_EQ(to_int32(dec(GetParam().value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Int32Test,
    testing::Values(Int32Case{"2.7", 3}, Int32Case{"2.5", 2}, Int32Case{"3.5", 4},
                    Int32Case{"-2.7", -3}, Int32Case{"-2.5", -2}, Int32Case{"0.5", 0},
                    Int32Case{"-0.5", 0}, Int32Case{"0", 0}, Int32Case{"2147483647", 2147483647},
                    Int32Case{"2147483647.4999999999999999999", 2147483647},
                    Int32Case{"2147483647.5", std::nullopt}, Int32Case{"2147483646.5", 2147483646},
                    Int32Case{"-2147483648", -2147483648}, Int32Case{"-2147483648.5", -2147483648},
                    Int32Case{"-2147483648.5000000000000000001", std::nullopt},
                    Int32Case{"-2147483647.5", -2147483648}, Int32Case{"4294967296", std::nullopt},
                    Int32Case{"-4294967297", std::nullopt}, Int32Case{kMax, std::nullopt},
                    Int32Case{"18446744073709551616", std::nullopt}));

TEST(DecimalEquality, ComparesValuesNotRepresentations) {
    struct Case {
        std::string a;
        std::string b;
        bool equal;
    };
    for (const Case& c :
         {Case{"1.0", "1", true}, Case{"-0", "0", true}, Case{"0.000", "-0", true},
          Case{"1", "-1", false}, Case{"0.5", "0.50000000000000000000000000", true},
          Case{kMax, kMax, true}, Case{kMax, "79228162514264337593543950334", false},
          Case{kTiny, "0", false}, Case{"4294967296", "0", false}}) {
        EXPECT_EQ(dec(c.a) == dec(c.b), c.equal) << c.a << " vs " << c.b;
    }
}

TEST(DecimalDivision, ExactQuotientsKeepFewDecimals) {
    struct Case {
        std::string a;
        std::string b;
        int scale;
    };
    for (const Case& c : {Case{"1", "4", 2}, Case{"10", "5", 0}, Case{"1.00", "1", 2},
                          Case{"1", "1.00", 0}, Case{"7.5", "2.5", 0}, Case{"7.50", "2.5", 1}}) {
        const DecimalResult r = divide(dec(c.a), dec(c.b));
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.value.scale(), c.scale) << c.a << " / " << c.b;
    }
}

}  // namespace
}  // namespace orvane
