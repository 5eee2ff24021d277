// The month-by-month repayment plan of both schemes, in whole cents, with an optional early
// repayment. No window code here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "mortgage/loan.h"
#include "mortgage/repayment.h"
#include "numeric/decimal.h"

namespace orvane::mortgage {

enum class Scheme { equal_instalment, equal_principal };

// One month of a plan; every amount in cents. payment == principal + interest, and balance is
// what remains owed after the payment (an early repayment is part of its month's principal).
struct ScheduleRow {
    int month = 0;
    std::int64_t payment = 0;
    std::int64_t principal = 0;
    std::int64_t interest = 0;
    std::int64_t balance = 0;

    bool operator==(const ScheduleRow&) const = default;
};

struct Totals {
    std::int64_t payment = 0;
    std::int64_t principal = 0;
    std::int64_t interest = 0;
};

struct Plan {
    Scheme scheme = Scheme::equal_instalment;
    std::vector<ScheduleRow> rows;
    std::int64_t prepaid = 0;  // cents of early repayment actually applied

    [[nodiscard]] Totals totals() const;
};

// What to keep after an early repayment: the payment (the term gets shorter) or the term
// (the payment gets lower).
enum class PrepayMode { shorten, reduce };

// An amount in cents paid on top of the regular payment of `month` (1 = the first month).
struct Prepayment {
    std::int64_t amount = 0;
    int month = 1;
    PrepayMode mode = PrepayMode::shorten;
};

// The loan as both plans see it: the loan in cents, the monthly rate (the double the window's
// figures use, at 15 significant digits), the number of months, the equal-instalment payment
// of L_YG1 in cents and the whole-yuan principal share of equal principal.
struct LoanTerms {
    std::int64_t loan = 0;
    Decimal monthly_rate;
    int months = 0;
    std::int64_t instalment_payment = 0;
    std::int64_t principal_share = 0;  // whole yuan, in cents
};

// Why a plan cannot be made for inputs that compute_repayment accepts.
inline constexpr const char* kPlanOutOfRange = "贷款金额或利率超出还款明细的计算范围。";

struct PlanFailure {
    std::string message;
    bool operator==(const PlanFailure&) const = default;
};

// The terms of the loan in `input`: compute_repayment's validation failure, a PlanFailure
// when the figures are beyond the plan's range, or the terms.
using TermsOutcome = std::variant<ValidationFailure, PlanFailure, LoanTerms>;
[[nodiscard]] TermsOutcome loan_terms(const RepaymentInput& input);

// The terms of one part of a computed loan, or a PlanFailure beyond the plan's range.
[[nodiscard]] std::variant<PlanFailure, LoanTerms> part_terms(const LoanPart& part, int years);

// Every part of a loan with its terms, in the order of LoanResults::parts.
struct PartTerms {
    LoanKind kind = LoanKind::commercial;
    LoanTerms terms;
};
using PartTermsOutcome = std::variant<ValidationFailure, PlanFailure, std::vector<PartTerms>>;
[[nodiscard]] PartTermsOutcome loan_part_terms(const LoanInput& input);

// The plan of `scheme` without an early repayment; nullopt when an amount leaves the range
// of the cent arithmetic.
[[nodiscard]] std::optional<Plan> make_plan(const LoanTerms& terms, Scheme scheme);

// The plan with `prepay` applied. An amount beyond the balance left after the month's
// regular payment pays off only that balance; a month outside the plan is nullopt.
[[nodiscard]] std::optional<Plan> make_plan(const LoanTerms& terms, Scheme scheme,
                                            const Prepayment& prepay);

// The early repayment against the plan without it.
struct Savings {
    std::int64_t applied = 0;   // cents actually prepaid (capped at the balance)
    std::int64_t interest = 0;  // cents of interest saved
    int months = 0;             // months saved
};
[[nodiscard]] Savings savings(const Plan& without, const Plan& with);

// Cents as a plain number with two decimals: 71643 -> "716.43", -5 -> "-0.05".
[[nodiscard]] std::string cents_text(std::int64_t cents);

// "1,234,567.89": the same with thousands separators, for the screen.
[[nodiscard]] std::string cents_grouped(std::int64_t cents);

// A typed amount of yuan (digits, at most one point, at most two decimals) in cents.
[[nodiscard]] std::optional<std::int64_t> parse_cents(const std::string& text);

}  // namespace orvane::mortgage
