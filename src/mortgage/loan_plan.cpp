#include "mortgage/loan_plan.h"

#include <algorithm>

namespace orvane::mortgage {

Plan sum_of(const std::vector<PartPlan>& parts) {
    Plan total;
    std::size_t months = 0;
    for (const auto& part : parts) {
        total.scheme = part.plan.scheme;
        total.prepaid += part.plan.prepaid;
        months = std::max(months, part.plan.rows.size());
    }
    total.rows.resize(months);
    for (std::size_t i = 0; i < months; ++i) {
        ScheduleRow& row = total.rows[i];
        row.month = static_cast<int>(i) + 1;
        for (const auto& part : parts) {
            if (i < part.plan.rows.size()) {
                const ScheduleRow& own = part.plan.rows[i];
                row.payment += own.payment;
                row.principal += own.principal;
                row.interest += own.interest;
                row.balance += own.balance;
            }
        }
    }
    return total;
}

std::optional<LoanPlan> make_loan_plan(const std::vector<PartTerms>& parts, Scheme scheme,
                                       const std::optional<Prepayment>& prepay,
                                       LoanKind prepay_part) {
    const bool one_part = parts.size() == 1;
    const bool target_exists =
        one_part || std::any_of(parts.begin(), parts.end(),
                                [&](const PartTerms& part) { return part.kind == prepay_part; });
    if (parts.empty() || (prepay && !target_exists)) {
        return std::nullopt;
    }
    LoanPlan out;
    for (const auto& part : parts) {
        const bool target = prepay && (one_part || part.kind == prepay_part);
        auto plan = target ? make_plan(part.terms, scheme, *prepay) : make_plan(part.terms, scheme);
        if (!plan) {
            return std::nullopt;
        }
        out.parts.push_back({part.kind, std::move(*plan)});
    }
    out.total = sum_of(out.parts);
    return out;
}

}  // namespace orvane::mortgage
