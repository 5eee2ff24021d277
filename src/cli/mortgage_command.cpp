// orvane-cli mortgage: the mortgage window's computation on the five input texts, or with
// --schedule the month-by-month plan of both schemes as CSV; also the LPR form, the
// provident-fund and combined loans and a loan from the house price.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cli/command_registry.h"
#include "mortgage/loan.h"
#include "mortgage/loan_plan.h"
#include "mortgage/repayment.h"
#include "mortgage/schedule.h"
#include "mortgage/schedule_csv.h"

namespace {

// The platform's CR LF line breaks become the terminal's.
std::string terminal_lines(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

// "--rate=" means the empty text; the parser would take the next argument as its value, so
// it is split into "--rate" and "".
std::vector<std::string> with_empty_values(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i];
        if (i > 0 && arg.size() > 3 && arg.starts_with("--") && arg.find('=') == arg.size() - 1) {
            arg.pop_back();
            args.push_back(arg);
            args.emplace_back();
        } else {
            args.push_back(arg);
        }
    }
    return args;
}

// "AMOUNT@MONTH": yuan with at most two decimals, then a whole month number.
std::optional<orvane::mortgage::Prepayment> read_prepayment(const std::string& text) {
    const std::size_t at = text.find('@');
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const auto amount = orvane::mortgage::parse_cents(text.substr(0, at));
    const std::string month = text.substr(at + 1);
    if (!amount || *amount <= 0 || month.empty() || month.size() > 4 ||
        month.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return orvane::mortgage::Prepayment{*amount, std::stoi(month)};
}

struct ScheduleRequest {
    bool wanted = false;
    std::string prepay;
    std::string mode = "shorten";
    std::string part = "commercial";
};

int fail(const std::string& message) {
    std::cerr << terminal_lines(message) << '\n';
    return 1;
}

// Prints the CSV of both plans; validation failures go to stderr with exit code 1.
int print_schedule(const orvane::mortgage::LoanInput& input, const ScheduleRequest& request) {
    namespace m = orvane::mortgage;
    const auto outcome = m::loan_part_terms(input);
    if (const auto* failure = std::get_if<m::ValidationFailure>(&outcome)) {
        return fail(failure->message);
    }
    if (const auto* failure = std::get_if<m::PlanFailure>(&outcome)) {
        return fail(failure->message);
    }
    const auto& parts = std::get<std::vector<m::PartTerms>>(outcome);
    const int months = parts.front().terms.months;
    std::optional<m::Prepayment> prepay;
    if (!request.prepay.empty()) {
        prepay = read_prepayment(request.prepay);
        if (!prepay || prepay->month < 1 || prepay->month > months) {
            return fail(
                "提前还款须写成 金额@月份：金额以元计（大于零，至多两位小数），月份为 1 到 " +
                std::to_string(months) + "。");
        }
        prepay->mode = request.mode == "reduce" ? m::PrepayMode::reduce : m::PrepayMode::shorten;
    }
    const auto part = request.part == "fund" ? m::LoanKind::fund : m::LoanKind::commercial;
    std::vector<m::LoanPlan> plans;
    for (const auto scheme : {m::Scheme::equal_instalment, m::Scheme::equal_principal}) {
        auto plan = m::make_loan_plan(parts, scheme, prepay, part);
        if (!plan) {
            return fail(m::kPlanOutOfRange);
        }
        plans.push_back(std::move(*plan));
    }
    std::cout << m::loan_schedule_csv(plans, m::CsvStyle::terminal);
    return 0;
}

void print_results(const orvane::mortgage::RepaymentResults& results) {
    std::cout << results.instalment_payment << '\n'
              << results.instalment_interest << '\n'
              << results.principal_payment << '\n'
              << results.principal_interest << '\n';
}

const char* const kDescription =
    "The mortgage calculator: prints the monthly payment and total interest of equal "
    "instalments, then the first month's payment and total interest of equal principal, one "
    "per line. A combined loan prints these four lines for the provident-fund part, then for "
    "the commercial part, then their sum. With --price two more lines follow: the loan and "
    "the down payment in yuan.";

int run_mortgage(int argc, char** argv) {
    namespace m = orvane::mortgage;
    CLI::App app{kDescription, "orvane-cli mortgage"};
    m::LoanInput input;
    auto terms = m::term_items();
    terms.insert(terms.begin(), "");
    app.add_option("--years", input.years, "term in years: 5 to 30, or empty (none chosen)")
        ->check(CLI::IsMember(terms));
    auto* rate =
        app.add_option("--rate", input.rate.base_rate, "base rate in percent a year, as typed");
    auto* direction =
        app.add_option("--direction", input.rate.direction, "rate float: empty, 上浮 or 下浮")
            ->check(CLI::IsMember({std::string(), std::string(m::kRaise), std::string(m::kLower)}));
    auto* float_option =
        app.add_option("--float", input.rate.float_percent, "rate float in percent, as typed");
    auto* lpr = app.add_option("--lpr", input.rate.lpr,
                               "LPR in percent a year, as typed (instead of --rate)");
    auto* points = app.add_option("--bp", input.rate.basis_points,
                                  "basis points added to the LPR: a whole number, -1000 to 1000");
    for (auto* option : {lpr, points}) {
        option->excludes(rate)->excludes(direction)->excludes(float_option);
    }
    auto* amount = app.add_option(
        "--amount", input.amount,
        "loan amount in units of 10,000 yuan, as typed; of a combined loan, the whole loan");
    std::string kind = "commercial";
    app.add_option("--kind", kind,
                   "commercial (the default), fund (provident fund) or combined (both parts)")
        ->check(CLI::IsMember({"commercial", "fund", "combined"}));
    auto* fund_amount = app.add_option(
        "--fund-amount", input.fund_amount,
        "combined: the provident-fund part in 10,000 yuan; the commercial part is the rest");
    auto* fund_rate = app.add_option("--fund-rate", input.fund_rate.base_rate,
                                     "combined: the provident-fund part's rate, percent a year");
    auto* fund_lpr = app.add_option("--fund-lpr", input.fund_rate.lpr,
                                    "combined: the provident-fund part's rate as LPR ...");
    auto* fund_points =
        app.add_option("--fund-bp", input.fund_rate.basis_points, "... plus basis points");
    fund_lpr->excludes(fund_rate);
    fund_points->excludes(fund_rate);
    auto* price = app.add_option("--price", input.price,
                                 "house price in 10,000 yuan: the loan is the price less the "
                                 "down payment (instead of --amount)");
    auto* down = app.add_option("--down", input.down_percent,
                                "down payment in percent of the price (with --price)");
    price->excludes(amount);
    down->needs(price);
    ScheduleRequest schedule;
    auto* schedule_flag =
        app.add_flag("--schedule", schedule.wanted,
                     "print the month-by-month plan of both schemes as CSV instead of the results");
    auto* prepay_option =
        app.add_option("--prepay", schedule.prepay,
                       "early repayment AMOUNT@MONTH: yuan paid on top of that month's payment")
            ->needs(schedule_flag);
    app.add_option("--prepay-mode", schedule.mode,
                   "after the early repayment keep the payment (shorten, the default) or the "
                   "term (reduce)")
        ->check(CLI::IsMember({"shorten", "reduce"}))
        ->needs(prepay_option);
    auto* prepay_part =
        app.add_option("--prepay-part", schedule.part,
                       "combined: the part the early repayment goes to, commercial (the "
                       "default) or fund")
            ->check(CLI::IsMember({"commercial", "fund"}))
            ->needs(prepay_option);
    try {
        auto args = with_empty_values(argc, argv);
        std::vector<char*> pointers;
        for (auto& arg : args) {
            pointers.push_back(arg.data());
        }
        app.parse(static_cast<int>(pointers.size()), pointers.data());
        if (kind != "combined") {
            for (const auto* option :
                 {fund_amount, fund_rate, fund_lpr, fund_points, prepay_part}) {
                if (option->count() > 0) {
                    throw CLI::ValidationError(option->get_name(), "needs --kind combined");
                }
            }
        }
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : 2;
    }
    input.kind = kind == "fund"       ? m::LoanKind::fund
                 : kind == "combined" ? m::LoanKind::combined
                                      : m::LoanKind::commercial;
    if (lpr->count() > 0 || points->count() > 0) {
        input.rate.form = m::RateForm::lpr;
    }
    if (fund_lpr->count() > 0 || fund_points->count() > 0) {
        input.fund_rate.form = m::RateForm::lpr;
    }
    input.from_price = price->count() > 0;

    if (schedule.wanted) {
        return print_schedule(input, schedule);
    }
    const auto outcome = m::compute_loan(input);
    if (const auto* failure = std::get_if<m::ValidationFailure>(&outcome)) {
        return fail(failure->message);
    }
    const auto& results = std::get<m::LoanResults>(outcome);
    if (results.parts.size() > 1) {
        for (const auto& part : results.parts) {
            print_results(part.results);
        }
    }
    print_results(results.total);
    if (results.loan_amount && results.down_payment) {
        std::cout << *results.loan_amount << '\n' << *results.down_payment << '\n';
    }
    return 0;
}

const orvane::cli::Registrar kRegistrar{
    {"mortgage", "repayments of a house loan (both schemes)", &run_mortgage}};

}  // namespace
