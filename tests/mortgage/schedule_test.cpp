#include "mortgage/schedule.h"
#include "mortgage/axis_scale.h"
#include "mortgage/loan_plan.h"
#include "mortgage/schedule_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <variant>

namespace m = orvane::mortgage;

namespace {

m::LoanTerms terms_of(const m::RepaymentInput& input) {
    const auto outcome = m::loan_terms(input);
    if (!std::holds_alternative<m::LoanTerms>(outcome)) {
        ADD_FAILURE() << "no terms for " << input.years << "/" << input.base_rate << "/"
                      << input.amount;
        return {};
    }
    return std::get<m::LoanTerms>(outcome);
}

std::int64_t caption_cents(const std::string& caption) {
    const auto cents = m::parse_cents(caption);
    EXPECT_TRUE(cents.has_value()) << caption;
    return cents.value_or(0);
}

struct LoanCase {
    const char* name;
    m::RepaymentInput input;
    std::int64_t loan;   // cents
    std::int64_t share;  // whole-yuan share of equal principal, cents
};

class PlanInvariantsTest : public ::testing::TestWithParam<LoanCase> {};

// Every row balances, the principal repays the loan exactly, the plan ends at zero, each
// scheme keeps its constant (payment or share), and the interest agrees with the caption.
TEST_P(PlanInvariantsTest, BothSchemes) {
    const auto& c = GetParam();
    const auto terms = terms_of(c.input);
    const auto captions = std::get<m::RepaymentResults>(m::compute_repayment(c.input));
    ASSERT_EQ(terms.loan, c.loan);
    ASSERT_EQ(terms.principal_share, c.share);
    EXPECT_EQ(terms.instalment_payment, caption_cents(captions.instalment_payment));

    for (const auto scheme : {m::Scheme::equal_instalment, m::Scheme::equal_principal}) {
        SCOPED_TRACE(scheme == m::Scheme::equal_instalment ? "equal instalment" : "principal");
        const auto plan = m::make_plan(terms, scheme);
        ASSERT_TRUE(plan);
        ASSERT_EQ(static_cast<int>(plan->rows.size()), terms.months);
        std::int64_t owed = terms.loan;
        for (const auto& row : plan->rows) {
            ASSERT_EQ(row.payment, row.principal + row.interest) << "month " << row.month;
            ASSERT_GE(row.principal, 0) << "month " << row.month;
            owed -= row.principal;
            ASSERT_EQ(row.balance, owed) << "month " << row.month;
            if (row.month < terms.months) {
                if (scheme == m::Scheme::equal_instalment) {
                    ASSERT_EQ(row.payment, terms.instalment_payment) << "month " << row.month;
                } else {
                    ASSERT_EQ(row.principal, terms.principal_share) << "month " << row.month;
                }
            }
        }
        EXPECT_EQ(plan->rows.back().balance, 0);
        const auto totals = plan->totals();
        EXPECT_EQ(totals.principal, terms.loan);
        EXPECT_EQ(totals.payment, totals.principal + totals.interest);
        const auto& caption = scheme == m::Scheme::equal_instalment ? captions.instalment_interest
                                                                    : captions.principal_interest;
        // Equal instalments pay the caption's payment, rounded to the cent; paying d yuan more
        // a month shifts the total by d * (n - S), S = ((1 + r)^n - 1) / r, which on a long
        // loan can pass one yuan. Beyond that the cent rounding of the interest stays in a yuan.
        double allowed = 100;
        if (scheme == m::Scheme::equal_instalment && terms.monthly_rate.to_double() > 0) {
            const double r = terms.monthly_rate.to_double();
            const double growth = std::pow(1 + r, terms.months);
            const double exact = static_cast<double>(terms.loan) * r * growth / (growth - 1);
            const double annuity_factor = (growth - 1) / r;
            allowed += std::fabs(static_cast<double>(terms.instalment_payment) - exact) *
                       std::fabs(terms.months - annuity_factor);
        }
        EXPECT_LE(std::fabs(static_cast<double>(totals.interest - caption_cents(caption))), allowed)
            << "interest " << m::cents_text(totals.interest) << " vs caption " << caption;
    }
}

// Inputs are {years, base rate, direction, float, amount in 10,000 yuan}.
const LoanCase kLoanCases[] = {
    {"TwentyYearsAtSixPercent", {"20", "6", "", "", "10"}, 10'000'000, 41'700},
    {"RaisedByTenPercent", {"20", "6", "上浮", "10", "10"}, 10'000'000, 41'700},
    {"LoweredByFifteenPercent", {"20", "6", "下浮", "15", "10"}, 10'000'000, 41'700},
    {"ZeroRate", {"30", "0", "", "", "10"}, 10'000'000, 27'800},
    {"LoweredByAHundredPercent", {"10", "5", "下浮", "100", "3"}, 3'000'000, 25'000},
    {"ThirtyYearsLarge", {"30", "4.9", "", "", "150"}, 150'000'000, 416'700},
    {"ThirtyYearsCentsInAmount", {"30", "3.25", "", "", "87.654321"}, 87'654'321, 243'500},
    // 10292.13 against 10292.1266...: the interest sums to 1575163.54, 1.57 below L_LX1.
    {"ThirtyYearsPaymentRoundedUp", {"30", "4.1", "", "", "213"}, 213'000'000, 591'700},
    {"FiveYearsSmall", {"5", "4.75", "", "", "0.5"}, 500'000, 8'300},
    {"ShareBeyondSixteenBits", {"5", "4", "", "", "200"}, 200'000'000, 3'333'300},
};

INSTANTIATE_TEST_SUITE_P(Loans, PlanInvariantsTest, ::testing::ValuesIn(kLoanCases),
                         [](const auto& info) { return info.param.name; });

// Hand-checked rows of the first worked example (100,000 yuan, 20 years, 0.5 % a month).
TEST(PlanRows, HandChecked) {
    const auto terms = terms_of({"20", "6", "", "", "10"});
    const auto instalments = *m::make_plan(terms, m::Scheme::equal_instalment);
    // 500.00 interest; 716.43 - 500.00 = 216.43; then 99783.57 * 0.005 = 498.91785 -> 498.92.
    EXPECT_EQ(instalments.rows[0], (m::ScheduleRow{1, 71643, 21643, 50000, 9978357}));
    EXPECT_EQ(instalments.rows[1], (m::ScheduleRow{2, 71643, 21751, 49892, 9956606}));

    const auto principal = *m::make_plan(terms, m::Scheme::equal_principal);
    // The first month repays the whole-yuan share 417, one yuan's worth above 416.67 less.
    EXPECT_EQ(principal.rows[0], (m::ScheduleRow{1, 91700, 41700, 50000, 9958300}));
    // Month 240 owes 100000 - 239 * 417 = 337.00; 337 * 0.005 = 1.685 is a tie -> 1.68.
    EXPECT_EQ(principal.rows[239], (m::ScheduleRow{240, 33868, 33700, 168, 0}));
}

// A one-month loan, built directly (the term list starts at five years).
TEST(PlanRows, OneMonth) {
    m::LoanTerms terms{100'000, *orvane::Decimal::parse("0.01"), 1, 101'000, 100'000};
    for (const auto scheme : {m::Scheme::equal_instalment, m::Scheme::equal_principal}) {
        const auto plan = *m::make_plan(terms, scheme);
        ASSERT_EQ(plan.rows.size(), 1u);
        EXPECT_EQ(plan.rows[0], (m::ScheduleRow{1, 101'000, 100'000, 1'000, 0}));
        const auto prepaid = *m::make_plan(terms, scheme, {50'000, 1, m::PrepayMode::shorten});
        EXPECT_EQ(prepaid.rows, plan.rows);
        EXPECT_EQ(prepaid.prepaid, 0);
    }
    // A share or payment above the loan repays only the loan.
    terms.months = 3;
    terms.principal_share = 150'000;
    const auto plan = *m::make_plan(terms, m::Scheme::equal_principal);
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_EQ(plan.rows[0], (m::ScheduleRow{1, 101'000, 100'000, 1'000, 0}));
}

// --- Early repayment ------------------------------------------------------------------

const m::RepaymentInput kExample{"20", "6", "", "", "10"};
constexpr double kRate = 0.005;

struct PrepayCase {
    const char* name;
    m::Scheme scheme;
    m::Prepayment prepay;
    std::int64_t applied;       // cents
    int rows;                   // months of the plan with the early repayment
    std::int64_t next_payment;  // the regular payment (instalments) or principal (share) after it
};

class PrepayTest : public ::testing::TestWithParam<PrepayCase> {};

TEST_P(PrepayTest, PlanAndSavings) {
    const auto& c = GetParam();
    const auto terms = terms_of(kExample);
    const auto without = *m::make_plan(terms, c.scheme);
    const auto with = m::make_plan(terms, c.scheme, c.prepay);
    ASSERT_TRUE(with);
    EXPECT_EQ(with->prepaid, c.applied);
    ASSERT_EQ(static_cast<int>(with->rows.size()), c.rows);

    std::int64_t owed = terms.loan;
    for (const auto& row : with->rows) {
        ASSERT_EQ(row.payment, row.principal + row.interest);
        owed -= row.principal;
        ASSERT_EQ(row.balance, owed);
    }
    EXPECT_EQ(with->rows.back().balance, 0);
    // The months before the early repayment are those of the plan without it.
    for (int i = 0; i + 1 < c.prepay.month; ++i) {
        ASSERT_EQ(with->rows[i], without.rows[i]);
    }
    const auto& at = with->rows[c.prepay.month - 1];
    EXPECT_EQ(at.principal, without.rows[c.prepay.month - 1].principal + c.applied);
    if (c.rows > c.prepay.month + 1) {
        const auto& next = with->rows[c.prepay.month];
        EXPECT_EQ(c.scheme == m::Scheme::equal_instalment ? next.payment : next.principal,
                  c.next_payment);
    }
    const auto saved = m::savings(without, *with);
    EXPECT_EQ(saved.applied, c.applied);
    EXPECT_EQ(saved.months, terms.months - c.rows);
    EXPECT_EQ(saved.interest, without.totals().interest - with->totals().interest);
    EXPECT_GE(saved.interest, 0);
}

using M = m::PrepayMode;
using S = m::Scheme;
// Balance after month 12 of equal instalments: 100000 * 1.005^12 - 716.43 * (1.005^12 - 1) /
// 0.005 = 97,330.21 (the plan's cent rounding agrees); less 20,000 leaves 77,330.21.
// Shorten: n = ceil(-ln(1 - 77330.21 * 0.005 / 716.43) / ln 1.005) = ceil(155.56) = 156 more.
// Reduce: 77330.21 * 0.005 * 1.005^228 / (1.005^228 - 1) = 569.2146 over the 228 months left.
// Equal principal after month 12: 100000 - 12 * 417 - 20000 = 74,996: shorten takes
// ceil(74996 / 417) = 180 more months; reduce shares round(74996 / 228) = 329 yuan.
const PrepayCase kPrepayCases[] = {
    {"InstalmentsShorten", S::equal_instalment, {2'000'000, 12, M::shorten}, 2'000'000, 168, 71643},
    {"InstalmentsReduce", S::equal_instalment, {2'000'000, 12, M::reduce}, 2'000'000, 240, 56921},
    {"PrincipalShorten", S::equal_principal, {2'000'000, 12, M::shorten}, 2'000'000, 192, 41700},
    {"PrincipalReduce", S::equal_principal, {2'000'000, 12, M::reduce}, 2'000'000, 240, 32900},
    // First month: 100000 - 216.43 - 50000 = 49783.57 left: 49783.57 * 0.005 / 716.43 ...
    // n = ceil(-ln(1 - 49783.57 * 0.005 / 716.43) / ln 1.005) = ceil(85.58) = 86 more months.
    {"FirstMonthShorten", S::equal_instalment, {5'000'000, 1, M::shorten}, 5'000'000, 87, 71643},
    // The last month owes nothing after its payment: nothing is applied.
    {"LastMonth", S::equal_instalment, {100'000, 240, M::shorten}, 0, 240, 0},
    {"LastMonthPrincipal", S::equal_principal, {100'000, 240, M::reduce}, 0, 240, 0},
    // More than is owed pays off the balance after the month's payment: 97,330.21.
    {"LargerThanBalance", S::equal_instalment, {20'000'000, 12, M::reduce}, 9'733'021, 12, 0},
    {"LargerThanBalancePrincipal",
     S::equal_principal,
     {20'000'000, 12, M::shorten},
     9'499'600,
     12,
     0},
};

INSTANTIATE_TEST_SUITE_P(EarlyRepayment, PrepayTest, ::testing::ValuesIn(kPrepayCases),
                         [](const auto& info) { return info.param.name; });

// The interest saved against closed forms of the interest that remains.
TEST(PrepaySavings, ClosedForms) {
    const auto terms = terms_of(kExample);
    // Equal principal, shorten: the balance falls by 417 a month from 74,996 for 180 months.
    {
        const auto with = *m::make_plan(terms, S::equal_principal, {2'000'000, 12, M::shorten});
        double interest = 0;
        for (int k = 0; k < 12; ++k) {
            interest += (100000.0 - k * 417) * kRate;
        }
        for (int j = 0; j < 180; ++j) {
            interest += std::max(74996.0 - j * 417, 0.0) * kRate;
        }
        EXPECT_NEAR(with.totals().interest / 100.0, interest, 1.0);
    }
    // Equal instalments, reduce: 227 payments of 569.21, then the last month clears what the
    // annuity formula leaves, B * 1.005^227 - 569.21 * (1.005^227 - 1) / 0.005, with its interest.
    {
        const auto with = *m::make_plan(terms, S::equal_instalment, {2'000'000, 12, M::reduce});
        const double before = 12 * 716.43 - (100000.0 - 97330.21);
        const double growth = std::pow(1 + kRate, 227);
        const double last = (77330.21 * growth - 569.21 * (growth - 1) / kRate) * (1 + kRate);
        const double after = 227 * 569.21 + last - 77330.21;
        EXPECT_NEAR(with.totals().interest / 100.0, before + after, 1.0);
    }
}

TEST(PrepayBounds, MonthOutsideThePlan) {
    const auto terms = terms_of(kExample);
    EXPECT_FALSE(m::make_plan(terms, S::equal_instalment, {100, 0, M::shorten}));
    EXPECT_FALSE(m::make_plan(terms, S::equal_instalment, {100, 241, M::shorten}));
    EXPECT_FALSE(m::make_plan(terms, S::equal_principal, {-1, 5, M::reduce}));
}

TEST(LoanTerms, Failures) {
    for (const m::RepaymentInput& input : std::initializer_list<m::RepaymentInput>{
             {"", "6", "", "", "10"}, {"20", "6", "", "", "-10"}, {"20", "6", "", "", "0"}}) {
        EXPECT_TRUE(std::holds_alternative<m::ValidationFailure>(m::loan_terms(input)))
            << input.amount;
    }
    for (const m::RepaymentInput& input : std::initializer_list<m::RepaymentInput>{
             {"20", "6", "下浮", "150", "10"},
             {"20", "6", "", "", "200000000"},
         }) {
        EXPECT_TRUE(std::holds_alternative<m::PlanFailure>(m::loan_terms(input))) << input.amount;
    }
}

// --- Loans of several parts ---------------------------------------------------------------

// 1,000,000 in all: 600,000 provident fund at 3.1 %, the rest commercial at LPR 3.95 - 30 bp.
m::LoanInput combined_loan(const char* years) {
    m::LoanInput in;
    in.years = years;
    in.kind = m::LoanKind::combined;
    in.rate.form = m::RateForm::lpr;
    in.rate.lpr = "3.95";
    in.rate.basis_points = "-30";
    in.amount = "100";
    in.fund_amount = "60";
    in.fund_rate.base_rate = "3.1";
    return in;
}

std::vector<m::PartTerms> parts_of(const m::LoanInput& input) {
    auto outcome = m::loan_part_terms(input);
    if (!std::holds_alternative<std::vector<m::PartTerms>>(outcome)) {
        ADD_FAILURE() << "no terms";
        return {};
    }
    return std::get<std::vector<m::PartTerms>>(outcome);
}

struct CombinedCase {
    const char* name;
    const char* years;
    std::optional<m::Prepayment> prepay;
    m::LoanKind prepay_part;
};

class CombinedPlanTest : public ::testing::TestWithParam<CombinedCase> {};

// Every row of the sum balances and is the sum of the parts' rows of that month; the
// principal repays the whole loan and the plan ends at 0.00; a part that has ended adds
// nothing; an early repayment changes only the part it goes to.
TEST_P(CombinedPlanTest, SumIsThePartsMonthByMonth) {
    const auto& c = GetParam();
    const auto parts = parts_of(combined_loan(c.years));
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].terms.loan, 60'000'000);
    EXPECT_EQ(parts[1].terms.loan, 40'000'000);
    for (const auto scheme : {m::Scheme::equal_instalment, m::Scheme::equal_principal}) {
        SCOPED_TRACE(scheme == m::Scheme::equal_instalment ? "equal instalment" : "principal");
        const auto loan = m::make_loan_plan(parts, scheme, c.prepay, c.prepay_part);
        ASSERT_TRUE(loan);
        ASSERT_EQ(loan->parts.size(), 2u);
        std::int64_t owed = 100'000'000;
        for (std::size_t i = 0; i < loan->total.rows.size(); ++i) {
            const auto& row = loan->total.rows[i];
            ASSERT_EQ(row.month, static_cast<int>(i) + 1);
            ASSERT_EQ(row.payment, row.principal + row.interest) << "month " << row.month;
            owed -= row.principal;
            ASSERT_EQ(row.balance, owed) << "month " << row.month;
            m::ScheduleRow sum{row.month};
            for (const auto& part : loan->parts) {
                if (i < part.plan.rows.size()) {
                    sum.payment += part.plan.rows[i].payment;
                    sum.principal += part.plan.rows[i].principal;
                    sum.interest += part.plan.rows[i].interest;
                    sum.balance += part.plan.rows[i].balance;
                }
            }
            ASSERT_EQ(row, sum);
        }
        EXPECT_EQ(loan->total.rows.back().balance, 0);
        EXPECT_EQ(loan->total.totals().principal, 100'000'000);
        std::int64_t prepaid = 0;
        for (const auto& part : loan->parts) {
            const auto& terms = part.kind == m::LoanKind::fund ? parts[0].terms : parts[1].terms;
            const bool target = c.prepay && part.kind == c.prepay_part;
            const auto alone =
                target ? m::make_plan(terms, scheme, *c.prepay) : m::make_plan(terms, scheme);
            EXPECT_EQ(part.plan.rows, alone->rows);
            EXPECT_EQ(part.plan.prepaid, target ? alone->prepaid : 0);
            prepaid += alone->prepaid;
        }
        // What the part still owed caps the early repayment.
        EXPECT_EQ(loan->total.prepaid, prepaid);
        EXPECT_LE(prepaid, c.prepay ? c.prepay->amount : 0);
    }
}

const CombinedCase kCombinedCases[] = {
    {"ThirtyYears", "30", std::nullopt, m::LoanKind::commercial},
    {"FiveYears", "5", std::nullopt, m::LoanKind::commercial},
    {"PrepayCommercialShorten", "30", m::Prepayment{10'000'000, 24, m::PrepayMode::shorten},
     m::LoanKind::commercial},
    {"PrepayFundReduce", "30", m::Prepayment{10'000'000, 24, m::PrepayMode::reduce},
     m::LoanKind::fund},
    // The commercial part repaid at once: the fund part runs on alone.
    {"PrepayAllOfThePart", "20", m::Prepayment{39'000'000, 12, m::PrepayMode::shorten},
     m::LoanKind::commercial},
};

INSTANTIATE_TEST_SUITE_P(Combined, CombinedPlanTest, ::testing::ValuesIn(kCombinedCases),
                         [](const auto& info) { return info.param.name; });

TEST(CombinedPlan, PrepaidPartEndsEarlyAndTheSumRunsOn) {
    const auto parts = parts_of(combined_loan("20"));
    const auto loan = m::make_loan_plan(parts, m::Scheme::equal_instalment,
                                        m::Prepayment{39'000'000, 12, m::PrepayMode::shorten},
                                        m::LoanKind::commercial);
    ASSERT_TRUE(loan);
    EXPECT_LT(loan->parts[1].plan.rows.size(), 240u);
    EXPECT_EQ(loan->parts[0].plan.rows.size(), 240u);
    EXPECT_EQ(loan->total.rows.size(), 240u);
    // A one-part loan takes its early repayment whatever part is named.
    const auto single = parts_of(m::loan_input({"20", "6", "", "", "10"}));
    const auto plan =
        m::make_loan_plan(single, m::Scheme::equal_instalment,
                          m::Prepayment{2'000'000, 12, m::PrepayMode::shorten}, m::LoanKind::fund);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->total.rows.size(), 168u);
}

TEST(CombinedPlan, CsvHasThePartColumns) {
    m::Plan fund{m::Scheme::equal_instalment, {{1, 300, 200, 100, 800}, {2, 900, 800, 100, 0}}};
    m::Plan commercial{m::Scheme::equal_instalment, {{1, 1500, 1000, 500, 0}}};
    const m::LoanPlan loan{
        m::sum_of({{m::LoanKind::fund, fund}, {m::LoanKind::commercial, commercial}}),
        {{m::LoanKind::fund, fund}, {m::LoanKind::commercial, commercial}}};
    EXPECT_EQ(m::loan_schedule_csv({loan}, m::CsvStyle::terminal),
              "scheme,month,payment,principal,interest,balance,fund_payment,fund_principal,"
              "fund_interest,fund_balance,commercial_payment,commercial_principal,"
              "commercial_interest,commercial_balance\n"
              "equal_instalment,1,18.00,12.00,6.00,8.00,3.00,2.00,1.00,8.00,15.00,10.00,5.00,0.00\n"
              "equal_instalment,2,9.00,8.00,1.00,0.00,9.00,8.00,1.00,0.00,0.00,0.00,0.00,0.00\n");
    EXPECT_TRUE(m::loan_schedule_csv({loan}, m::CsvStyle::spreadsheet)
                    .starts_with("\xEF\xBB\xBF还款方式,期数,月供,本金,利息,剩余本金,公积金月供,"
                                 "公积金本金,公积金利息,公积金剩余本金,商业月供,商业本金,商业利息,"
                                 "商业剩余本金\r\n"));
}

// Chart axes: short labels that differ from each other, the unit keeping the numbers small.
TEST(AxisScale, ShortDistinctLabels) {
    const struct {
        double largest;  // yuan
        const char* unit;
        double upper;
        int decimals;
    } rows[] = {
        {1.0, "元", 1.0, 1},            // a one-yuan loan: 0.0 0.2 ... 1.0, not all "0.0"
        {0.01, "元", 0.01, 3},          // one cent
        {716.43, "元", 800, 0},         // 0 200 400 600 800
        {100000, "万元", 10, 1},        // 0.0 2.5 ... 10.0
        {1'500'000, "万元", 150, 0},    // 0 50 100 150
        {15'000'000, "万元", 1500, 0},  // 0 500 1000 1500
        {9'999, "元", 10'000, 0},       // 0 ... 10000: still under five digits
        {1e10, "亿元", 100, 0},         // the largest loan a plan takes
        {0, "元", 1, 1},
    };
    for (const auto& row : rows) {
        const auto scale = m::axis_scale(row.largest);
        SCOPED_TRACE(row.largest);
        EXPECT_EQ(scale.unit, row.unit);
        EXPECT_GE(scale.upper * scale.divisor, row.largest);
        EXPECT_LE(scale.tick_count(), 8);
        EXPECT_GE(scale.tick_count(), 2);
        // Every label printed as the chart prints it: distinct and at most six characters.
        std::vector<std::string> labels;
        for (int i = 0; i < scale.tick_count(); ++i) {
            char text[64];
            std::snprintf(text, sizeof text, "%.*f", scale.decimals, i * scale.step);
            labels.emplace_back(text);
            EXPECT_LE(labels.back().size(), 6u) << labels.back();
        }
        for (std::size_t i = 1; i < labels.size(); ++i) {
            EXPECT_NE(labels[i], labels[i - 1]);
        }
    }
}

TEST(CentsText, Forms) {
    const struct {
        std::int64_t cents;
        const char* plain;
        const char* grouped;
    } cases[] = {
        {0, "0.00", "0.00"},
        {5, "0.05", "0.05"},
        {-5, "-0.05", "-0.05"},
        {71643, "716.43", "716.43"},
        {100000, "1000.00", "1,000.00"},
        {-12345678, "-123456.78", "-123,456.78"},
        {123456789012, "1234567890.12", "1,234,567,890.12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m::cents_text(c.cents), c.plain);
        EXPECT_EQ(m::cents_grouped(c.cents), c.grouped);
    }
}

// The spreadsheet form: byte-order mark, Chinese header and scheme names, CR LF, plain numbers.
TEST(ScheduleCsv, Styles) {
    m::Plan instalments{m::Scheme::equal_instalment, {{1, 123456789, 123456000, 789, 0}}};
    m::Plan principal{m::Scheme::equal_principal, {{1, 5, 3, 2, 100}, {2, 103, 100, 3, 0}}};
    EXPECT_EQ(m::schedule_csv({instalments, principal}, m::CsvStyle::terminal),
              "scheme,month,payment,principal,interest,balance\n"
              "equal_instalment,1,1234567.89,1234560.00,7.89,0.00\n"
              "equal_principal,1,0.05,0.03,0.02,1.00\n"
              "equal_principal,2,1.03,1.00,0.03,0.00\n");
    EXPECT_EQ(m::schedule_csv({instalments}, m::CsvStyle::spreadsheet),
              "\xEF\xBB\xBF还款方式,期数,月供,本金,利息,剩余本金\r\n"
              "等额本息,1,1234567.89,1234560.00,7.89,0.00\r\n");
}

TEST(ParseCents, Forms) {
    const struct {
        const char* text;
        std::optional<std::int64_t> cents;
    } cases[] = {
        {"20000", 2'000'000},
        {"1.5", 150},
        {"0.05", 5},
        {".5", 50},
        {"7.", 700},
        {"", std::nullopt},
        {".", std::nullopt},
        {"1.234", std::nullopt},
        {"-5", std::nullopt},
        {"1e3", std::nullopt},
        {"1,000", std::nullopt},
        {" 5", std::nullopt},
        {"99999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m::parse_cents(c.text), c.cents) << c.text;
    }
}

}  // namespace
