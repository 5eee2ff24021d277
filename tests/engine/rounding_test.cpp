// Result formatting: the three rounding modes with their decimals, the fix-ups, and what
// the modes do to chains and the grand total.
#include <gtest/gtest.h>

#include "calculator_harness.h"
#include "engine/result_format.h"

namespace orvane::engine::testing {
namespace {

struct FormatCase {
    std::string value;  // the result's decimal text
    Rounding mode;
    int decimals;
    std::string shown;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " " << rounding_word(c.mode) << " " << c.decimals;
}

class ResultText : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ResultText, FollowsTheModeAndDecimals) {
    const auto value = Decimal::parse(GetParam().value);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(result_text(*value, value->text(), GetParam().mode, GetParam().decimals),
              GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    NoProcessing, ResultText,
    ::testing::Values(
        FormatCase{"0.6666666666666666666666666667", Rounding::none, 0, "0.6666666666"},
        FormatCase{"-0.3333333333333333333333333333", Rounding::none, 0, "-0.333333333"},
        FormatCase{"12345678901.5", Rounding::none, 0, "12345678901"},
        FormatCase{"123456789012.5", Rounding::none, 0, "123456789012"},
        // Whole digits are never lost; the fraction goes instead.
        FormatCase{"1000000000000", Rounding::none, 0, "1000000000000"},
        FormatCase{"-1234567890123.5", Rounding::none, 0, "-1234567890123"},
        FormatCase{"79228162514264337593543950335", Rounding::none, 3,
                   "79228162514264337593543950335"},
        // The decimals count plays no part without processing.
        FormatCase{"2.123456789012345", Rounding::none, 2, "2.1234567890"}));

INSTANTIATE_TEST_SUITE_P(
    Cut, ResultText,
    ::testing::Values(
        FormatCase{"0.6666666666666666666666666667", Rounding::cut, 2, "0.66"},
        FormatCase{"-0.6666666666666666666666666667", Rounding::cut, 2, "-0.66"},
        FormatCase{"2.5", Rounding::cut, 2, "2.5"}, FormatCase{"2.999", Rounding::cut, 1, "2.9"},
        FormatCase{"12", Rounding::cut, 2, "12"},
        FormatCase{"123456789012345.678", Rounding::cut, 4, "123456789012345.678"},
        // With 0 decimals the value is rounded, ties to even, without a
        // 32-bit limit.
        FormatCase{"2.7", Rounding::cut, 0, "3"}, FormatCase{"2.5", Rounding::cut, 0, "2"},
        FormatCase{"3.5", Rounding::cut, 0, "4"}, FormatCase{"-2.7", Rounding::cut, 0, "-3"},
        FormatCase{"2147483648.5", Rounding::cut, 0, "2147483648"},
        FormatCase{"99999999999999999999.5", Rounding::cut, 0, "100000000000000000000"}));

INSTANTIATE_TEST_SUITE_P(
    Round, ResultText,
    ::testing::Values(FormatCase{"0.125", Rounding::round, 2, "0.12"},
                      FormatCase{"0.375", Rounding::round, 2, "0.38"},
                      FormatCase{"2.5", Rounding::round, 0, "2"},
                      FormatCase{"6", Rounding::round, 3, "6"},
                      FormatCase{"0.6666666666666666666666666667", Rounding::round, 2, "0.67"},
                      FormatCase{"-0.005", Rounding::round, 2, "0"},
                      FormatCase{"15241578750190521", Rounding::round, 2, "15241578750190521"}));

TEST(ResultText, FixUpsRepairAPointAtEitherEnd) {
    const struct {
        std::string plain;
        std::string shown;
    } rows[] = {{"12.", "12"}, {".5", "0.5"}, {"-.5", "-0.5"}, {"5", "5"}};
    for (const auto& row : rows) {
        EXPECT_EQ(result_text(Decimal{}, row.plain, Rounding::none, 0), row.shown) << row.plain;
    }
}

TEST(ResultText, DecimalsBeyondTheDecimalScaleAreIgnored) {
    const struct {
        int count;
        int kept;
    } rows[] = {{0, 0}, {4, 4}, {28, 28}, {29, 28}, {-1, 28}, {3, 3}, {1000, 3}};
    Harness h;
    for (const auto& row : rows) {
        h.calculator->set_decimals(row.count);
        EXPECT_EQ(h.controls().decimals, row.kept) << row.count;
    }
}

struct ModeCase {
    std::string keys;
    std::vector<std::string> shown;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class RoundingModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(RoundingModes, ApplyToResultsOnly) {
    Harness h;
    EXPECT_EQ(h.run(GetParam().keys), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    KeySequences, RoundingModes,
    ::testing::Values(
        ModeCase{"2 / 3 =@", {"0.6666666666"}}, ModeCase{"sign 1 / 3 =@", {"-0.333333333"}},
        ModeCase{digits("1000000") + " * " + digits("1000000") + " =@", {"1000000000000"}},
        ModeCase{"rounding=cut decimals=2 2 / 3 =@", {"0.66"}},
        ModeCase{"rounding=cut decimals=2 sign 2 / 3 =@", {"-0.66"}},
        ModeCase{"rounding=cut decimals=2 1 0 / 4 =@", {"2.5"}},
        ModeCase{"rounding=cut decimals=0 5 / 2 =@ 7 / 2 =@ 8 / 3 =@", {"2", "4", "3"}},
        ModeCase{"rounding=round decimals=2 2 / 3 =@", {"0.67"}},
        ModeCase{"rounding=round decimals=2 1 / 8 =@ 3 / 8 =@", {"0.12", "0.38"}},
        ModeCase{"rounding=round decimals=3 2 * 3 =@", {"6"}},
        ModeCase{"rounding=round decimals=2 1 / 3 =@ * 3 =@", {"0.33", "1"}},
        ModeCase{"rounding=round " + digits("123456789") + " * " + digits("123456789") + " =@",
                 {"15241578750190521"}},
        // A new mode takes effect at the next result only.
        ModeCase{"2 / 3 = rounding=round decimals=2@", {"0.6666666666"}},
        ModeCase{"2 / 3 = rounding=round decimals=2 =@", {"0.22"}}));

TEST(RoundingModes, ModeListEnablesTheDecimalsList) {
    const struct {
        Rounding mode;
        bool enabled;
    } rows[] = {{Rounding::none, false}, {Rounding::cut, true}, {Rounding::round, true}};
    Harness h;
    for (const auto& row : rows) {
        h.calculator->set_rounding(row.mode);
        EXPECT_EQ(h.controls().rounding, row.mode);
        EXPECT_EQ(h.controls().decimals_enabled, row.enabled) << rounding_word(row.mode);
    }
}

TEST(RoundingModes, GrandTotalAddsTheShownText) {
    const struct {
        std::string keys;
        std::string grand_total;
    } rows[] = {{"1 / 3 =", "0.3333333333"},
                {"rounding=round decimals=2 1 / 3 =", "0.33"},
                {"rounding=cut decimals=1 2 / 3 = =", "0.8"}};
    for (const auto& row : rows) {
        Harness h;
        h.run(row.keys);
        EXPECT_EQ(h.controls().grand_total, row.grand_total) << row.keys;
    }
}

TEST(RoundingModes, AutoCopyPutsEveryIntermediateResultOnTheClipboard) {
    Harness h;
    h.run("autocopy=on 5 + 3 *");
    EXPECT_EQ(h.recorder.copies, std::vector<std::string>{"8"});
    h.run("2 =");
    EXPECT_EQ(h.recorder.copies, std::vector<std::string>{"16"});
    h.run("autocopy=off 5 + 1 =");
    EXPECT_TRUE(h.recorder.copies.empty());
}

}  // namespace
}  // namespace orvane::engine::testing
