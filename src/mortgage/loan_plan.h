// The month-by-month plan of a loan of one or more parts: each part's own plan and, month by
// month, their sum. An early repayment goes to one part. No window code here.
#pragma once

#include <optional>
#include <vector>

#include "mortgage/loan.h"
#include "mortgage/schedule.h"

namespace orvane::mortgage {

struct PartPlan {
    LoanKind kind = LoanKind::commercial;
    Plan plan;
};

struct LoanPlan {
    Plan total;  // per month the sums of the parts' rows; a part that has ended adds nothing
    std::vector<PartPlan> parts;
};

// The month-by-month sum of `parts` (all of the same scheme).
[[nodiscard]] Plan sum_of(const std::vector<PartPlan>& parts);

// The plan of `scheme` for every part; `prepay`, when given, goes to the part of kind
// `prepay_part` (to the only part of a one-part loan). nullopt as make_plan gives it, or
// when no part is of that kind.
[[nodiscard]] std::optional<LoanPlan> make_loan_plan(const std::vector<PartTerms>& parts,
                                                     Scheme scheme,
                                                     const std::optional<Prepayment>& prepay,
                                                     LoanKind prepay_part);

}  // namespace orvane::mortgage
