// The percent key and the square-root key, both finishing through equals.
#include <gtest/gtest.h>

#include "calculator_harness.h"

namespace orvane::engine::testing {
namespace {

struct OneOperandCase {
    std::string keys;
    std::string display;
    std::string grand_total;
};

void PrintTo(const OneOperandCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class OneOperandKeys : public ::testing::TestWithParam<OneOperandCase> {};

TEST_P(OneOperandKeys, ShowAndTotalAsEquals) {
    Harness h;
    h.run(GetParam().keys);
    EXPECT_EQ(h.display(), GetParam().display);
    EXPECT_EQ(h.controls().grand_total, GetParam().grand_total);
}

INSTANTIATE_TEST_SUITE_P(Percent, OneOperandKeys,
                         ::testing::Values(OneOperandCase{"2 0 0 + 1 0 %", "220", "220"},
                                           OneOperandCase{"2 0 0 - 1 0 %", "180", "180"},
                                           OneOperandCase{"2 0 0 * 1 0 %", "20", "20"},
                                           OneOperandCase{"2 0 0 / 1 0 %", "2000", "2000"},
                                           OneOperandCase{"2 0 0 + %", "400", "400"},
                                           OneOperandCase{"5 0 %", "0", "0"},
                                           OneOperandCase{"1 0 0 + 5 0 = %", "200", "350"},
                                           OneOperandCase{". %", "0.", "0"},
                                           OneOperandCase{"sign %", "-", "0"},
                                           OneOperandCase{"%", "", "0"}));

INSTANTIATE_TEST_SUITE_P(
    SquareRoot, OneOperandKeys,
    ::testing::Values(OneOperandCase{"1 6 sqrt", "4", "16"},
                      OneOperandCase{"9 + 1 6 sqrt", "20", "20"},
                      OneOperandCase{"2 + 2 = sqrt", "4", "8"},
                      OneOperandCase{"1 6 sqrt + 1 =", "5", "21"},
                      OneOperandCase{"1 6 sqrt =", "4", "20"}, OneOperandCase{"0 sqrt", "0", "0"},
                      OneOperandCase{"4 sign sqrt", "-4", "0"}, OneOperandCase{"sqrt", "", "0"},
                      OneOperandCase{"2 sqrt", "1.4142135623", "2"},
                      OneOperandCase{"rounding=round decimals=2 2 sqrt", "1.41", "2"},
                      OneOperandCase{"rounding=cut decimals=4 2 sqrt", "1.4142", "2"},
                      OneOperandCase{"rounding=cut decimals=0 3 sqrt", "2", "3"},
                      OneOperandCase{"0 . 0 0 0 0 0 0 0 0 1 sqrt", "0.0000316227", "0.000000001"}));

TEST(PercentKey, AfterAnOperatorUsesTheShownFirstOperand) {
    Harness h;
    h.run("2 0 0 + %");
    EXPECT_EQ(h.display(), "400");
    EXPECT_EQ(h.calculator->accumulator_text(), "200");
    EXPECT_TRUE(h.registers.result_shown);
}

TEST(PercentKey, ResultIsCopiedWithAutoCopy) {
    Harness h;
    h.run("autocopy=on 2 0 0 + 1 0 %");
    EXPECT_EQ(h.recorder.copies, std::vector<std::string>{"220"});
}

TEST(SquareRoot, AccumulatorHoldsTheRootAndChainsAtFifteenDigits) {
    Harness h;
    h.run("2 sqrt");
    EXPECT_EQ(h.calculator->accumulator_text(), "1.4142135623731");
    EXPECT_TRUE(std::holds_alternative<double>(h.registers.accumulator));
    EXPECT_TRUE(h.registers.result_shown);
    EXPECT_FALSE(h.registers.root_taken);
    h.run("* " + digits("1" + std::string(15, '0')) + " =");
    // 1.41421356237310 (fifteen digits) times 10^15.
    EXPECT_EQ(h.display(), "1414213562373100");
}

TEST(SquareRoot, ADigitAfterTheRootStartsANewCalculation) {
    Harness h;
    h.run("9 sqrt 5");
    EXPECT_EQ(h.display(), "5");
    EXPECT_EQ(h.calculator->accumulator_text(), "");
}

struct RootClipCase {
    std::string keys;
    std::vector<std::string> clips;  // of the last key
};

class RootClips : public ::testing::TestWithParam<RootClipCase> {};

TEST_P(RootClips, PlayTheRootClipOnce) {
    Harness h;
    h.run("voice " + GetParam().keys);
    EXPECT_EQ(h.recorder.clips, GetParam().clips);
}

INSTANTIATE_TEST_SUITE_P(SquareRoot, RootClips,
                         ::testing::Values(RootClipCase{"1 6 sqrt", {"wav_kf"}},
                                           RootClipCase{"9 + 1 6 sqrt", {"wav_kf", "wav_dengyu"}},
                                           RootClipCase{"1 6 sqrt + 1 =", {"wav_dengyu"}},
                                           RootClipCase{"4 sign sqrt", {}},
                                           RootClipCase{"2 0 0 + 1 0 %", {"wav_dengyu"}},
                                           RootClipCase{"2 0 0 + %", {}}));

}  // namespace
}  // namespace orvane::engine::testing
