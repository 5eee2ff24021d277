// Text and double conversions of the decimal type.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "numeric/decimal.h"

namespace orvane {
namespace {

const std::string kMax = "79228162514264337593543950335";

std::optional<std::string> parsed_text(const std::string& text) {
    const auto value = Decimal::parse(text);
    return value ? std::optional<std::string>(value->text()) : std::nullopt;
}

struct ParseCase {
    std::string input;
    std::optional<std::string> text;  // nullopt: not accepted
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.input.substr(0, 60) << (c.input.size() > 60 ? "..." : "") << '"';
}

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, GivesTheNormalisedTextOrNothing) {
    EXPECT_EQ(parsed_text(GetParam().input), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, ParseTest,
    testing::Values(ParseCase{"", std::nullopt}, ParseCase{" ", std::nullopt},
                    ParseCase{"-", std::nullopt}, ParseCase{".", std::nullopt},
                    ParseCase{"-.", std::nullopt}, ParseCase{" - ", std::nullopt},
                    ParseCase{"1e5", std::nullopt}, ParseCase{"+5", std::nullopt},
                    ParseCase{"1.2.3", std::nullopt}, ParseCase{"--5", std::nullopt},
                    ParseCase{"0x1", std::nullopt}, ParseCase{"1 2", std::nullopt},
                    ParseCase{"- 5", std::nullopt}, ParseCase{"5-", std::nullopt},
                    ParseCase{"1,5", std::nullopt}, ParseCase{"abc", std::nullopt},
                    ParseCase{"0不能为除数", std::nullopt}, ParseCase{"\t5", std::nullopt},
                    ParseCase{std::string("5\0", 2), std::nullopt}));

INSTANTIATE_TEST_SUITE_P(PlainForms, ParseTest,
                         testing::Values(ParseCase{"0", "0"}, ParseCase{"-0", "0"},
                                         ParseCase{"-0.000", "0"}, ParseCase{"5.", "5"},
                                         ParseCase{"0.", "0"}, ParseCase{".5", "0.5"},
                                         ParseCase{"-.5", "-0.5"}, ParseCase{"-5.", "-5"},
                                         ParseCase{"  12.50  ", "12.5"}, ParseCase{"007", "7"},
                                         ParseCase{"00.10", "0.1"},
                                         ParseCase{"-1234567.891", "-1234567.891"},
                                         ParseCase{"20", "20"}, ParseCase{"100.000", "100"}));

INSTANTIATE_TEST_SUITE_P(
    RangeLimits, ParseTest,
    testing::Values(ParseCase{kMax, kMax}, ParseCase{"-" + kMax, "-" + kMax},
                    ParseCase{"000" + kMax + ".000", kMax},
                    ParseCase{"79228162514264337593543950336", std::nullopt},
                    ParseCase{"-79228162514264337593543950336", std::nullopt},
                    ParseCase{"100000000000000000000000000000", std::nullopt},
                    ParseCase{kMax + ".4", kMax},
                    // Rounding up would leave the range.
                    ParseCase{kMax + ".5", std::nullopt},
                    ParseCase{"79228162514264337593543950334.5", "79228162514264337593543950334"},
                    ParseCase{"0.0000000000000000000000000001", "0.0000000000000000000000000001"},
                    ParseCase{"-7.9228162514264337593543950335",
                              "-7.9228162514264337593543950335"}));

INSTANTIATE_TEST_SUITE_P(
    LongTextsRoundHalfToEven, ParseTest,
    testing::Values(
        ParseCase{"0.00000000000000000000000000005", "0"},
        ParseCase{"0.00000000000000000000000000015", "0.0000000000000000000000000002"},
        ParseCase{"0.00000000000000000000000000025", "0.0000000000000000000000000002"},
        ParseCase{"0.000000000000000000000000000051", "0.0000000000000000000000000001"},
        ParseCase{"-0.00000000000000000000000000015", "-0.0000000000000000000000000002"},
        ParseCase{"1.00000000000000000000000000005", "1"},
        ParseCase{"1.00000000000000000000000000015", "1.0000000000000000000000000002"},
        // 30 significant digits: the 28th decimal does not fit, so the 27th is rounded.
        ParseCase{"12.3456789012345678901234567895", "12.34567890123456789012345679"},
        ParseCase{"12.3456789012345678901234567885", "12.345678901234567890123456788"},
        ParseCase{"7922816251426433759354395033.55", "7922816251426433759354395034"},
        ParseCase{"1.23456789012345678901234567891", "1.2345678901234567890123456789"}));

INSTANTIATE_TEST_SUITE_P(
    HugeTexts, ParseTest,
    testing::Values(ParseCase{"0." + std::string(10000, '3'), "0.3333333333333333333333333333"},
                    ParseCase{"0." + std::string(10000, '6'), "0.6666666666666666666666666667"},
                    ParseCase{"0.4" + std::string(10000, '9'), "0.5"},
                    ParseCase{"0.5" + std::string(10000, '0') + "1", "0.5"},
                    ParseCase{"0.0000000000000000000000000000" + std::string(10000, '0') + "9",
                              "0"},
                    ParseCase{"0.00000000000000000000000000005" + std::string(10000, '0') + "1",
                              "0.0000000000000000000000000001"},
                    ParseCase{std::string(10000, '0') + "1", "1"},
                    ParseCase{"1" + std::string(10000, '0'), std::nullopt},
                    ParseCase{std::string(10000, '9') + ".5", std::nullopt},
                    ParseCase{std::string(5000, ' ') + "-2.5" + std::string(5000, ' '), "-2.5"}));

struct PartsCase {
    std::uint32_t lo, mid, hi;
    bool negative;
    int scale;
    std::string text;
};

void PrintTo(const PartsCase& c, std::ostream* os) {
    *os << c.text;
}

class TextTest : public testing::TestWithParam<PartsCase> {};

TEST_P(TextTest, PlainNotationWithoutTrailingZeros) {
    const PartsCase& c = GetParam();
    const Decimal d = Decimal::from_parts(c.lo, c.mid, c.hi, c.negative, c.scale);
    EXPECT_EQ(d.text(), c.text);
    EXPECT_EQ(Decimal::parse(c.text), d) << "the text reads back as the same value";
}

INSTANTIATE_TEST_SUITE_P(
    Parts, TextTest,
    testing::Values(PartsCase{1, 0, 0, false, 28, "0.0000000000000000000000000001"},
                    PartsCase{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, false, 0, kMax},
                    PartsCase{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, true, 28,
                              "-7.9228162514264337593543950335"},
                    PartsCase{0, 0, 0, true, 5, "0"}, PartsCase{0, 0, 0, false, 0, "0"},
                    PartsCase{100, 0, 0, false, 2, "1"},
                    PartsCase{1234500, 0, 0, false, 3, "1234.5"},
                    PartsCase{5, 0, 0, true, 1, "-0.5"}, PartsCase{20, 0, 0, false, 0, "20"},
                    // 2^32 and 2^64 cross the limb boundaries.
                    PartsCase{0, 1, 0, false, 0, "4294967296"},
                    PartsCase{0, 0, 1, false, 10, "1844674407.3709551616"},
                    PartsCase{1000000000, 0, 0, false, 9, "1"}));

TEST(DecimalText, NegativeZeroIsNotNegative) {
    const auto zero = Decimal::parse("-0.00");
    ASSERT_TRUE(zero);
    EXPECT_FALSE(zero->is_negative());
    EXPECT_TRUE(zero->is_zero());
    EXPECT_EQ(*zero, Decimal{});
}

TEST(DecimalText, ScaleIsKeptFromTheText) {
    struct Case {
        std::string text;
        int scale;
    };
    for (const Case& c :
         {Case{"1.50", 2}, Case{"5.", 0}, Case{"0.0000000000000000000000000001", 28},
          Case{"1.000000000000000000000000000000", 28}}) {
        const auto value = Decimal::parse(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(value->scale(), c.scale) << c.text;
    }
}

struct DoubleCase {
    double value;
    std::optional<std::string> text;
};

void PrintTo(const DoubleCase& c, std::ostream* os) {
    *os << c.value;
}

class FromDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(FromDoubleTest, FifteenSignificantDigits) {
    const auto d = Decimal::from_double(GetParam().value);
    EXPECT_EQ(d ? std::optional<std::string>(d->text()) : std::nullopt, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FromDoubleTest,
    testing::Values(DoubleCase{std::sqrt(2.0), "1.4142135623731"}, DoubleCase{0.1 + 0.2, "0.3"},
                    DoubleCase{1.0 / 3.0, "0.333333333333333"},
                    DoubleCase{2.0 / 3.0, "0.666666666666667"}, DoubleCase{-0.1 - 0.7, "-0.8"},
                    DoubleCase{4.0, "4"}, DoubleCase{-0.0, "0"},
                    DoubleCase{1e15, "1000000000000000"},
                    DoubleCase{123456789012345678.0, "123456789012346000"},
                    DoubleCase{0.000123, "0.000123"},
                    DoubleCase{std::sqrt(0.000000001), "0.0000316227766016838"}));

INSTANTIATE_TEST_SUITE_P(
    SmallValuesRoundAt28Decimals, FromDoubleTest,
    testing::Values(DoubleCase{1e-30, "0"}, DoubleCase{-1e-30, "0"}, DoubleCase{5e-29, "0"},
                    DoubleCase{5.1e-29, "0.0000000000000000000000000001"},
                    DoubleCase{1.5e-28, "0.0000000000000000000000000002"},
                    DoubleCase{2.5e-28, "0.0000000000000000000000000002"},
                    DoubleCase{1e-28, "0.0000000000000000000000000001"},
                    DoubleCase{1.23456789012345e-20, "0.0000000000000000000123456789"},
                    DoubleCase{std::numeric_limits<double>::denorm_min(), "0"}));

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, FromDoubleTest,
    testing::Values(DoubleCase{1e29, std::nullopt}, DoubleCase{-1e29, std::nullopt},
                    DoubleCase{7.93e28, std::nullopt},
                    DoubleCase{7.9e28, "79000000000000000000000000000"},
                    DoubleCase{std::numeric_limits<double>::max(), std::nullopt},
                    DoubleCase{std::numeric_limits<double>::quiet_NaN(), std::nullopt},
                    DoubleCase{std::numeric_limits<double>::infinity(), std::nullopt},
                    DoubleCase{-std::numeric_limits<double>::infinity(), std::nullopt}));

// The printf form "%.14e" written out in plain notation, as an independent reference.
std::string plain_from_printf(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const std::string form = buffer;
    const std::string digits = form.substr(0, 1) + form.substr(2, 14);
    const int exponent = std::stoi(form.substr(form.find('e') + 1));
    std::string whole;
    std::string fraction;
    if (exponent >= 14) {
        whole = digits + std::string(static_cast<std::size_t>(exponent - 14), '0');
    } else if (exponent >= 0) {
        whole = digits.substr(0, static_cast<std::size_t>(exponent) + 1);
        fraction = digits.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return (std::signbit(value) ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

TEST(DecimalFromDouble, AgreesWithPrintfOverRandomValues) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-13, 27);
    for (int i = 0; i < 3000; ++i) {
        const double value = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random));
        const auto d = Decimal::from_double(value);
        ASSERT_TRUE(d) << value;
        EXPECT_EQ(d->text(), plain_from_printf(value));
    }
}

TEST(DecimalToDouble, NearestDouble) {
    struct Case {
        std::string text;
        double value;
    };
    for (const Case& c : {Case{"0.1", 0.1}, Case{"-2.5", -2.5}, Case{"0", 0.0},
                          Case{kMax, 79228162514264337593543950335.0},
                          Case{"0.0000000000000000000000000001", 1e-28},
                          Case{"1.4142135623731", 1.4142135623731}}) {
        const auto d = Decimal::parse(c.text);
        ASSERT_TRUE(d) << c.text;
        EXPECT_EQ(d->to_double(), c.value) << c.text;
    }
}

TEST(DecimalFromInt, WholeRange) {
    struct Case {
        std::int64_t value;
        std::string text;
    };
    for (const Case& c : {Case{0, "0"}, Case{-1, "-1"}, Case{4294967296, "4294967296"},
                          Case{std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
                          Case{std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"}}) {
        EXPECT_EQ(Decimal::from_int(c.value).text(), c.text);
    }
}

}  // namespace
}  // namespace orvane
