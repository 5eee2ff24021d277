#include "mortgage/repayment.h"

#include <cmath>
#include <cstdint>

#include "mortgage/loan.h"
#include "mortgage/result_text.h"

namespace orvane::mortgage {
namespace {

constexpr int kShortestTerm = 5;
constexpr int kLongestTerm = 30;

std::string caption(double value) {
    return std::isfinite(value) ? result_text(value) : std::string(kNotComputable);
}

// Rounds to a whole number, a tie going to the even neighbour, whatever the FPU mode.
double round_half_even(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) {
        return floor + 1.0;
    }
    if (fraction < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

// Equal instalments: the constant monthly payment and the total interest.
void equal_instalments(double principal, double monthly_rate, int years, RepaymentResults& out) {
    const int months = years * 12;
    double payment = 0.0;
    double total_interest = 0.0;
    if (1.0 + monthly_rate == 1.0) {
        // No interest (or too little to register): the formula would be 0 / 0.
        payment = principal / months;
    } else {
        const double growth = std::pow(1.0 + monthly_rate, months);
        payment = principal * monthly_rate * growth / (growth - 1.0);
        total_interest = payment * years * 12 - principal;
    }
    out.instalment_payment = caption(payment);
    out.instalment_interest = caption(total_interest);
}

// Equal principal: the first month's payment and the interest summed month by month, the
// balance falling by the whole-yuan share each month.
void equal_principal(double principal, double monthly_rate, int years, RepaymentResults& out) {
    const int months = years * 12;
    const double payment = principal / months + principal * monthly_rate;
    out.principal_payment = caption(payment);

    const double share = round_half_even(principal / months);
    if (!(std::fabs(share) < 0x1p63)) {
        out.principal_interest = std::string(kNotComputable);
        return;
    }
    const std::int64_t principal_part = static_cast<std::int64_t>(share);
    double total_interest = 0.0;
    double balance = principal;
    for (int months_left = months; months_left > 0; --months_left) {
        total_interest = total_interest + balance * monthly_rate;
        balance = balance - static_cast<double>(principal_part);
    }
    out.principal_interest = caption(total_interest);
}

}  // namespace

std::vector<std::string> term_items() {
    std::vector<std::string> items;
    for (int years = kShortestTerm; years <= kLongestTerm; ++years) {
        items.push_back(std::to_string(years));
    }
    return items;
}

RepaymentResults repayment_figures(double principal, double monthly_rate, int years) {
    RepaymentResults results;
    equal_instalments(principal, monthly_rate, years, results);
    equal_principal(principal, monthly_rate, years, results);
    return results;
}

RepaymentOutcome compute_repayment(const RepaymentInput& input) {
    auto outcome = compute_loan(loan_input(input));
    if (auto* failure = std::get_if<ValidationFailure>(&outcome)) {
        return std::move(*failure);
    }
    return std::move(std::get<LoanResults>(outcome).total);
}

}  // namespace orvane::mortgage
