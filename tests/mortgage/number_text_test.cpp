#include "mortgage/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace m = orvane::mortgage;

namespace {

// Rows are named by their place in the table; a failure prints the row's input.
const auto kRowName = [](const auto& info) { return "Row" + std::to_string(info.index); };

struct NumberCase {
    std::string text;
    std::optional<double> expected;
};

class ReadNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumberTest, ReadsPlainDecimals) {
    const auto got = m::read_number(GetParam().text);
    ASSERT_EQ(got.has_value(), GetParam().expected.has_value()) << "'" << GetParam().text << "'";
    if (got) {
        EXPECT_EQ(*got, *GetParam().expected) << "'" << GetParam().text << "'";
    }
}

const NumberCase kNumberCases[] = {
    {"10", 10.0},
    {"0.5", 0.5},
    {".5", 0.5},
    {"5.", 5.0},
    {"  12.25  ", 12.25},
    {"+3", 3.0},
    {"-3.5", -3.5},
    {" -0", -0.0},
    {"1" + std::string(400, '0'), HUGE_VAL},
    {"0." + std::string(400, '0') + "1", 0.0},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"-", std::nullopt},
    {"+.", std::nullopt},
    {"abc", std::nullopt},
    {"1e3", std::nullopt},
    {"1,000", std::nullopt},
    {"1.2.3", std::nullopt},
    {"--1", std::nullopt},
    {"1 2", std::nullopt},
    {"１０", std::nullopt},
    {"0x10", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Numbers, ReadNumberTest, ::testing::ValuesIn(kNumberCases), kRowName);

}  // namespace
