// The four operators and equals: left-to-right chains, repeated equals, division by zero
// and the grand-total update.
#include <gtest/gtest.h>

#include "calculator_harness.h"

namespace orvane::engine::testing {
namespace {

struct ChainCase {
    std::string keys;
    std::vector<std::string> shown;  // displays after the keys marked "@"
    std::string grand_total;
};

void PrintTo(const ChainCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class Chains : public ::testing::TestWithParam<ChainCase> {};

TEST_P(Chains, ShowResultsAndGrowTheGrandTotal) {
    Harness h;
    EXPECT_EQ(h.run(GetParam().keys), GetParam().shown);
    EXPECT_EQ(h.controls().grand_total, GetParam().grand_total);
}

INSTANTIATE_TEST_SUITE_P(
    LeftToRight, Chains,
    ::testing::Values(
        ChainCase{"5 + 3 *@ 2 =@", {"8", "16"}, "16"}, ChainCase{"5 + -@ 2 =@", {"5", "3"}, "3"},
        ChainCase{"2 * 3 =@ =@ =@", {"6", "18", "54"}, "78"},
        ChainCase{"1 0 - 3 =@ =@", {"7", "4"}, "11"}, ChainCase{"8 / 2 =@ =@", {"4", "2"}, "6"},
        ChainCase{"5 =@", {"5"}, "5"}, ChainCase{"5 =@ =@ =@", {"5", "5", "5"}, "15"},
        ChainCase{"6 + =@", {"6"}, "6"}, ChainCase{"1 + 2 +@ =@ =@", {"3", "3", "5"}, "8"},
        ChainCase{"2 * 3 =@ + 4 =@", {"6", "10"}, "16"},
        ChainCase{"2 * 3 =@ 4 + 1 =@", {"6", "5"}, "11"},
        ChainCase{"0 . 1 + 0 . 2 =@", {"0.3"}, "0.3"}, ChainCase{"2 * 3 = = + 2 =@", {"20"}, "44"},
        ChainCase{"2 + 3 = sign +@ 1 =@", {"-5", "6"}, "11"}, ChainCase{"+@ 5 =@", {"", "5"}, "5"},
        ChainCase{"5 AC +@", {""}, "0"}, ChainCase{". =@", {"0."}, "0"},
        ChainCase{"=@ =@", {"", ""}, "0"}));

INSTANTIATE_TEST_SUITE_P(DivisionByZero, Chains,
                         ::testing::Values(ChainCase{"5 / 0 =@", {"0不能为除数"}, "0"},
                                           ChainCase{"5 / 0 +@", {"0不能为除数"}, "0"},
                                           ChainCase{"5 / 0 = =@", {"0不能为除数"}, "0"},
                                           ChainCase{"5 / 0 + 7@", {"7"}, "0"},
                                           ChainCase{"5 / 0 . 0 =@", {"0不能为除数"}, "0"}));

TEST(Operators, DivisionByZeroEmptiesOperandsAndIndicator) {
    Harness h;
    h.run("9 + 1 = 5 / 0 +");
    EXPECT_EQ(h.display(), kDivideByZeroText);
    EXPECT_EQ(h.calculator->accumulator_text(), "");
    EXPECT_EQ(h.registers.operand, "");
    EXPECT_EQ(operator_symbol(h.registers.pending_op), "÷");  // kept
    EXPECT_EQ(h.registers.last_operand, "5");                 // from the ÷ key
    EXPECT_EQ(operator_symbol(h.controls().sign), "");
    EXPECT_FALSE(h.controls().sign_visible);
    EXPECT_FALSE(h.controls().entry_active);
    EXPECT_FALSE(h.registers.result_shown);
    EXPECT_EQ(h.controls().grand_total, "10");
}

TEST(Operators, OneThirdKeepsItsFullPrecisionInTheChain) {
    Harness h;
    h.run("1 / 3 =");
    EXPECT_EQ(h.display(), "0.3333333333");
    EXPECT_EQ(h.calculator->accumulator_text(), "0.3333333333333333333333333333");
    h.run("* 3 =");
    EXPECT_EQ(h.calculator->accumulator_text(), "0.9999999999999999999999999999");
    EXPECT_EQ(h.display(), "0.9999999999");
}

struct RegisterCase {
    std::string keys;
    std::string accumulator;
    std::string pending_op;
    std::string operand;
    std::string last_operand;
    bool entry_active;
    bool result_shown;
    std::string sign;  // shown indicator, "" when hidden
};

void PrintTo(const RegisterCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class RegisterEffects : public ::testing::TestWithParam<RegisterCase> {};

TEST_P(RegisterEffects, MatchTheOperatorRules) {
    Harness h;
    h.run(GetParam().keys);
    const auto& c = GetParam();
    EXPECT_EQ(h.calculator->accumulator_text(), c.accumulator);
    EXPECT_EQ(operator_symbol(h.registers.pending_op), c.pending_op);
    EXPECT_EQ(h.registers.operand, c.operand);
    EXPECT_EQ(h.registers.last_operand, c.last_operand);
    EXPECT_EQ(h.controls().entry_active, c.entry_active);
    EXPECT_EQ(h.registers.result_shown, c.result_shown);
    EXPECT_EQ(h.controls().sign_visible ? operator_symbol(h.controls().sign) : std::string_view(),
              c.sign);
    EXPECT_EQ(h.controls().sign_visible, !c.sign.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Operators, RegisterEffects,
    ::testing::Values(
        RegisterCase{"5", "", "", "", "", true, false, ""},
        RegisterCase{"5 +", "5", "", "", "5", false, false, "＋"},
        RegisterCase{"5 + 3", "5", "", "", "5", true, false, "＋"},
        RegisterCase{"5 + 3 *", "8", "＋", "", "3", false, false, "×"},
        RegisterCase{"5 + 3 =", "8", "＋", "", "3", false, true, ""},
        RegisterCase{"5 + 3 = =", "11", "＋", "", "3", true, true, ""},
        // After a repeat the result is an entry: + takes it as operand, computes nothing.
        RegisterCase{"5 + 3 = = +", "11", "", "", "11", false, false, "＋"},
        RegisterCase{"5 + +", "5", "", "", "5", false, false, "＋"},
        RegisterCase{"5 + 3 C =", "5", "＋", "", "", false, false, ""},
        RegisterCase{"5 + C =", "", "", "", "5", false, false, ""},
        RegisterCase{"+", "", "", "", "", false, false, ""}));

TEST(Operators, RepeatAfterASwitchAwayAndBackUsesTheKeptRegisters) {
    Harness h;
    h.run("2 + 3 = reload");
    EXPECT_EQ(h.display(), "");
    h.run("=");
    EXPECT_EQ(h.display(), "8");
    EXPECT_EQ(h.controls().grand_total, "8");
}

TEST(Operators, OperatorAndEqualsUntickCaptureOnlyWithANonEmptyDisplay) {
    struct Row {
        std::string keys;
        bool autoload_after;
    };
    const Row rows[] = {
        {"autoload=on +", true},         {"autoload=on =", true},
        {"autoload=on tick:5 +", false}, {"autoload=on tick:5 =", false},
        {"5 autoload=on +", false},      {"5 = autoload=on =", true},  // a repeat keeps it
    };
    for (const auto& row : rows) {
        Harness h;
        h.run(row.keys);
        EXPECT_EQ(h.controls().autoload, row.autoload_after) << row.keys;
        EXPECT_EQ(h.recorder.timer_running, row.autoload_after) << row.keys;
    }
}

}  // namespace
}  // namespace orvane::engine::testing
