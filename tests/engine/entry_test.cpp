// Number entry: digits, zeros, point, sign, backspace, C, AC and the easter-egg trigger.
#include <gtest/gtest.h>

#include "calculator_harness.h"

namespace orvane::engine::testing {
namespace {

struct EntryCase {
    std::string keys;
    std::string display;
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class EntrySequences : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntrySequences, ShowTheExpectedText) {
    Harness h;
    h.run(GetParam().keys);
    EXPECT_EQ(h.display(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(ZerosAndLeadingZeros, EntrySequences,
                         ::testing::Values(EntryCase{"0 0", "0"}, EntryCase{"0 5", "5"},
                                           EntryCase{"0 . 5", "0.5"}, EntryCase{"00", "0"},
                                           EntryCase{"0 00", "0"}, EntryCase{"5 00", "500"},
                                           EntryCase{"5 0 0 0", "5000"}, EntryCase{"0 0 0 7", "7"},
                                           EntryCase{"0 . 0 0", "0.00"},
                                           EntryCase{"0 . 00", "0.00"}));

INSTANTIATE_TEST_SUITE_P(
    SignKey, EntrySequences,
    ::testing::Values(EntryCase{"sign 5", "-5"}, EntryCase{"sign 0 0", "-0"},
                      EntryCase{"sign 0 5", "-05"}, EntryCase{"sign 0 00", "-0"},
                      EntryCase{"sign 00", "-00"}, EntryCase{"sign 00 00", "-00"},
                      EntryCase{"sign 0 00 00", "-0"}, EntryCase{"sign .", "0."},
                      EntryCase{"5 sign sign", "5"}, EntryCase{"1 2 = sign", "-12"},
                      EntryCase{"1 2 = sign 3", "3"}, EntryCase{"4 + sign", "-4"},
                      EntryCase{"4 + sign 7", "7"}));

INSTANTIATE_TEST_SUITE_P(PointBackspaceAndClear, EntrySequences,
                         ::testing::Values(EntryCase{"5 . . 3", "5.3"}, EntryCase{"5 C .", ""},
                                           EntryCase{".", "0."}, EntryCase{". 5 .", "0.5"},
                                           EntryCase{"sign 5 back", "-"},
                                           EntryCase{"sign 5 back back", ""}, EntryCase{"back", ""},
                                           EntryCase{"5 = back", "5"},
                                           EntryCase{"1 2 back 3", "13"}, EntryCase{"5 + 3 C", ""},
                                           EntryCase{"5 + 3 C 4 =", "9"}, EntryCase{"5 = C", ""},
                                           EntryCase{"5 + 3 = AC", ""}));

INSTANTIATE_TEST_SUITE_P(
    DisplayLimit, EntrySequences,
    ::testing::Values(
        // A thirteenth digit is dropped, zeros are still appended beyond twelve.
        EntryCase{digits("1234567891234"), "123456789123"},
        EntryCase{digits("123456789123") + " 0 00 5", "123456789123000"},
        EntryCase{"sign " + digits("123456789123"), "-12345678912"},
        EntryCase{digits("1234.56789123"), "1234.5678912"},
        // An entry below one is never limited.
        EntryCase{"0 . " + digits("1234567891234"), "0.1234567891234"}));

TEST(Entry, ANewCalculationAfterAResultEmptiesTheChain) {
    Harness h;
    h.run("2 * 3 = 4");
    EXPECT_EQ(h.display(), "4");
    EXPECT_EQ(h.calculator->accumulator_text(), "");
    EXPECT_EQ(operator_symbol(h.registers.pending_op), "");
    EXPECT_FALSE(h.registers.result_shown);
    EXPECT_TRUE(h.controls().entry_active);
}

TEST(Entry, ADigitAfterResultAndOperatorOnlyStartsTheSecondOperand) {
    Harness h;
    h.run("2 * 3 = + 4");
    EXPECT_EQ(h.display(), "4");
    EXPECT_EQ(h.calculator->accumulator_text(), "6");
    EXPECT_EQ(operator_symbol(h.controls().sign), "＋");
}

TEST(Entry, ClearWithAnEntryKeepsOperatorAndGrandTotal) {
    Harness h;
    h.run("5 = 2 + 3 C");
    EXPECT_EQ(h.display(), "");
    EXPECT_TRUE(h.controls().entry_active);
    EXPECT_EQ(operator_symbol(h.controls().sign), "＋");
    EXPECT_EQ(h.controls().grand_total, "5");
}

struct ClearCase {
    std::string keys;
    std::string grand_total;
    std::string clip;
};

class ClearKeys : public ::testing::TestWithParam<ClearCase> {};

TEST_P(ClearKeys, EmptyEverythingButTheirGrandTotalRule) {
    Harness h;
    h.run("voice 5 + 3 = MS 4 * " + GetParam().keys);
    EXPECT_EQ(h.display(), "");
    EXPECT_EQ(operator_symbol(h.controls().sign), "");
    EXPECT_FALSE(h.controls().sign_visible);
    EXPECT_EQ(h.calculator->accumulator_text(), "");
    EXPECT_EQ(operator_symbol(h.registers.pending_op), "");
    EXPECT_FALSE(h.controls().entry_active);
    EXPECT_FALSE(h.registers.result_shown);
    EXPECT_FALSE(h.registers.clear_via_c);
    EXPECT_EQ(h.controls().memory, "8");
    EXPECT_EQ(h.controls().grand_total, GetParam().grand_total);
    EXPECT_EQ(h.recorder.clips, std::vector<std::string>{GetParam().clip});
}

INSTANTIATE_TEST_SUITE_P(Entry, ClearKeys,
                         ::testing::Values(ClearCase{"AC", "0", "wav_quanbu"},
                                           ClearCase{"C", "8", "wav_qingchu"}));

struct EggCase {
    std::string keys;
    int eggs_on_last_key;
};

class EasterEgg : public ::testing::TestWithParam<EggCase> {};

TEST_P(EasterEgg, OpensOnlyWhenADigitStepLeavesTheTrigger) {
    Harness h;
    h.run(GetParam().keys);
    EXPECT_EQ(h.recorder.eggs, GetParam().eggs_on_last_key);
}

INSTANTIATE_TEST_SUITE_P(Entry, EasterEgg,
                         ::testing::Values(EggCase{digits("19970314"), 1},
                                           EggCase{digits("1997031"), 0},
                                           EggCase{digits("19970314") + " back 4", 1},
                                           EggCase{digits("199703145") + " back", 0},
                                           EggCase{"0 . " + digits("19970314"), 0},
                                           EggCase{"0 " + digits("19970314"), 1},
                                           EggCase{digits("19970314") + " = MS AC MR", 1},
                                           EggCase{digits("19970314") + " = C GT", 1},
                                           // A computed result equal to the trigger does not count.
                                           EggCase{digits("19970313") + " + 1 =", 0}));

}  // namespace
}  // namespace orvane::engine::testing
