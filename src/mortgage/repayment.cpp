#include "mortgage/repayment.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "mortgage/number_text.h"
#include "mortgage/result_text.h"

namespace orvane::mortgage {
namespace {

constexpr int kShortestTerm = 5;
constexpr int kLongestTerm = 30;

const char* const kReminder = "提醒";

ValidationFailure reminder(std::string message, Field focus) {
    return {std::move(message), kReminder, Icon::exclamation, focus};
}

// The term in years, or nothing when the text is not one of the list's items.
std::optional<int> term_years(const std::string& text) {
    const auto items = term_items();
    if (std::find(items.begin(), items.end(), text) == items.end()) {
        return std::nullopt;
    }
    return std::stoi(text);
}

// The first failing check in the window's fixed order, or nothing when every input is usable.
std::optional<ValidationFailure> validate(const RepaymentInput& in) {
    if (!term_years(in.years)) {
        return reminder("请选择贷款期限。", Field::years);
    }
    if (in.base_rate.empty()) {
        return reminder(
            "请输入相应贷款的现行央行基准利率。请注意是基准利率，并注意是商业贷款还是公积金贷款。"
            "\r\n\r\n如果银行给您的利率有浮动，请在利率浮动里输入相应的浮动额。",
            Field::base_rate);
    }
    if (!is_base_rate_text(in.base_rate)) {
        return ValidationFailure{"您输入的基准利率似乎不正确，请检查后重新输入。", "关键性错误",
                                 Icon::critical, Field::unchanged};
    }
    if (in.amount.empty()) {
        return reminder("请输入贷款金额。", Field::amount);
    }
    if (!read_number(in.amount)) {
        return reminder("您输入的贷款金额不是有效的数字，请检查后重新输入。", Field::amount);
    }
    if (in.direction == kRaise || in.direction == kLower) {
        if (in.float_percent.empty()) {
            return reminder("请输入利率浮动的百分比。", Field::rate_float);
        }
        if (!read_number(in.float_percent)) {
            return reminder("您输入的利率浮动不是有效的数字，请检查后重新输入。",
                            Field::rate_float);
        }
    }
    return std::nullopt;
}

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

RepaymentOutcome compute_repayment(const RepaymentInput& input) {
    if (auto failure = validate(input)) {
        return *failure;
    }
    const int years = *term_years(input.years);
    const double rate = *read_number(input.base_rate);

    double monthly_rate = rate / 100 / 12;
    if (input.direction == kRaise || input.direction == kLower) {
        const double float_percent = *read_number(input.float_percent);
        const double float_factor =
            input.direction == kRaise ? float_percent / 100 + 1 : 1 - float_percent / 100;
        monthly_rate = monthly_rate * float_factor;
    }
    const double principal = *read_number(input.amount) * 10000;

    RepaymentResults results;
    equal_instalments(principal, monthly_rate, years, results);
    equal_principal(principal, monthly_rate, years, results);
    return results;
}

}  // namespace orvane::mortgage
