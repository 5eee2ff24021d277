// orvane-cli mortgage: the mortgage window's computation on the five input texts, or with
// --schedule the month-by-month plan of both schemes as CSV.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cli/command_registry.h"
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
};

// Prints the CSV of both plans; validation failures go to stderr with exit code 1.
int print_schedule(const orvane::mortgage::RepaymentInput& input, const ScheduleRequest& request) {
    namespace m = orvane::mortgage;
    const auto outcome = m::loan_terms(input);
    if (const auto* failure = std::get_if<m::ValidationFailure>(&outcome)) {
        std::cerr << terminal_lines(failure->message) << '\n';
        return 1;
    }
    if (const auto* failure = std::get_if<m::PlanFailure>(&outcome)) {
        std::cerr << failure->message << '\n';
        return 1;
    }
    const auto& terms = std::get<m::LoanTerms>(outcome);
    std::optional<m::Prepayment> prepay;
    if (!request.prepay.empty()) {
        prepay = read_prepayment(request.prepay);
        if (!prepay || prepay->month < 1 || prepay->month > terms.months) {
            std::cerr
                << "提前还款须写成 金额@月份：金额以元计（大于零，至多两位小数），月份为 1 到 "
                << terms.months << "。\n";
            return 1;
        }
        prepay->mode = request.mode == "reduce" ? m::PrepayMode::reduce : m::PrepayMode::shorten;
    }
    std::vector<m::Plan> plans;
    for (const auto scheme : {m::Scheme::equal_instalment, m::Scheme::equal_principal}) {
        auto plan = prepay ? m::make_plan(terms, scheme, *prepay) : m::make_plan(terms, scheme);
        if (!plan) {
            std::cerr << m::kPlanOutOfRange << '\n';
            return 1;
        }
        plans.push_back(std::move(*plan));
    }
    std::cout << m::schedule_csv(plans, m::CsvStyle::terminal);
    return 0;
}

int run_mortgage(int argc, char** argv) {
    namespace m = orvane::mortgage;
    CLI::App app{
        "The mortgage calculator: prints the monthly payment and total interest of "
        "equal instalments, then the first month's payment and total interest of "
        "equal principal, one per line.",
        "orvane-cli mortgage"};
    m::RepaymentInput input;
    auto terms = m::term_items();
    terms.insert(terms.begin(), "");
    app.add_option("--years", input.years, "term in years: 5 to 30, or empty (none chosen)")
        ->check(CLI::IsMember(terms));
    app.add_option("--rate", input.base_rate, "base rate in percent a year, as typed");
    app.add_option("--direction", input.direction, "rate float: empty, 上浮 or 下浮")
        ->check(CLI::IsMember({std::string(), std::string(m::kRaise), std::string(m::kLower)}));
    app.add_option("--float", input.float_percent, "rate float in percent, as typed");
    app.add_option("--amount", input.amount, "loan amount in units of 10,000 yuan, as typed");
    ScheduleRequest schedule;
    auto* schedule_flag = app.add_flag(
        "--schedule", schedule.wanted,
        "print the month-by-month plan of both schemes as CSV instead of the four results");
    auto* prepay_option =
        app.add_option("--prepay", schedule.prepay,
                       "early repayment AMOUNT@MONTH: yuan paid on top of that month's payment")
            ->needs(schedule_flag);
    app.add_option("--prepay-mode", schedule.mode,
                   "after the early repayment keep the payment (shorten, the default) or the "
                   "term (reduce)")
        ->check(CLI::IsMember({"shorten", "reduce"}))
        ->needs(prepay_option);
    try {
        auto args = with_empty_values(argc, argv);
        std::vector<char*> pointers;
        for (auto& arg : args) {
            pointers.push_back(arg.data());
        }
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : 2;
    }

    if (schedule.wanted) {
        return print_schedule(input, schedule);
    }
    const auto outcome = m::compute_repayment(input);
    if (const auto* failure = std::get_if<m::ValidationFailure>(&outcome)) {
        std::cerr << terminal_lines(failure->message) << '\n';
        return 1;
    }
    const auto& results = std::get<m::RepaymentResults>(outcome);
    std::cout << results.instalment_payment << '\n'
              << results.instalment_interest << '\n'
              << results.principal_payment << '\n'
              << results.principal_interest << '\n';
    return 0;
}

const orvane::cli::Registrar kRegistrar{
    {"mortgage", "repayments of a house loan (both schemes)", &run_mortgage}};

}  // namespace
