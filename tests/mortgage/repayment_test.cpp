#include "mortgage/repayment.h"
#include "mortgage/loan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

namespace m = orvane::mortgage;

namespace orvane::mortgage {
// Readable failures: the four captions.
void PrintTo(const RepaymentResults& r, std::ostream* out) {
    *out << r.instalment_payment << " " << r.instalment_interest << " " << r.principal_payment
         << " " << r.principal_interest;
}
}  // namespace orvane::mortgage

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

const m::ValidationFailure kAmountNotPositive{"贷款金额必须大于零。", "提醒", m::Icon::exclamation,
                                              m::Field::amount};

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
    // A loan of nothing or less is refused, naming the amount.
    {"AmountZero", {"20", "6", "", "", "0"}, kAmountNotPositive},
    {"AmountNegative", {"20", "6", "", "", "-10"}, kAmountNotPositive},
    {"AmountNegativeZero", {"20", "6", "", "", "-0.0"}, kAmountNotPositive},
    {"RaisedWithEmptyFloat", {"20", "6", "上浮", "", "10"}, kNoFloat},
    {"LoweredWithEmptyFloat", {"20", "6", "下浮", "", "10"}, kNoFloat},
    {"RaisedWithLetters", {"20", "6", "上浮", "abc", "10"}, kBadFloat},
    {"LoweredWithPercentSign", {"20", "6", "下浮", "10%", "10"}, kBadFloat},
};

INSTANTIATE_TEST_SUITE_P(Checks, RepaymentFailureTest, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Loans as banks write them today ------------------------------------------------------

m::LoanInput lpr_loan(const char* years, const char* lpr, const char* points, const char* amount) {
    m::LoanInput in;
    in.years = years;
    in.rate.form = m::RateForm::lpr;
    in.rate.lpr = lpr;
    in.rate.basis_points = points;
    in.amount = amount;
    return in;
}

m::LoanInput base_loan(const char* years, const char* rate, const char* amount,
                       m::LoanKind kind = m::LoanKind::commercial) {
    m::LoanInput in = m::loan_input({years, rate, "", "", amount});
    in.kind = kind;
    return in;
}

// A combined loan: the whole loan (10,000 yuan), the fund part and its plain rate.
m::LoanInput combined(m::LoanInput in, const char* fund_amount, const char* fund_rate) {
    in.kind = m::LoanKind::combined;
    in.fund_amount = fund_amount;
    in.fund_rate.base_rate = fund_rate;
    return in;
}

m::LoanInput priced(m::LoanInput in, const char* price, const char* down) {
    in.from_price = true;
    in.price = price;
    in.down_percent = down;
    return in;
}

struct LoanCase {
    const char* name;
    m::LoanInput input;
    m::RepaymentResults expected;
    const char* down_payment;  // nullptr without a price
};

class LoanResultsTest : public ::testing::TestWithParam<LoanCase> {};

TEST_P(LoanResultsTest, WritesTheFourCaptions) {
    const auto& c = GetParam();
    const auto outcome = m::compute_loan(c.input);
    ASSERT_TRUE(std::holds_alternative<m::LoanResults>(outcome))
        << std::get<m::ValidationFailure>(outcome).message;
    const auto& got = std::get<m::LoanResults>(outcome);
    EXPECT_EQ(got.total, c.expected);
    if (c.down_payment == nullptr) {
        EXPECT_FALSE(got.down_payment);
    } else {
        ASSERT_TRUE(got.down_payment);
        EXPECT_EQ(*got.down_payment, c.down_payment);
    }
}

// Expected captions come from the closed forms in exact rational arithmetic (P the loan, r
// the monthly rate, n the months, s = P / n rounded half to even): payment P r g / (g - 1)
// with g = (1 + r)^n; its interest n x payment - P; first month P / n + P r; the whole-yuan
// share's interest r (n P - s n (n - 1) / 2). Combined sums are the parts' captions added.
const LoanCase kLoanCases[] = {
    // 3.95 less 20 points is 3.75 % on 1,000,000 yuan over 20 years.
    {"LprLessTwentyPoints",
     lpr_loan("20", "3.95", "-20", "100"),
     {"5928.88", "422931.96", "7291.67", "376532.62"},
     nullptr},
    // 3.6 plus 50 points is 4.1 % on 300,000 over 15 years.
    {"LprPlusFiftyPoints",
     lpr_loan("15", "3.6", "+50", "30"),
     {"2234.13", "102142.94", "2691.67", "92744.15"},
     nullptr},
    // 0.2 less 20 points is no interest: 100,000 over 120 months.
    {"LprDownToZero", lpr_loan("10", ".2", "-20", "10"), {"833.33", "0", "833.33", "0"}, nullptr},
    // A provident-fund loan alone: 500,000 at 2.85 % over 15 years.
    {"FundLoanAlone",
     base_loan("15", "2.85", "50", m::LoanKind::fund),
     {"3416.95", "115051.32", "3965.28", "107460.25"},
     nullptr},
    // 1,000,000 in all: 600,000 fund at 3.1 % (2562.1, 322355.42, 3216.67, 279719.36) and
    // 400,000 commercial at LPR 3.95 less 30 points (1829.84, 258741.77, 2327.78, 219630.17).
    {"CombinedSumsItsParts",
     combined(lpr_loan("30", "3.95", "-30", "100"), "60", "3.1"),
     {"4391.94", "581097.19", "5544.45", "499349.53"},
     nullptr},
    // Price 3,000,000 with 30 % down: 900,000 down, 2,100,000 at 4.2 % over 25 years.
    {"FromThePrice",
     priced(base_loan("25", "4.2", ""), "300", "30"),
     {"11317.79", "1295336.6", "14350", "1106175"},
     "900000"},
    // 1,234,500 x 35.5 % = 438,247.50 down; 796,252.50 at 3.5 % over 20 years.
    {"FromThePriceWithCents",
     priced(base_loan("20", "3.5", "ignored"), "123.45", "35.5"),
     {"4617.94", "312054", "5640.12", "279826.05"},
     "438247.5"},
    // No down payment: the loan is the price.
    {"FromThePriceNothingDown",
     priced(base_loan("15", "2.85", "", m::LoanKind::fund), "50", "0"),
     {"3416.95", "115051.32", "3965.28", "107460.25"},
     "0"},
    // A combined loan from the price: 2,100,000 less 600,000 fund leaves 1,500,000 commercial.
    {"CombinedFromThePrice",
     combined(priced(base_loan("30", "3.65", ""), "300", "30"), "60", "3.1"),
     // Commercial 1,500,000 at 3.65 %: 6861.89, 970281.63, 8729.17, 823465.73.
     {"9423.99", "1292637.05", "11945.84", "1103185.09"},
     "900000"},
};

INSTANTIATE_TEST_SUITE_P(Examples, LoanResultsTest, ::testing::ValuesIn(kLoanCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The LPR form is the base-rate form at LPR + points / 100, digit for digit.
TEST(LprForm, EqualsTheBaseRateItAddsUpTo) {
    const struct {
        const char* lpr;
        const char* points;
        const char* base;
    } rows[] = {{"4.2", "-50", "3.7"}, {"3.45", "0", "3.45"}, {"3.95", "1000", "13.95"},
                {"12", "-1000", "2"},  {"4.65", "+5", "4.7"}, {"3.1", "-310", "0"}};
    for (const auto& row : rows) {
        for (const char* years : {"5", "20", "30"}) {
            const auto lpr = m::compute_loan(lpr_loan(years, row.lpr, row.points, "87.65"));
            const auto base = m::compute_loan(base_loan(years, row.base, "87.65"));
            ASSERT_TRUE(std::holds_alternative<m::LoanResults>(lpr)) << row.lpr << row.points;
            EXPECT_EQ(std::get<m::LoanResults>(lpr).total, std::get<m::LoanResults>(base).total)
                << row.lpr << " " << row.points << " over " << years;
        }
    }
}

// A combined loan is its two parts computed alone, and its captions add the parts' cents.
TEST(CombinedLoan, EqualsItsPartsAndAddsTheirCents) {
    const struct {
        const char* years;
        const char* total;
        const char* fund;
        const char* fund_rate;
        const char* commercial_rate;
        const char* commercial;  // total - fund, as typed alone
    } rows[] = {{"30", "100", "60", "3.1", "3.65", "40"},
                {"25", "87.65", "12.345", "2.85", "4.2", "75.305"},
                {"5", "1", "0.99", "0", "6", "0.01"},
                {"10", "300", "120", "3.25", "5.88", "180"}};
    for (const auto& row : rows) {
        const auto outcome = m::compute_loan(combined(
            base_loan(row.years, row.commercial_rate, row.total), row.fund, row.fund_rate));
        ASSERT_TRUE(std::holds_alternative<m::LoanResults>(outcome)) << row.total;
        const auto& loan = std::get<m::LoanResults>(outcome);
        ASSERT_EQ(loan.parts.size(), 2u);
        EXPECT_EQ(loan.parts[0].kind, m::LoanKind::fund);
        EXPECT_EQ(loan.parts[1].kind, m::LoanKind::commercial);
        const auto fund = std::get<m::LoanResults>(
            m::compute_loan(base_loan(row.years, row.fund_rate, row.fund, m::LoanKind::fund)));
        const auto commercial = std::get<m::LoanResults>(
            m::compute_loan(base_loan(row.years, row.commercial_rate, row.commercial)));
        EXPECT_EQ(loan.parts[0].results, fund.total);
        EXPECT_EQ(loan.parts[1].results, commercial.total);
        // The sum in whole cents, independent of the code under test.
        const auto cents = [](const std::string& text) {
            return std::llround(std::stod(text) * 100);
        };
        const std::string m::RepaymentResults::*const fields[] = {
            &m::RepaymentResults::instalment_payment, &m::RepaymentResults::instalment_interest,
            &m::RepaymentResults::principal_payment, &m::RepaymentResults::principal_interest};
        for (const auto field : fields) {
            EXPECT_EQ(cents(loan.total.*field),
                      cents(fund.total.*field) + cents(commercial.total.*field))
                << row.total << ": " << loan.total.*field;
        }
    }
}

TEST(CaptionSum, AddsCentsAndRefusesWhatIsNoNumber) {
    EXPECT_EQ(m::caption_sum("716.43", "1000.57"), "1717");
    EXPECT_EQ(m::caption_sum("0.1", "0.2"), "0.3");
    EXPECT_EQ(m::caption_sum("60202.2", "0"), "60202.2");
    EXPECT_EQ(m::caption_sum("无法计算", "1"), "无法计算");
    EXPECT_EQ(m::caption_sum("", "1"), "无法计算");
}

struct LoanFailureCase {
    const char* name;
    m::LoanInput input;
    m::ValidationFailure expected;
};

class LoanFailureTest : public ::testing::TestWithParam<LoanFailureCase> {};

TEST_P(LoanFailureTest, StopsAtTheFirstFailingCheck) {
    const auto& c = GetParam();
    const auto outcome = m::compute_loan(c.input);
    ASSERT_TRUE(std::holds_alternative<m::ValidationFailure>(outcome));
    EXPECT_EQ(std::get<m::ValidationFailure>(outcome), c.expected);
}

m::ValidationFailure remind(const char* text, m::Field field) {
    return {text, "提醒", m::Icon::exclamation, field};
}

m::ValidationFailure critical(const char* text) {
    return {text, "关键性错误", m::Icon::critical, m::Field::unchanged};
}

const LoanFailureCase kLoanFailureCases[] = {
    {"NoTermFirst", lpr_loan("", "", "", ""), kNoTerm},
    {"NoLpr", lpr_loan("20", "", "-20", "10"),
     remind("请输入贷款市场报价利率（LPR）。", m::Field::lpr)},
    {"LprWithPercentSign", lpr_loan("20", "3.95%", "-20", "10"),
     critical("您输入的LPR似乎不正确，请检查后重新输入。")},
    {"NoPoints", lpr_loan("20", "3.95", "", "10"),
     remind("请输入加点数（以基点计，1个基点为0.01%，可为负数）。", m::Field::basis_points)},
    {"PointsWithAFraction", lpr_loan("20", "3.95", "-2.5", "10"),
     critical("您输入的加点数似乎不正确，请检查后重新输入。")},
    {"PointsOfALoneSign", lpr_loan("20", "3.95", "-", "10"),
     critical("您输入的加点数似乎不正确，请检查后重新输入。")},
    {"PointsBelowRange", lpr_loan("20", "30", "-1001", "10"),
     remind("加点数须在 -1000 到 1000 个基点之间。", m::Field::basis_points)},
    {"PointsAboveRange", lpr_loan("20", "3.95", "99999999999", "10"),
     remind("加点数须在 -1000 到 1000 个基点之间。", m::Field::basis_points)},
    {"NegativeRate", lpr_loan("20", "3.95", "-400", "10"),
     remind("LPR加点后的利率为负数，请检查LPR和加点数。", m::Field::basis_points)},
    {"LprAmountNegative", lpr_loan("20", "3.95", "-20", "-1"),
     remind("贷款金额必须大于零。", m::Field::amount)},
    {"FundLoanZero", base_loan("20", "3.1", "0", m::LoanKind::fund),
     remind("贷款金额必须大于零。", m::Field::amount)},
    {"CombinedNoFundRate", combined(base_loan("20", "4.2", "100"), "60", ""),
     remind("请输入公积金贷款利率。", m::Field::fund_rate)},
    {"CombinedBadFundRate", combined(base_loan("20", "4.2", "100"), "60", "3,1"),
     critical("您输入的公积金贷款利率似乎不正确，请检查后重新输入。")},
    // The fund part's rate as LPR plus points: its messages name the fund part.
    {"CombinedNoFundLpr",
     [] {
         auto in = combined(base_loan("20", "4.2", "100"), "60", "");
         in.fund_rate.form = m::RateForm::lpr;
         return in;
     }(),
     remind("请输入公积金贷款的贷款市场报价利率（LPR）。", m::Field::fund_lpr)},
    {"CombinedFundPointsOutOfRange",
     [] {
         auto in = combined(base_loan("20", "4.2", "100"), "60", "");
         in.fund_rate = {m::RateForm::lpr, "", "", "", "3.1", "2000"};
         return in;
     }(),
     remind("公积金贷款的加点数须在 -1000 到 1000 个基点之间。", m::Field::fund_basis_points)},
    {"CombinedNoFundAmount", combined(base_loan("20", "4.2", "100"), "", "3.1"),
     remind("请输入公积金贷款金额。", m::Field::fund_amount)},
    {"CombinedFundAmountNotANumber", combined(base_loan("20", "4.2", "100"), "sixty", "3.1"),
     remind("您输入的公积金贷款金额不是有效的数字，请检查后重新输入。", m::Field::fund_amount)},
    {"CombinedFundAmountNegative", combined(base_loan("20", "4.2", "100"), "-60", "3.1"),
     remind("公积金贷款金额必须大于零。", m::Field::fund_amount)},
    {"CombinedFundTakesItAll", combined(base_loan("20", "4.2", "60"), "60", "3.1"),
     remind("公积金贷款金额须小于贷款总额，其余部分为商业贷款。", m::Field::fund_amount)},
    {"NoPrice", priced(base_loan("20", "4.2", ""), "", "30"),
     remind("请输入房屋总价。", m::Field::price)},
    {"PriceNotANumber", priced(base_loan("20", "4.2", ""), "3百万", "30"),
     critical("您输入的房屋总价似乎不正确，请检查后重新输入。")},
    {"PriceZero", priced(base_loan("20", "4.2", ""), "0", "30"),
     remind("房屋总价必须大于零。", m::Field::price)},
    {"NoDown", priced(base_loan("20", "4.2", ""), "300", ""),
     remind("请输入首付比例。", m::Field::down_percent)},
    {"DownNotANumber", priced(base_loan("20", "4.2", ""), "300", "30%"),
     critical("您输入的首付比例似乎不正确，请检查后重新输入。")},
    {"DownNegative", priced(base_loan("20", "4.2", ""), "300", "-5"),
     remind("首付比例须不小于 0 且小于 100（%）。", m::Field::down_percent)},
    {"DownEverything", priced(base_loan("20", "4.2", ""), "300", "100"),
     remind("首付比例须不小于 0 且小于 100（%）。", m::Field::down_percent)},
    // A price of one cent with 60 % down: the down payment rounds to the cent, leaving nothing.
    {"LoanRoundsToNothing", priced(base_loan("20", "4.2", ""), "0.000001", "60"),
     remind("按房屋总价和首付比例算出的贷款金额为零，无需贷款。", m::Field::down_percent)},
};

INSTANTIATE_TEST_SUITE_P(Checks, LoanFailureTest, ::testing::ValuesIn(kLoanFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TermItems, AreFiveToThirtyInOrder) {
    const auto items = m::term_items();
    ASSERT_EQ(items.size(), 26u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i], std::to_string(5 + i));
    }
}

}  // namespace
