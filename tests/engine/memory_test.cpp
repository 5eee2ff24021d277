// The memory keys and the grand total.
#include <gtest/gtest.h>

#include "calculator_harness.h"

namespace orvane::engine::testing {
namespace {

struct MemoryCase {
    std::string keys;
    std::string memory;
    std::string display;
};

void PrintTo(const MemoryCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class MemoryKeys : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryKeys, StoreAddRecallAndClear) {
    Harness h;
    h.run(GetParam().keys);
    EXPECT_EQ(h.controls().memory, GetParam().memory);
    EXPECT_EQ(h.display(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Memory, MemoryKeys,
    ::testing::Values(
        MemoryCase{"5 MS", "", "5"}, MemoryCase{"5 = MS", "5", "5"},
        MemoryCase{"2 * 3 = = MS", "", "18"}, MemoryCase{"5 = MS 3 M+", "8", "3"},
        MemoryCase{"5 = MS 3 M+ M+", "11", "3"}, MemoryCase{"7 M+", "", "7"},
        MemoryCase{"5 = MS AC MS", "", ""}, MemoryCase{"5 / 0 = MS", "0不能为除数", "0不能为除数"},
        MemoryCase{"5 = MS MC", "", "5"}, MemoryCase{"1 2 3 = MS AC 2 * MR =", "123", "246"},
        MemoryCase{"1 2 3 = MS 7 = MR =", "123", "123"}, MemoryCase{"5 = MS AC C 9 MR", "5", "5"},
        // MR with an empty memory only runs the leading-zero step.
        MemoryCase{"autoload=on tick:0123 MR", "", "123"}, MemoryCase{"4 MR", "", "4"},
        // M+ with a non-number on either side changes nothing.
        MemoryCase{"5 / 0 = MS 3 M+", "0不能为除数", "3"}, MemoryCase{"5 = MS AC M+", "5", ""}));

TEST(Memory, RecallAfterAnOperatorIsTheSecondOperand) {
    Harness h;
    h.run("4 = MS 1 0 - MR");
    EXPECT_TRUE(h.controls().entry_active);
    EXPECT_EQ(operator_symbol(h.controls().sign), "－");
    h.run("=");
    EXPECT_EQ(h.display(), "6");
}

struct GrandTotalCase {
    std::string keys;
    std::string display;
    std::string grand_total;
};

void PrintTo(const GrandTotalCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class GrandTotal : public ::testing::TestWithParam<GrandTotalCase> {};

TEST_P(GrandTotal, GrowsWithEveryEqualsAndRecallsAsAnEntry) {
    Harness h;
    h.run(GetParam().keys);
    EXPECT_EQ(h.display(), GetParam().display);
    EXPECT_EQ(h.controls().grand_total, GetParam().grand_total);
}

INSTANTIATE_TEST_SUITE_P(
    Memory, GrandTotal,
    ::testing::Values(GrandTotalCase{"2 + 3 = 4 * 5 = GT", "25", "25"},
                      GrandTotalCase{"2 + 3 = 4 * 5 = GT =", "25", "50"},
                      GrandTotalCase{"2 + 3 = 4 * 5 = GT + 1 =", "26", "51"},
                      GrandTotalCase{"GT", "0", "0"}, GrandTotalCase{"5 = AC GT", "0", "0"},
                      GrandTotalCase{"5 = C GT", "5", "5"},
                      GrandTotalCase{"1 / 3 = GT", "0.3333333333", "0.3333333333"},
                      // Longer than twelve characters: the fraction is cut, never a digit
                      // of the whole number.
                      GrandTotalCase{"1 / 3 = " + digits("123456789") + " = GT", "123456789.33",
                                     "123456789.3333333333"},
                      GrandTotalCase{digits("999999999999") + " = = GT", "1999999999998",
                                     "1999999999998"}));

TEST(GrandTotal, RecallStartsANewCalculationAfterAResult) {
    Harness h;
    h.run("2 + 3 = GT");
    EXPECT_EQ(h.calculator->accumulator_text(), "");
    EXPECT_EQ(operator_symbol(h.registers.pending_op), "");
    EXPECT_TRUE(h.controls().entry_active);
}

}  // namespace
}  // namespace orvane::engine::testing
