// Keys that cannot read a number are void, results beyond the decimal range show the
// overflow text, and the display rules never drop whole-number digits.
#include <gtest/gtest.h>

#include "calculator_harness.h"

namespace orvane::engine::testing {
namespace {

const std::string k12Nines = digits("999999999999");

// Everything a key could change, for before/after comparisons.
struct Snapshot {
    Controls controls;
    Registers registers;
    std::string accumulator;

    explicit Snapshot(const Harness& h)
        : controls(h.controls()),
          registers(h.registers),
          accumulator(h.calculator->accumulator_text()) {}

    void expect_same_as(const Snapshot& other, const std::string& context) const {
        EXPECT_EQ(controls.display, other.controls.display) << context;
        EXPECT_EQ(controls.sign, other.controls.sign) << context;
        EXPECT_EQ(controls.sign_visible, other.controls.sign_visible) << context;
        EXPECT_EQ(controls.memory, other.controls.memory) << context;
        EXPECT_EQ(controls.grand_total, other.controls.grand_total) << context;
        EXPECT_EQ(controls.autoload, other.controls.autoload) << context;
        EXPECT_EQ(controls.entry_active, other.controls.entry_active) << context;
        EXPECT_EQ(accumulator, other.accumulator) << context;
        EXPECT_EQ(registers.pending_op, other.registers.pending_op) << context;
        EXPECT_EQ(registers.operand, other.registers.operand) << context;
        EXPECT_EQ(registers.last_operand, other.registers.last_operand) << context;
        EXPECT_EQ(registers.result_shown, other.registers.result_shown) << context;
        EXPECT_EQ(registers.root_taken, other.registers.root_taken) << context;
    }
};

struct IgnoredCase {
    std::string setup;  // run with voice, auto-copy and capture on
    std::string key;    // must change nothing at all
};

void PrintTo(const IgnoredCase& c, std::ostream* os) {
    *os << "\"" << c.setup << "\" then " << c.key;
}

class IgnoredKeys : public ::testing::TestWithParam<IgnoredCase> {};

TEST_P(IgnoredKeys, LeaveNoTrace) {
    Harness h;
    h.run("voice autocopy=on " + GetParam().setup + " autoload=on");
    const Snapshot before(h);
    h.run(GetParam().key);
    Snapshot(h).expect_same_as(before, GetParam().key);
    EXPECT_TRUE(h.controls().autoload);
    EXPECT_TRUE(h.recorder.clips.empty());
    EXPECT_TRUE(h.recorder.copies.empty());
    EXPECT_TRUE(h.recorder.autoload_changes.empty());
    EXPECT_EQ(h.recorder.focus_requests, 0);
}

INSTANTIATE_TEST_SUITE_P(
    NotANumber, IgnoredKeys,
    ::testing::Values(IgnoredCase{"sign", "="},          // "-": the grand total cannot read it
                      IgnoredCase{"5 + 3 C sign", "="},  // "-" as the second operand
                      IgnoredCase{"5 + 3 C sign", "*"}, IgnoredCase{"5 + 3 C sign", "%"},
                      IgnoredCase{"5 + 3 C sign .", "="},  // "-."
                      IgnoredCase{"5 / 0 = sign", "="},    // "-0不能为除数"
                      IgnoredCase{"5 / 0 =", "%"}, IgnoredCase{"5 / 0 =", "sqrt"},
                      IgnoredCase{"5 / 0 = MS 1 =", "M+"}, IgnoredCase{"5 = MS AC", "M+"},
                      // The entry text as first operand is not a number.
                      IgnoredCase{"5 / 0 = MS AC MR + 3", "="},
                      IgnoredCase{"5 / 0 = MS AC MR + 3", "+"},
                      // A typed number beyond the decimal range ("1" and thirty zeros).
                      IgnoredCase{"1 " + digits(std::string(30, '0')), "="},
                      IgnoredCase{"7 + 1 " + digits(std::string(30, '0')), "="},
                      IgnoredCase{"1 " + digits(std::string(30, '0')), "%"}));

struct OverflowCase {
    std::string keys;
    std::string grand_total;
};

void PrintTo(const OverflowCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class Overflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(Overflow, ShowsTheOverflowTextAndEmptiesTheChain) {
    Harness h;
    h.run(GetParam().keys);
    EXPECT_EQ(h.display(), kOverflowText);
    EXPECT_EQ(h.calculator->accumulator_text(), "");
    EXPECT_EQ(h.registers.operand, "");
    EXPECT_EQ(operator_symbol(h.controls().sign), "");
    EXPECT_FALSE(h.controls().sign_visible);
    EXPECT_FALSE(h.controls().entry_active);
    EXPECT_FALSE(h.registers.result_shown);
    EXPECT_EQ(h.controls().grand_total, GetParam().grand_total);
}

INSTANTIATE_TEST_SUITE_P(
    Decisions, Overflow,
    ::testing::Values(OverflowCase{k12Nines + " * " + k12Nines + " * " + k12Nines + " *", "0"},
                      OverflowCase{k12Nines + " * " + k12Nines + " * " + k12Nines + " =", "0"},
                      // A repeated equals stops at the error: the first result stays in the total.
                      OverflowCase{k12Nines + " * " + k12Nines + " = =",
                                   "999999999998000000000001"},
                      // A percentage beyond the range stops the percent key.
                      OverflowCase{k12Nines + " * " + k12Nines + " + " + k12Nines + " %", "0"}));

TEST(Decisions, AfterOverflowTheNextDigitStartsAfresh) {
    Harness h;
    h.run(k12Nines + " * " + k12Nines + " = = 5 + 1 =");
    EXPECT_EQ(h.display(), "6");
}

TEST(Decisions, MemoryAddBeyondTheRangeLeavesTheMemory) {
    Harness h;
    // 999999999999 × 999999999999 × 79228 still fits; twice that does not.
    h.run(k12Nines + " * " + k12Nines + " * 7 9 2 2 8 = MS");
    const std::string stored = h.controls().memory;
    ASSERT_EQ(stored, "79227999999841544000000079228");
    h.run("M+");
    EXPECT_EQ(h.controls().memory, stored);
}

TEST(Decisions, GrandTotalBeyondTheRangeStaysAsItWas) {
    Harness h;
    h.run(k12Nines + " * " + k12Nines + " * 7 9 2 2 8 = GT");
    EXPECT_EQ(h.controls().grand_total, "79227999999841544000000079228");
    h.run("=");
    EXPECT_EQ(h.display(), "79227999999841544000000079228");
    EXPECT_EQ(h.controls().grand_total, "79227999999841544000000079228");
    EXPECT_TRUE(h.registers.result_shown);
}

TEST(Decisions, RootWhoseEqualsFailsLeavesTheErrorText) {
    Harness h;
    h.run("voice 8 / 0 sqrt");
    EXPECT_EQ(h.display(), kDivideByZeroText);
    EXPECT_TRUE(h.recorder.clips.empty());
    EXPECT_EQ(h.controls().grand_total, "0");
    // The root clip is not left pending for the next result.
    EXPECT_FALSE(h.registers.root_taken);
    h.run("5 + 3 =");
    EXPECT_EQ(h.recorder.clips, std::vector<std::string>{"wav_dengyu"});
}

TEST(Decisions, WholeNumbersAreNeverCut) {
    const struct {
        std::string keys;
        std::string display;
    } rows[] = {
        {digits("1000000") + " * " + digits("1000000") + " =", "1000000000000"},
        {"rounding=cut decimals=0 " + k12Nines + " * 3 =", "2999999999997"},
        {"rounding=cut decimals=2 1 2 =", "12"},
        {"rounding=cut decimals=2 1 2 * 3 =", "36"},
        {"rounding=round decimals=4 2 sqrt", "1.4142"},
        {"rounding=cut decimals=0 2 sqrt", "1"},
        {"0 . 0 0 0 0 0 0 0 0 1 sqrt", "0.0000316227"},
        {k12Nines + " 0 00 5", "999999999999000"},
        {"5 / 0 = MS AC MR", "0不能为除数"},
    };
    for (const auto& row : rows) {
        Harness h;
        h.run(row.keys);
        EXPECT_EQ(h.display(), row.display) << row.keys;
    }
}

TEST(Decisions, TheErrorTextIsNotANumberForTheEntryRules) {
    Harness h;
    h.run("5 / 0 = MS AC MR 5");
    EXPECT_EQ(h.display(), "0不能为除数5");
    h.run("back back");
    EXPECT_EQ(h.display(), "0不能为除");
}

}  // namespace
}  // namespace orvane::engine::testing
