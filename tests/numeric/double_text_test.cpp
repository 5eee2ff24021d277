#include "numeric/double_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orvane {
namespace {

struct DoubleTextCase {
    double value;
    std::string text;
    std::string plain;
};

class DoubleTextTest : public testing::TestWithParam<DoubleTextCase> {};

TEST_P(DoubleTextTest, FifteenSignificantDigits) {
    EXPECT_EQ(double_text(GetParam().value), GetParam().text);
    EXPECT_EQ(double_plain_text(GetParam().value), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Roots, DoubleTextTest,
    testing::Values(DoubleTextCase{std::sqrt(2.0), "1.4142135623731", "1.4142135623731"},
                    DoubleTextCase{4.0, "4", "4"},
                    DoubleTextCase{std::sqrt(0.000000001), "3.16227766016838E-05",
                                   "0.0000316227766016838"},
                    DoubleTextCase{0.0, "0", "0"}, DoubleTextCase{-0.0, "0", "0"}));

INSTANTIATE_TEST_SUITE_P(
    NotationBoundaries, DoubleTextTest,
    testing::Values(DoubleTextCase{1.0 / 3.0, "0.333333333333333", "0.333333333333333"},
                    DoubleTextCase{1.0 / 30.0, "0.0333333333333333", "0.0333333333333333"},
                    DoubleTextCase{1e15, "1E+15", "1000000000000000"},
                    DoubleTextCase{999999999999999.0, "999999999999999", "999999999999999"},
                    DoubleTextCase{1125899906842624.0, "1.12589990684262E+15", "1125899906842620"},
                    DoubleTextCase{0.0001, "0.0001", "0.0001"},
                    DoubleTextCase{0.00009999, "9.999E-05", "0.00009999"},
                    DoubleTextCase{1e-5, "1E-05", "0.00001"},
                    DoubleTextCase{1e100, "1E+100", "1" + std::string(100, '0')},
                    // Rounded to 15 digits first, then the notation is chosen.
                    DoubleTextCase{999999999999999.9, "1E+15", "1000000000000000"},
                    DoubleTextCase{0.000099999999999999999, "0.0001", "0.0001"},
                    DoubleTextCase{-2.5, "-2.5", "-2.5"},
                    DoubleTextCase{-1e-7, "-1E-07", "-0.0000001"}));

}  // namespace
}  // namespace orvane
