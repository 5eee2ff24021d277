#include "mortgage/result_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Rows are named by their place in the table; a failure prints the row's input.
const auto kRowName = [](const auto& info) { return "Row" + std::to_string(info.index); };

struct TextCase {
    double value;
    const char* expected;
};

class ResultTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ResultTextTest, RoundsToHundredthsAndDropsTrailingZeros) {
    EXPECT_EQ(orvane::mortgage::result_text(GetParam().value), GetParam().expected)
        << "value " << GetParam().value;
}

const TextCase kPlainCases[] = {
    {716.431, "716.43"},   {60202.2, "60202.2"},
    {1000.0, "1000"},      {0.999, "1"},
    {-716.431, "-716.43"}, {71943.4549, "71943.45"},
    {0.1 + 0.2, "0.3"},    {0.0, "0"},
    {-0.0, "0"},           {-0.001, "0"},
    {0.004999, "0"},       {1e-300, "0"},
};
INSTANTIATE_TEST_SUITE_P(Plain, ResultTextTest, ::testing::ValuesIn(kPlainCases), kRowName);

// Ties go to the even hundredth, judged on the 15 digits a user would see.
const TextCase kTieCases[] = {
    {0.125, "0.12"},
    {0.375, "0.38"},
    {1.015, "1.02"},
    {1.025, "1.02"},
    {2.675, "2.68"},
    {0.005, "0"},
    {0.015, "0.02"},
    {99.995, "100"},
    {-2.675, "-2.68"},
    {-0.125, "-0.12"},
    {123456789012.345, "123456789012.34"},
};
INSTANTIATE_TEST_SUITE_P(Ties, ResultTextTest, ::testing::ValuesIn(kTieCases), kRowName);

// Beyond 13 whole digits the 15 significant digits leave nothing to round.
const TextCase kLargeCases[] = {
    {1234567890123.45, "1234567890123.45"},
    {12345678901234.56, "12345678901234.6"},
    {1e15, "1E+15"},
    {-2.5e20, "-2.5E+20"},
};
INSTANTIATE_TEST_SUITE_P(Large, ResultTextTest, ::testing::ValuesIn(kLargeCases), kRowName);

TEST(ResultText, NotFiniteIsEmpty) {
    EXPECT_EQ(orvane::mortgage::result_text(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(orvane::mortgage::result_text(-std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(orvane::mortgage::result_text(std::numeric_limits<double>::quiet_NaN()), "");
}

}  // namespace
