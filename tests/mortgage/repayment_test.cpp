#include "mortgage/repayment.h"

#include <gtest/gtest.h>

#include <variant>

namespace m = orvane::mortgage;

namespace {

struct ResultCase {
    const char* name;
    m::RepaymentInput input;
    m::RepaymentResults expected;
};

class RepaymentResultsTest : public ::testing::TestWithParam<ResultCase> {};

TEST_P(RepaymentResultsTest, WritesTheFourCaptions) {
    const auto& c = GetParam();
    const auto outcome = m::compute_repayment(c.input);
    ASSERT_TRUE(std::holds_alternative<m::RepaymentResults>(outcome))
        << std::get<m::ValidationFailure>(outcome).message;
    const auto& got = std::get<m::RepaymentResults>(outcome);
    EXPECT_EQ(got.instalment_payment, c.expected.instalment_payment);
    EXPECT_EQ(got.instalment_interest, c.expected.instalment_interest);
    EXPECT_EQ(got.principal_payment, c.expected.principal_payment);
    EXPECT_EQ(got.principal_interest, c.expected.principal_interest);
}

// Inputs are {years, base rate, direction, float, amount}.
const ResultCase kResultCases[] = {
    {"TwentyYearsAtSixPercent",
     {"20", "6", "", "", "10"},
     {"716.43", "71943.45", "916.67", "60202.2"}},
    {"RaisedByTenPercent",
     {"20", "6", "上浮", "10", "10"},
     {"751.47", "80353.3", "966.67", "66222.42"}},
    {"LoweredByFifteenPercent",
     {"20", "6", "下浮", "15", "10"},
     {"665.49", "59718.19", "841.67", "51171.87"}},
    // The blank direction ignores whatever the float box holds.
    {"BlankDirectionIgnoresFloatText",
     {"20", "6", "", "abc", "10"},
     {"716.43", "71943.45", "916.67", "60202.2"}},
    {"BlankDirectionIgnoresFloatNumber",
     {"20", "6", "", "50", "10"},
     {"716.43", "71943.45", "916.67", "60202.2"}},
    // Expected values below were worked out in exact rational arithmetic.
    // A leading point is a rate below one percent: 0.5 % a year over 10 years on 120,000.
    // Equal principal: 1000 + 50 the first month; interest 5 * (120 + 119 + ... + 1) / 12.
    {"LeadingPointRate", {"10", ".5", "", "", "12"}, {"1025.42", "3049.99", "1050", "3025"}},
    {"TrailingPointRate", {"10", "6.", "", "", "12"}, {"1332.25", "39869.52", "1600", "36300"}},
    // A zero monthly rate: no interest, the principal in equal monthly parts.
    {"ZeroBaseRate", {"20", "0", "", "", "10"}, {"416.67", "0", "416.67", "0"}},
    {"LoweredByAHundredPercent", {"5", "6", "下浮", "100", "3"}, {"500", "0", "500", "0"}},
    // A rate too small to change 1 + rate counts as zero instead of dividing 0 by 0.
    {"RateBelowDoublePrecision",
     {"5", "0.0000000000000000001", "", "", "3"},
     {"500", "0", "500", "0"}},
    // The whole-yuan share beyond 16 bits: 2,000,000 over 60 months is 33333 a month.
    {"ShareBeyondSixteenBits",
     {"5", "6", "", "", "200"},
     {"38665.6", "319936.18", "43333.33", "305002.95"}},
    // Spaces around the amount and a sign are still a number.
    {"AmountWithSpacesAndPlus",
     {"20", "6", "", "", " +10 "},
     {"716.43", "71943.45", "916.67", "60202.2"}},
    {"FloatWithSpaces",
     {"20", "6", "上浮", " 10", "10"},
     {"751.47", "80353.3", "966.67", "66222.42"}},
    // Overflow shows a clear text in place of a number.
    {"AmountBeyondDoubleRange",
     {"20", "6", "", "", "1" + std::string(400, '0')},
     {"无法计算", "无法计算", "无法计算", "无法计算"}},
};

INSTANTIATE_TEST_SUITE_P(Examples, RepaymentResultsTest, ::testing::ValuesIn(kResultCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    m::RepaymentInput input;
    m::ValidationFailure expected;
};

const m::ValidationFailure kNoTerm{"请选择贷款期限。", "提醒", m::Icon::exclamation,
                                   m::Field::years};
const m::ValidationFailure kNoRate{
    "请输入相应贷款的现行央行基准利率。请注意是基准利率，并注意是商业贷款还是公积金贷款。\r\n"
    "\r\n如果银行给您的利率有浮动，请在利率浮动里输入相应的浮动额。",
    "提醒", m::Icon::exclamation, m::Field::base_rate};
const m::ValidationFailure kBadRate{"您输入的基准利率似乎不正确，请检查后重新输入。", "关键性错误",
                                    m::Icon::critical, m::Field::unchanged};
const m::ValidationFailure kNoAmount{"请输入贷款金额。", "提醒", m::Icon::exclamation,
                                     m::Field::amount};
const m::ValidationFailure kBadAmount{"您输入的贷款金额不是有效的数字，请检查后重新输入。", "提醒",
                                      m::Icon::exclamation, m::Field::amount};
const m::ValidationFailure kNoFloat{"请输入利率浮动的百分比。", "提醒", m::Icon::exclamation,
                                    m::Field::rate_float};
const m::ValidationFailure kBadFloat{"您输入的利率浮动不是有效的数字，请检查后重新输入。", "提醒",
                                     m::Icon::exclamation, m::Field::rate_float};

class RepaymentFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RepaymentFailureTest, StopsAtTheFirstFailingCheck) {
    const auto& c = GetParam();
    const auto outcome = m::compute_repayment(c.input);
    ASSERT_TRUE(std::holds_alternative<m::ValidationFailure>(outcome));
    const auto& got = std::get<m::ValidationFailure>(outcome);
    EXPECT_EQ(got.message, c.expected.message);
    EXPECT_EQ(got.title, c.expected.title);
    EXPECT_EQ(got.icon, c.expected.icon);
    EXPECT_EQ(got.focus, c.expected.focus);
}

const FailureCase kFailureCases[] = {
    // Order of the checks: term, base rate empty, base rate characters, amount.
    {"EverythingEmpty", {"", "", "", "", ""}, kNoTerm},
    {"NoTermButAllElseValid", {"", "6", "", "", "10"}, kNoTerm},
    {"NoTermAndBadRate", {"", "x", "上浮", "", ""}, kNoTerm},
    {"TermOutsideTheList", {"40", "6", "", "", "10"}, kNoTerm},
    {"TermNotANumber", {"abc", "6", "", "", "10"}, kNoTerm},
    {"NoRateNoAmount", {"20", "", "", "", ""}, kNoRate},
    {"NoRate", {"20", "", "", "", "10"}, kNoRate},
    {"BadRateBeforeNoAmount", {"20", "6%", "", "", ""}, kBadRate},
    {"NoAmount", {"20", "6", "", "", ""}, kNoAmount},
    // The base-rate character scan.
    {"RateWithSecondPoint", {"20", "6.5.1", "", "", "10"}, kBadRate},
    {"RateWithPercentSign", {"20", "6%", "", "", "10"}, kBadRate},
    {"RateWithMinusSign", {"20", "-6", "", "", "10"}, kBadRate},
    {"RateWithPlusSign", {"20", "+6", "", "", "10"}, kBadRate},
    {"RateWithLeadingSpace", {"20", " 6", "", "", "10"}, kBadRate},
    {"RateOfOneSpace", {"20", " ", "", "", "10"}, kBadRate},
    {"RateWithFullWidthDigit", {"20", "６", "", "", "10"}, kBadRate},
    {"RateWithExponent", {"20", "6e1", "", "", "10"}, kBadRate},
    {"RateOfALonePoint", {"20", ".", "", "", "10"}, kBadRate},
    // Amount and float texts that are not numbers.
    {"AmountOfLetters", {"20", "6", "", "", "ten"}, kBadAmount},
    {"AmountOfSpaces", {"20", "6", "", "", "  "}, kBadAmount},
    {"AmountWithTwoPoints", {"20", "6", "", "", "1.2.3"}, kBadAmount},
    {"AmountOfALoneSign", {"20", "6", "", "", "-"}, kBadAmount},
    {"AmountWithThousandsSeparator", {"20", "6", "", "", "1,000"}, kBadAmount},
    {"BadAmountBeforeEmptyFloat", {"20", "6", "上浮", "", "x"}, kBadAmount},
    {"RaisedWithEmptyFloat", {"20", "6", "上浮", "", "10"}, kNoFloat},
    {"LoweredWithEmptyFloat", {"20", "6", "下浮", "", "10"}, kNoFloat},
    {"RaisedWithLetters", {"20", "6", "上浮", "abc", "10"}, kBadFloat},
    {"LoweredWithPercentSign", {"20", "6", "下浮", "10%", "10"}, kBadFloat},
};

INSTANTIATE_TEST_SUITE_P(Checks, RepaymentFailureTest, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TermItems, AreFiveToThirtyInOrder) {
    const auto items = m::term_items();
    ASSERT_EQ(items.size(), 26u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i], std::to_string(5 + i));
    }
}

}  // namespace
