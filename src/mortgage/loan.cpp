#include "mortgage/loan.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "mortgage/number_text.h"
#include "mortgage/result_text.h"
#include "numeric/decimal.h"

namespace orvane::mortgage {
namespace {

const char* const kReminder = "提醒";
const char* const kCritical = "关键性错误";

ValidationFailure reminder(std::string message, Field focus) {
    return {std::move(message), kReminder, Icon::exclamation, focus};
}

// A malformed text: the critical message, the focus where it was.
ValidationFailure malformed(const std::string& what) {
    return {"您输入的" + what + "似乎不正确，请检查后重新输入。", kCritical, Icon::critical,
            Field::unchanged};
}

using Check = std::optional<ValidationFailure>;

std::optional<int> term_years(const std::string& text) {
    const auto items = term_items();
    if (std::find(items.begin(), items.end(), text) == items.end()) {
        return std::nullopt;
    }
    return std::stoi(text);
}

bool has_direction(const RateTexts& rate) {
    return rate.direction == kRaise || rate.direction == kLower;
}

// Which fields a rate's messages name: the loan's own or a combined loan's fund part.
struct RateFields {
    Field base_rate;
    Field lpr;
    Field basis_points;
    const char* part;  // "" or "公积金贷款的"
};
constexpr RateFields kLoanRate{Field::base_rate, Field::lpr, Field::basis_points, ""};
constexpr RateFields kFundRate{Field::fund_rate, Field::fund_lpr, Field::fund_basis_points,
                               "公积金贷款的"};

Check check_base_rate(const RateTexts& rate, const RateFields& fields) {
    if (rate.base_rate.empty()) {
        if (fields.base_rate == Field::fund_rate) {
            return reminder("请输入公积金贷款利率。", Field::fund_rate);
        }
        return reminder(
            "请输入相应贷款的现行央行基准利率。请注意是基准利率，并注意是商业贷款还是公积金贷款。"
            "\r\n\r\n如果银行给您的利率有浮动，请在利率浮动里输入相应的浮动额。",
            Field::base_rate);
    }
    if (!is_base_rate_text(rate.base_rate)) {
        return malformed(fields.base_rate == Field::fund_rate ? "公积金贷款利率" : "基准利率");
    }
    return std::nullopt;
}

// The LPR and its basis points: both present, well formed, the points in range, and their
// sum no negative rate.
Check check_lpr(const RateTexts& rate, const RateFields& fields) {
    const std::string part = fields.part;
    if (rate.lpr.empty()) {
        return reminder("请输入" + part + "贷款市场报价利率（LPR）。", fields.lpr);
    }
    if (!is_base_rate_text(rate.lpr)) {
        return malformed(part + "LPR");
    }
    if (rate.basis_points.empty()) {
        return reminder("请输入" + part + "加点数（以基点计，1个基点为0.01%，可为负数）。",
                        fields.basis_points);
    }
    const auto points = read_whole_number(rate.basis_points);
    if (!points) {
        return malformed(part + "加点数");
    }
    if (*points < kLowestBasisPoints || *points > kHighestBasisPoints) {
        return reminder(part + "加点数须在 -1000 到 1000 个基点之间。", fields.basis_points);
    }
    if (*read_number(rate.lpr) * 100 + *points < 0) {
        return reminder(part + "LPR加点后的利率为负数，请检查LPR和加点数。", fields.basis_points);
    }
    return std::nullopt;
}

Check check_rate_form(const RateTexts& rate, const RateFields& fields) {
    return rate.form == RateForm::lpr ? check_lpr(rate, fields) : check_base_rate(rate, fields);
}

// The float of a base rate with a direction; checked after the amount, as it always was.
Check check_float(const RateTexts& rate) {
    if (rate.form != RateForm::base_float || !has_direction(rate)) {
        return std::nullopt;
    }
    if (rate.float_percent.empty()) {
        return reminder("请输入利率浮动的百分比。", Field::rate_float);
    }
    if (!read_number(rate.float_percent)) {
        return reminder("您输入的利率浮动不是有效的数字，请检查后重新输入。", Field::rate_float);
    }
    return std::nullopt;
}

// An amount in 10,000 yuan: present, a number, above zero.
Check check_amount(const std::string& text, Field field, const std::string& name) {
    if (text.empty()) {
        return reminder("请输入" + name + "。", field);
    }
    const auto value = read_number(text);
    if (!value) {
        return reminder("您输入的" + name + "不是有效的数字，请检查后重新输入。", field);
    }
    if (!(*value > 0)) {
        return reminder(name + "必须大于零。", field);
    }
    return std::nullopt;
}

Check check_price(const LoanInput& in) {
    if (in.price.empty()) {
        return reminder("请输入房屋总价。", Field::price);
    }
    const auto price = read_number(in.price);
    if (!price) {
        return malformed("房屋总价");
    }
    if (!(*price > 0)) {
        return reminder("房屋总价必须大于零。", Field::price);
    }
    if (in.down_percent.empty()) {
        return reminder("请输入首付比例。", Field::down_percent);
    }
    const auto down = read_number(in.down_percent);
    if (!down) {
        return malformed("首付比例");
    }
    if (!(*down >= 0 && *down < 100)) {
        return reminder("首付比例须不小于 0 且小于 100（%）。", Field::down_percent);
    }
    return std::nullopt;
}

Check validate(const LoanInput& in) {
    if (!term_years(in.years)) {
        return reminder("请选择贷款期限。", Field::years);
    }
    if (auto failure = check_rate_form(in.rate, kLoanRate)) {
        return failure;
    }
    if (auto failure =
            in.from_price ? check_price(in) : check_amount(in.amount, Field::amount, "贷款金额")) {
        return failure;
    }
    if (auto failure = check_float(in.rate)) {
        return failure;
    }
    if (in.kind != LoanKind::combined) {
        return std::nullopt;
    }
    if (auto failure = check_rate_form(in.fund_rate, kFundRate)) {
        return failure;
    }
    return check_amount(in.fund_amount, Field::fund_amount, "公积金贷款金额");
}

// Rounds to a whole number, a tie going to the even neighbour.
double round_half_even(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction != 0.5) {
        return fraction > 0.5 ? floor + 1.0 : floor;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

// The monthly rate of a validated rate, in the operand order the window has always used.
double monthly_rate(const RateTexts& rate) {
    if (rate.form == RateForm::lpr) {
        // LPR + points / 100 in decimal, so that 3.95 less 20 points is exactly 3.75.
        const int points = *read_whole_number(rate.basis_points);
        const auto lpr = Decimal::parse(rate.lpr);
        const auto annual =
            lpr ? add(*lpr, divide(Decimal::from_int(points), Decimal::from_int(100)).value)
                : DecimalResult{};
        const double percent =
            lpr && annual.ok() ? annual.value.to_double() : *read_number(rate.lpr) + points / 100.0;
        return percent / 100 / 12;
    }
    double monthly = *read_number(rate.base_rate) / 100 / 12;
    if (has_direction(rate)) {
        const double float_percent = *read_number(rate.float_percent);
        const double float_factor =
            rate.direction == kRaise ? float_percent / 100 + 1 : 1 - float_percent / 100;
        monthly = monthly * float_factor;
    }
    return monthly;
}

LoanPart make_part(LoanKind kind, double principal, double rate, int years) {
    return {kind, principal, rate, repayment_figures(principal, rate, years)};
}

}  // namespace

LoanInput loan_input(const RepaymentInput& input) {
    LoanInput loan;
    loan.years = input.years;
    loan.rate.base_rate = input.base_rate;
    loan.rate.direction = input.direction;
    loan.rate.float_percent = input.float_percent;
    loan.amount = input.amount;
    return loan;
}

std::string caption_sum(const std::string& a, const std::string& b) {
    // Captions have at most 15 significant digits: the double sum, rounded again at the cent,
    // is their exact decimal sum.
    char* end_a = nullptr;
    char* end_b = nullptr;
    const double x = std::strtod(a.c_str(), &end_a);
    const double y = std::strtod(b.c_str(), &end_b);
    if (a.empty() || b.empty() || *end_a != '\0' || *end_b != '\0' || !std::isfinite(x + y)) {
        return std::string(kNotComputable);
    }
    return result_text(x + y);
}

LoanOutcome compute_loan(const LoanInput& input) {
    if (auto failure = validate(input)) {
        return *failure;
    }
    LoanResults out;
    out.years = *term_years(input.years);
    const double rate = monthly_rate(input.rate);

    // A typed amount's principal is amount x 10000 as it always was; a loan from a price, and the
    // commercial part of a combined loan, are worked out in whole cents.
    double principal = 0;
    double total_cents = 0;
    if (input.from_price) {
        const double price_cents = round_half_even(*read_number(input.price) * 1e6);
        const double down_cents =
            round_half_even(price_cents * *read_number(input.down_percent) / 100);
        total_cents = price_cents - down_cents;
        principal = total_cents / 100;
        out.loan_amount = result_text(principal);
        out.down_payment = result_text(down_cents / 100);
        if (!(total_cents > 0)) {
            return reminder("按房屋总价和首付比例算出的贷款金额为零，无需贷款。",
                            Field::down_percent);
        }
    } else {
        principal = *read_number(input.amount) * 10000;
        total_cents = round_half_even(principal * 100);
    }

    if (input.kind != LoanKind::combined) {
        out.parts.push_back(make_part(input.kind, principal, rate, out.years));
        out.total = out.parts.front().results;
        return out;
    }
    const double fund_principal = *read_number(input.fund_amount) * 10000;
    const double commercial_cents = total_cents - round_half_even(fund_principal * 100);
    if (!(commercial_cents > 0)) {
        return reminder("公积金贷款金额须小于贷款总额，其余部分为商业贷款。", Field::fund_amount);
    }
    out.parts.push_back(
        make_part(LoanKind::fund, fund_principal, monthly_rate(input.fund_rate), out.years));
    out.parts.push_back(make_part(LoanKind::commercial, commercial_cents / 100, rate, out.years));
    const auto& fund = out.parts[0].results;
    const auto& commercial = out.parts[1].results;
    out.total = {caption_sum(fund.instalment_payment, commercial.instalment_payment),
                 caption_sum(fund.instalment_interest, commercial.instalment_interest),
                 caption_sum(fund.principal_payment, commercial.principal_payment),
                 caption_sum(fund.principal_interest, commercial.principal_interest)};
    return out;
}

}  // namespace orvane::mortgage
