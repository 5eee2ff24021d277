#include "mortgage/schedule.h"

#include <cmath>
#include <limits>

namespace orvane::mortgage {
namespace {

// The largest loan a plan is made for: ten billion yuan keeps every product of a balance and
// the rate, and every sum of cents, far inside the range of the arithmetic.
constexpr std::int64_t kLargestLoan = 1'000'000'000'000;  // cents
constexpr double kLargestMonthlyRate = 1.0;

// A whole number of cents held in a decimal; nullopt when it does not fit 63 bits.
std::optional<std::int64_t> whole_cents(const Decimal& value) {
    const Decimal whole = round(value, 0);
    if (whole.hi() != 0 || (whole.mid() & 0x80000000U) != 0) {
        return std::nullopt;
    }
    const std::int64_t magnitude =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(whole.mid()) << 32) | whole.lo());
    return whole.is_negative() ? -magnitude : magnitude;
}

// A month's interest on `balance` cents, rounded to the cent with ties to even.
std::optional<std::int64_t> interest_on(std::int64_t balance, const Decimal& monthly_rate) {
    const auto product = multiply(Decimal::from_int(balance), monthly_rate);
    if (!product.ok()) {
        return std::nullopt;
    }
    return whole_cents(product.value);
}

// The whole-yuan share of `balance` cents over `months`, ties to even, in cents.
std::optional<std::int64_t> whole_yuan_share(std::int64_t balance, int months) {
    const auto share = divide(Decimal::from_int(balance), Decimal::from_int(100LL * months));
    if (!share.ok()) {
        return std::nullopt;
    }
    const auto yuan = whole_cents(share.value);
    return yuan ? std::optional<std::int64_t>(*yuan * 100) : std::nullopt;
}

// The constant payment that clears `balance` cents in `months` at `monthly_rate`, in cents.
std::optional<std::int64_t> annuity(std::int64_t balance, const Decimal& monthly_rate, int months) {
    const double rate = monthly_rate.to_double();
    const double principal = static_cast<double>(balance) / 100.0;
    double payment = principal / months;
    if (1.0 + rate != 1.0) {
        const double growth = std::pow(1.0 + rate, months);
        payment = principal * rate * growth / (growth - 1.0);
    }
    const auto decimal = Decimal::from_double(payment);
    if (!decimal) {
        return std::nullopt;
    }
    const auto cents = multiply(round(*decimal, 2), Decimal::from_int(100));
    return cents.ok() ? whole_cents(cents.value) : std::nullopt;
}

std::optional<Plan> walk(const LoanTerms& terms, Scheme scheme, const Prepayment* prepay) {
    Plan plan;
    plan.scheme = scheme;
    plan.rows.reserve(static_cast<std::size_t>(terms.months));
    std::int64_t balance = terms.loan;
    std::int64_t payment = terms.instalment_payment;
    std::int64_t share = terms.principal_share;
    for (int month = 1; month <= terms.months && balance > 0; ++month) {
        const auto interest = interest_on(balance, terms.monthly_rate);
        if (!interest) {
            return std::nullopt;
        }
        std::int64_t principal = scheme == Scheme::equal_instalment ? payment - *interest : share;
        // The last month takes what is left, and no month repays more than is owed.
        if (month == terms.months || principal > balance) {
            principal = balance;
        }
        principal = std::max<std::int64_t>(principal, 0);
        if (prepay != nullptr && month == prepay->month) {
            plan.prepaid = std::min(prepay->amount, balance - principal);
            principal += plan.prepaid;
        }
        balance -= principal;
        plan.rows.push_back({month, principal + *interest, principal, *interest, balance});

        if (prepay != nullptr && month == prepay->month && prepay->mode == PrepayMode::reduce &&
            balance > 0 && month < terms.months) {
            const int months_left = terms.months - month;
            const auto lower = scheme == Scheme::equal_instalment
                                   ? annuity(balance, terms.monthly_rate, months_left)
                                   : whole_yuan_share(balance, months_left);
            if (!lower) {
                return std::nullopt;
            }
            (scheme == Scheme::equal_instalment ? payment : share) = *lower;
        }
    }
    return plan;
}

}  // namespace

Totals Plan::totals() const {
    Totals sum;
    for (const auto& row : rows) {
        sum.payment += row.payment;
        sum.principal += row.principal;
        sum.interest += row.interest;
    }
    return sum;
}

std::variant<PlanFailure, LoanTerms> part_terms(const LoanPart& part, int years) {
    const PlanFailure out_of_range{kPlanOutOfRange};
    const auto rate = Decimal::from_double(part.monthly_rate);
    const auto principal = Decimal::from_double(part.principal);
    const auto payment = Decimal::parse(part.results.instalment_payment);
    if (!rate || !principal || !payment || !(part.monthly_rate >= 0.0) ||
        part.monthly_rate > kLargestMonthlyRate) {
        return out_of_range;
    }
    const auto loan = multiply(round(*principal, 2), Decimal::from_int(100));
    const auto loan_cents = loan.ok() ? whole_cents(loan.value) : std::nullopt;
    if (!loan_cents || *loan_cents <= 0 || *loan_cents > kLargestLoan) {
        return out_of_range;
    }
    LoanTerms terms;
    terms.loan = *loan_cents;
    terms.monthly_rate = *rate;
    terms.months = years * 12;
    const auto payment_cents = multiply(*payment, Decimal::from_int(100));
    const auto share = whole_yuan_share(terms.loan, terms.months);
    if (!payment_cents.ok() || !share) {
        return out_of_range;
    }
    terms.instalment_payment = *whole_cents(payment_cents.value);
    terms.principal_share = *share;
    return terms;
}

PartTermsOutcome loan_part_terms(const LoanInput& input) {
    const auto outcome = compute_loan(input);
    if (const auto* failure = std::get_if<ValidationFailure>(&outcome)) {
        return *failure;
    }
    const auto& results = std::get<LoanResults>(outcome);
    std::vector<PartTerms> parts;
    for (const auto& part : results.parts) {
        auto terms = part_terms(part, results.years);
        if (const auto* failure = std::get_if<PlanFailure>(&terms)) {
            return *failure;
        }
        parts.push_back({part.kind, std::get<LoanTerms>(terms)});
    }
    return parts;
}

TermsOutcome loan_terms(const RepaymentInput& input) {
    auto outcome = loan_part_terms(loan_input(input));
    if (auto* failure = std::get_if<ValidationFailure>(&outcome)) {
        return std::move(*failure);
    }
    if (auto* failure = std::get_if<PlanFailure>(&outcome)) {
        return std::move(*failure);
    }
    return std::get<std::vector<PartTerms>>(outcome).front().terms;
}

std::optional<Plan> make_plan(const LoanTerms& terms, Scheme scheme) {
    return walk(terms, scheme, nullptr);
}

std::optional<Plan> make_plan(const LoanTerms& terms, Scheme scheme, const Prepayment& prepay) {
    if (prepay.month < 1 || prepay.month > terms.months || prepay.amount < 0) {
        return std::nullopt;
    }
    return walk(terms, scheme, &prepay);
}

Savings savings(const Plan& without, const Plan& with) {
    return {with.prepaid, without.totals().interest - with.totals().interest,
            static_cast<int>(without.rows.size()) - static_cast<int>(with.rows.size())};
}

std::string cents_text(std::int64_t cents) {
    const std::uint64_t magnitude =
        cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    std::string fraction = std::to_string(magnitude % 100);
    if (fraction.size() < 2) {
        fraction.insert(0, "0");
    }
    return (cents < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." + fraction;
}

std::string cents_grouped(std::int64_t cents) {
    std::string text = cents_text(cents);
    const std::size_t start = text.starts_with('-') ? 1 : 0;
    for (std::size_t at = text.find('.'); at > start + 3; at -= 3) {
        text.insert(at - 3, ",");
    }
    return text;
}

std::optional<std::int64_t> parse_cents(const std::string& text) {
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    const auto digits_only = [](const std::string& part) {
        return part.find_first_not_of("0123456789") == std::string::npos;
    };
    if ((whole.empty() && fraction.empty()) || whole.size() > 13 || fraction.size() > 2 ||
        !digits_only(whole) || !digits_only(fraction)) {
        return std::nullopt;
    }
    std::int64_t cents = whole.empty() ? 0 : std::stoll(whole) * 100;
    if (!fraction.empty()) {
        cents += std::stoll(fraction) * (fraction.size() == 1 ? 10 : 1);
    }
    return cents;
}

}  // namespace orvane::mortgage
